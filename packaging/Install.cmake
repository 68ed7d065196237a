# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 VeskorReader developers
# Install layout and the Debian package: the programs in bin/ with their manual pages, the
# shipped data in share/veskor-reader/ (never the calibration database text, which is built
# into the program), a desktop entry, the icon at every size, AppStream metadata, and the
# package's copyright and changelog.
include(GNUInstallDirs)

# The Debian revision: a second package of the same version (an upgrade) raises it.
set(VESKOR_PACKAGE_RELEASE 1 CACHE STRING "Debian revision of the package (VERSION-RELEASE)")
# The data the package ships; scripts/check-package.sh points it at a changed copy.
set(VESKOR_PACKAGE_DATA_DIR ${VESKOR_DATA_DIR} CACHE PATH "The data folder the package ships")
set(VESKOR_PACKAGE_VERSION ${PROJECT_VERSION}-${VESKOR_PACKAGE_RELEASE})
set(veskor_maintainer "VeskorReader developers <developers@veskor-reader.org>")
set(veskor_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/veskor-reader)
set(veskor_pkg_dir ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS veskor-reader veskor-cli veskor-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A database of one's own kept in the data folder under another name stays out as well.
get_filename_component(veskor_db_dir ${VESKOR_CALIBRATION_DB} DIRECTORY)
get_filename_component(veskor_db_name ${VESKOR_CALIBRATION_DB} NAME)
set(veskor_db_exclude)
if(veskor_db_dir STREQUAL VESKOR_PACKAGE_DATA_DIR)
  set(veskor_db_exclude PATTERN ${veskor_db_name} EXCLUDE)
endif()
install(DIRECTORY ${VESKOR_PACKAGE_DATA_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/veskor-reader
  PATTERN calibrations.txt EXCLUDE ${veskor_db_exclude})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/veskor-reader.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VESKOR_ICON_DIR}/veskor-reader.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS VESKOR_ICON_SIZES)
  install(FILES ${VESKOR_ICON_DIR}/veskor-reader-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME veskor-reader.png)
endforeach()
set(veskor_appstream_id org.veskor_reader.VeskorReader)
configure_file(${CMAKE_CURRENT_LIST_DIR}/${veskor_appstream_id}.metainfo.xml.in
  ${veskor_pkg_dir}/${veskor_appstream_id}.metainfo.xml @ONLY)
install(FILES ${veskor_pkg_dir}/${veskor_appstream_id}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_CURRENT_LIST_DIR}/debian/copyright
  DESTINATION ${veskor_doc_dir})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME veskor-reader)

# Debian wants the changelog compressed without a timestamp (gzip -n), as the manual pages.
find_program(VESKOR_GZIP gzip REQUIRED)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${veskor_pkg_dir}/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${veskor_pkg_dir}/changelog.Debian.gz
  COMMAND ${VESKOR_GZIP} -9n -c ${veskor_pkg_dir}/changelog.Debian > ${veskor_pkg_dir}/changelog.Debian.gz
  DEPENDS ${veskor_pkg_dir}/changelog.Debian)
set(veskor_package_files ${veskor_pkg_dir}/changelog.Debian.gz)
install(FILES ${veskor_pkg_dir}/changelog.Debian.gz DESTINATION ${veskor_doc_dir})

# Manual pages from the programs' own --help and --version, in English (help2man runs them
# in its --locale; the locale need not be installed, PERL_BADLANG quiets perl about that).
# Run by name from their folder so that the usage line names the program, not the build path.
find_program(VESKOR_HELP2MAN help2man)
if(VESKOR_HELP2MAN)
  set(veskor_man_names
    "veskor-reader=diagnostic workstation for Ford EEC-IV engine control units"
    "veskor-cli=command-line link with the EEC-IV diagnostic adapter"
    "veskor-sim=simulated EEC-IV diagnostic adapter on a pseudo-terminal")
  foreach(entry IN LISTS veskor_man_names)
    string(REGEX MATCH "^[^=]+" program "${entry}")
    string(REGEX REPLACE "^[^=]+=" "" name "${entry}")
    set(page ${veskor_pkg_dir}/man/${program}.1)
    add_custom_command(OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${veskor_pkg_dir}/man
      COMMAND ${CMAKE_COMMAND} -E env --unset=LANGUAGE --unset=DISPLAY --unset=WAYLAND_DISPLAY
              PERL_BADLANG=0 "PATH=$<TARGET_FILE_DIR:${program}>:$ENV{PATH}"
              ${VESKOR_HELP2MAN} --locale=en_US.UTF-8 --no-info --section=1 --name=${name}
              --output=${page} ${program}
      COMMAND ${VESKOR_GZIP} -9nf ${page}
      DEPENDS ${program}
      VERBATIM)
    list(APPEND veskor_package_files ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
else()
  message(STATUS "help2man not found: no manual pages (scripts/setup-deps.sh test installs it)")
endif()
add_custom_target(veskor_package_files ALL DEPENDS ${veskor_package_files})

set(CPACK_PACKAGE_NAME veskor-reader)
set(CPACK_PACKAGE_VENDOR "VeskorReader")
set(CPACK_PACKAGE_CONTACT "${veskor_maintainer}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Diagnostic workstation for Ford EEC-IV engine control units")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[VeskorReader talks to the engine control unit of Ford cars with the EEC-IV
through a small diagnostic adapter on a serial port (USB-serial or Bluetooth).
It identifies the unit by its calibration code, reads and clears fault codes,
runs the engine self-test, shows live engine data on dashboards, records and
exports it, dumps and decodes the unit's memory, keeps a register of serviced
vehicles and prints fault reports. The window speaks Russian or English.

The package holds the window (veskor-reader), a command-line front end for
scripts (veskor-cli) and a simulated adapter with an ECU behind it
(veskor-sim), so the program can be tried without hardware.]=])
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${VESKOR_PACKAGE_RELEASE})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://veskor-reader.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories as Debian has them (0755), whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
  GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The libraries the programs link come from dpkg-shlibdeps; Qt loads its platform plugin
# at run time, so that package is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# The Russian texts need a font with Cyrillic letters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
include(CPack)

if(VESKOR_BUILD_TESTS)
  add_test(NAME install_smoke
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DHAVE_MAN=${VESKOR_HELP2MAN}
            -P ${CMAKE_CURRENT_LIST_DIR}/InstallSmokeTest.cmake)
  set_tests_properties(install_smoke PROPERTIES TIMEOUT 60 RESOURCE_LOCK package)
  add_test(NAME package_lintian
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/PackageLintTest.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(package_lintian PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77
    RESOURCE_LOCK package)
endif()
