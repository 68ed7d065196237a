#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Proves the .deb as a distribution and its users would take it: lintian finds no error or
# warning and the hardening flags; installed into a clean Debian root (debootstrap,
# minbase) the program starts the way the desktop's menu does, as an ordinary user under
# xvfb: the window must show with its icon, the user's files must land in
# ~/.local/share/veskor-reader (the settings in ~/.config/veskor-reader), and closing must
# work. Then an upgrade to a second build of the package (the next Debian revision, with one
# description in codes.txt changed) must bring that change into the user's codes.txt, and
# removing the package must leave nothing of it under /usr.
# Runs as root; running it again reuses the root and reinstalls the package.
#
#   sudo scripts/check-package.sh [PACKAGE.deb] [SCREENSHOT.png]
#
# The upgrade's package is built here with scripts/build-package.sh (in build-pkg, whose
# settings are put back afterwards).
# VESKOR_CHROOT names the root (default /work/chroot; keep it outside the source tree).
set -u

here=$(cd "$(dirname "$0")/.." && pwd)
root=${VESKOR_CHROOT:-/work/chroot}
deb=${1:-$(ls -t "$here"/build-pkg/veskor-reader_*.deb 2>/dev/null | head -n 1)}
shot=${2:-$here/docs/screenshots/installed-window.png}
mirror=${VESKOR_MIRROR:-http://deb.debian.org/debian}
user=veskor
failures=0

pass() { echo "PASS $*"; }
fail() {
    echo "FAIL $*"
    failures=$((failures + 1))
}
check() { # check "what" command...
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
as_user() {
    chroot --userspec=$user:$user "$root" /usr/bin/env -i PATH=/usr/bin:/bin LANG=C.UTF-8 \
        HOME=/home/$user USER=$user "$@"
}

if [ "$(id -u)" != 0 ]; then
    echo "FAIL must run as root (debootstrap, chroot)"
    exit 1
fi
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
    echo "FAIL no package; build one: scripts/build-package.sh"
    exit 1
fi
deb=$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")

lint_log=/tmp/check-package-lintian.log
check "lintian: no error or warning, hardening flags present (see $lint_log)" \
    eval '"$here/packaging/lint-package.sh" --hardening "$deb" >"$lint_log" 2>&1'
unpacked=$(mktemp -d)
dpkg-deb -x "$deb" "$unpacked"
check "AppStream metadata valid" eval 'appstreamcli validate --no-net \
    "$unpacked"/usr/share/metainfo/*.metainfo.xml >/dev/null'
for p in veskor-reader veskor-cli veskor-sim; do
    check "manual page of $p" eval "zcat '$unpacked/usr/share/man/man1/$p.1.gz' | grep -q '^\.SH DESCRIPTION'"
done
rm -rf "$unpacked"

# The same release as this machine, so that the package's dependencies are the ones it was
# built against.
. /etc/os-release
suite=${VERSION_CODENAME:?no VERSION_CODENAME in /etc/os-release}
if [ ! -x "$root/usr/bin/apt-get" ]; then
    command -v debootstrap >/dev/null || apt-get install -y debootstrap >/dev/null
    debootstrap --variant=minbase "$suite" "$root" "$mirror" >/tmp/check-package-debootstrap.log 2>&1
fi
check "clean $suite root at $root" test -x "$root/usr/bin/apt-get"

mounted=()
bind() { # bind SOURCE TARGET-IN-ROOT
    mkdir -p "$root$2"
    if ! mountpoint -q "$root$2"; then
        mount --bind "$1" "$root$2" && mounted=("$root$2" "${mounted[@]}")
    fi
}
cleanup() {
    for m in "${mounted[@]}"; do umount "$m" 2>/dev/null || umount -l "$m"; done
}
trap cleanup EXIT
if ! mountpoint -q "$root/proc"; then
    mount -t proc proc "$root/proc" && mounted=("$root/proc" "${mounted[@]}")
fi
bind /dev /dev
bind /dev/pts /dev/pts
bind /dev/shm /dev/shm
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null

# The package itself, through apt so that its dependencies come from the registry; then an
# X server for the test and the tools that look at the screen.
cp "$deb" "$root/tmp/veskor-reader.deb"
in_root apt-get update -q >/tmp/check-package-apt.log 2>&1
install_package() {
    in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --reinstall \
        /tmp/veskor-reader.deb >>/tmp/check-package-apt.log 2>&1
}
check "package installs with its dependencies" install_package
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    xvfb xauth x11-utils x11-apps netpbm desktop-file-utils procps >>/tmp/check-package-apt.log 2>&1 \
    || fail "test tools install (see /tmp/check-package-apt.log)"

for f in /usr/bin/veskor-reader /usr/bin/veskor-cli /usr/bin/veskor-sim \
    /usr/share/veskor-reader/codes.txt /usr/share/veskor-reader/Profiles/main.ini \
    /usr/share/veskor-reader/report.en.htm /usr/share/veskor-reader/user-guide.en.html \
    /usr/share/applications/veskor-reader.desktop \
    /usr/share/icons/hicolor/scalable/apps/veskor-reader.svg \
    /usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/veskor-reader.png \
    /usr/share/metainfo/org.veskor_reader.VeskorReader.metainfo.xml \
    /usr/share/doc/veskor-reader/copyright /usr/share/doc/veskor-reader/changelog.Debian.gz \
    /usr/share/man/man1/{veskor-reader,veskor-cli,veskor-sim}.1.gz; do
    check "installed $f" test -e "$root$f"
done
missing=$(in_root ldd /usr/bin/veskor-reader | grep 'not found')
check "every library of veskor-reader resolves" test -z "$missing"
check "desktop entry is valid" in_root desktop-file-validate /usr/share/applications/veskor-reader.desktop

# An ordinary user, starting from nothing: the shipped data must be seeded at first start.
in_root id $user >/dev/null 2>&1 || in_root useradd -m -s /bin/bash $user
rm -rf "$root/home/$user/.local/share/veskor-reader" "$root/home/$user/.config/veskor-reader"
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/veskor-reader.desktop" | head -n 1)
check "desktop entry starts veskor-reader" test "${exec_line%% *}" = veskor-reader

# Start it as the menu does, wait for its window, photograph the screen, close it with
# SIGTERM (the window's close: settings are written) and wait for it to end.
rm -f "$root/tmp/installed-window.png" "$root/tmp/check-package.log"
cat >"$root/tmp/check-package-run.sh" <<EOF
#!/bin/sh
$exec_line >/tmp/check-package-program.log 2>&1 &
pid=\$!
shown=0
for i in \$(seq 1 150); do
    if xwininfo -root -tree | grep -q '"VeskorReader'; then shown=1; break; fi
    sleep 0.2
done
sleep 2
xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >/tmp/installed-window.png 2>/dev/null
echo "window shown: \$shown"
wid=\$(xwininfo -root -tree | grep '"VeskorReader' | awk '{print \$1}' | head -n 1)
xprop -id "\$wid" _NET_WM_ICON 2>/dev/null | grep -q '_NET_WM_ICON(CARDINAL) =' && echo "window icon set"
kill -TERM \$pid
for i in \$(seq 1 50); do kill -0 \$pid 2>/dev/null || break; sleep 0.2; done
if kill -0 \$pid 2>/dev/null; then echo "still running"; kill -KILL \$pid; else wait \$pid; echo "exit \$?"; fi
EOF
chmod 755 "$root/tmp/check-package-run.sh"
as_user xvfb-run -a -s "-screen 0 1280x800x24" /tmp/check-package-run.sh \
    >"$root/tmp/check-package.log" 2>&1
cat "$root/tmp/check-package.log" | sed 's/^/  /'
check "window shown under xvfb" grep -q 'window shown: 1' "$root/tmp/check-package.log"
check "window icon set (_NET_WM_ICON)" grep -q 'window icon set' "$root/tmp/check-package.log"
check "window closed by SIGTERM" grep -q '^exit 0' "$root/tmp/check-package.log"
size=$(stat -c %s "$root/tmp/installed-window.png" 2>/dev/null || echo 0)
check "screenshot taken ($size bytes)" test "$size" -gt 20000
if [ "$size" -gt 0 ]; then
    mkdir -p "$(dirname "$shot")"
    cp "$root/tmp/installed-window.png" "$shot" && echo "  screenshot: $shot"
fi

data=$root/home/$user/.local/share/veskor-reader
for f in codes.txt models.txt CarProfiles.ini Profiles/main.ini; do
    check "user file $f in ~/.local/share/veskor-reader" test -f "$data/$f"
done
settings=$root/home/$user/.config/veskor-reader/reader.ini
check "settings in ~/.config/veskor-reader" test -f "$settings"
owner=$(stat -c %u "$settings" 2>/dev/null)
check "user files belong to the user" test "$owner" = "$(in_root id -u $user)"
stray=$(find "$root/usr" -newer "$root/tmp/check-package-run.sh" -type f 2>/dev/null | head -n 3)
check "nothing written beside the installed program" test -z "$stray"

# The upgrade: the same version's next Debian revision, whose codes.txt tells code 10 in
# other words. The user never edited their copy, so the program's next start must put the
# new shipped text in its place.
version=$(dpkg-deb -f "$deb" Version)
release=$((${version##*-} + 1))
old_text="Cylinder 1 failed the cylinder balance test"
new_text="$old_text (as told by revision $release)"
changed=$(mktemp -d)
cp -r "$here/data/." "$changed/"
sed -i "0,/$old_text/s//$new_text/" "$changed/codes.txt"
check "changed copy of codes.txt" grep -qF "$new_text" "$changed/codes.txt"
build_log=/tmp/check-package-build.log
upgrade=$("$here/scripts/build-package.sh" --release "$release" --data "$changed" 2>"$build_log" | tail -n 1)
# build-pkg packages data/ as revision 1 again, as a plain cpack there expects.
cmake -B "$here/build-pkg" -DVESKOR_PACKAGE_RELEASE=1 -DVESKOR_PACKAGE_DATA_DIR="$here/data" >/dev/null
rm -rf "$changed"
check "upgrade package ${upgrade##*/} built (see $build_log)" test -f "$upgrade"
if [ -f "$upgrade" ]; then
    # Gone from build-pkg, so that the next run's default package is the first revision again.
    mv "$upgrade" "$root/tmp/veskor-reader-upgrade.deb"
    upgrade_package() {
        in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
            /tmp/veskor-reader-upgrade.deb >>/tmp/check-package-apt.log 2>&1
    }
    check "package upgrades to ${version%-*}-$release" upgrade_package
    installed=$(in_root dpkg-query -W -f='${Version}' veskor-reader)
    check "installed version is $installed" test "$installed" = "${version%-*}-$release"
    check "shipped codes.txt holds the new text" grep -qF "$new_text" "$root/usr/share/veskor-reader/codes.txt"
    as_user veskor-cli --port sim --time-scale 0.1 faults read >"$root/tmp/check-package-cli.log" 2>&1
    check "the user's unedited codes.txt took the new text at the next start" \
        grep -qF "$new_text" "$data/codes.txt"
fi

# Removal: every file of the package goes, the user's own files stay.
in_root dpkg-query -L veskor-reader >"$root/tmp/check-package-files.txt" 2>/dev/null
remove_package() {
    in_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q veskor-reader \
        >>/tmp/check-package-apt.log 2>&1
}
check "package purges" remove_package
check "package no longer known to dpkg" eval '! in_root dpkg-query -W veskor-reader >/dev/null 2>&1'
left=$(while read -r f; do [ -f "$root$f" ] && echo "$f"; done <"$root/tmp/check-package-files.txt")
check "no file of the package left${left:+: $left}" test -z "$left"
left=$(find "$root/usr" "$root/etc" -name '*veskor*' 2>/dev/null | sed "s|^$root||")
check "nothing named veskor under /usr or /etc${left:+: $left}" test -z "$left"
check "the user's files stay" test -f "$data/codes.txt" -a -f "$settings"

if [ $failures -eq 0 ]; then echo "PASS all"; else echo "FAIL $failures check(s)"; fi
exit $((failures > 0))
