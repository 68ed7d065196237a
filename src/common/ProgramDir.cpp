// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
#include "ProgramDir.h"

#include "AtomicFile.h"
#include "Errors.h"
#include "Texts.h"
#include "common/SystemError.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QMutex>
#include <QStandardPaths>
#include <optional>

#ifndef VESKOR_SHARED_DATA_RELATIVE
#define VESKOR_SHARED_DATA_RELATIVE "../share/veskor-reader"
#endif

namespace {

QMutex g_mutex;
QString g_override;
QString g_documents;
std::optional<ProgramPlaces> g_default;

// The shipped files an earlier seeding brought, a line each: the path relative to the
// folder, a tab and the SHA-256 (hex) of the shipped version the file matches. Earlier
// versions wrote the path alone.
const QString SeededList = QStringLiteral(".seeded");
// A file every copy of the program ships: where it is missing, there is no data.
const QString ShippedMarker = QStringLiteral("codes.txt");
// The folder of the program's own files under the data and config locations.
const QString AppFolder = QStringLiteral("veskor-reader");
// The documents folder under the user's documents: visible, and named as the program.
const QString DocumentsFolder = QStringLiteral("VeskorReader");

bool holdsSharedData(const QString& dir)
{
    return QFileInfo::exists(QDir(dir).filePath(ShippedMarker));
}

QString sharedDataDir(const QString& exeDir)
{
    const QString dir
        = QDir::cleanPath(QDir(exeDir).filePath(QStringLiteral(VESKOR_SHARED_DATA_RELATIVE)));
    return holdsSharedData(dir) ? dir : QString();
}

QString sameFolderKey(const QString& dir)
{
    const QString canonical = QFileInfo(dir).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(dir).absolutePath()) : canonical;
}

// The installed data: beside the executable, else in the XDG data folders.
QString installedData(const QString& exeDir, const QString& userDataDir)
{
    const QString beside = sharedDataDir(exeDir);
    return beside.isEmpty() ? locateSharedData(
               QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation), userDataDir)
                            : beside;
}

QString userDataDir()
{
    // The same folder for veskor-reader and veskor-cli, whatever their application names.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(AppFolder);
}

void warnAll(const QStringList& problems, const char* text)
{
    for (const QString& problem : problems)
        qWarning("%s", qUtf8Printable(Texts::text(text).arg(problem)));
}

ProgramPlaces defaultPlaces()
{
    ProgramDirPlaces places;
    places.ExeDir = QCoreApplication::applicationDirPath();
    places.ExeDirWritable = QFileInfo(places.ExeDir).isWritable();
    places.SharedDataDir = sharedDataDir(places.ExeDir);
    places.UserDataDir = userDataDir();
    places.ConfigDir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    places.DocumentsDir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const ProgramPlaces chosen = choosePlaces(places);
    if (!chosen.Installed)
        return chosen;
    // The register is written there even where no installed data seeds it.
    QDir().mkpath(chosen.Dir);
    const QString shared = places.SharedDataDir.isEmpty()
        ? installedData(places.ExeDir, places.UserDataDir)
        : places.SharedDataDir;
    if (!shared.isEmpty())
        warnAll(seedUserData(shared, chosen.Dir), Texts::SeedFailed);
    warnAll(moveSettingsOnce(
                QDir(chosen.Dir).filePath(QLatin1String(ReaderIniFile)), chosen.SettingsFile),
        Texts::SettingsMoveFailed);
    warnAll(moveDocumentsOnce(chosen.Dir, chosen.Documents), Texts::DocumentsMoveFailed);
    return chosen;
}

ProgramPlaces currentPlaces()
{
    QMutexLocker lock(&g_mutex);
    ProgramDirPlaces places;
    places.Home = g_override;
    if (places.Home.isEmpty()) {
        const QString env = qEnvironmentVariable("VESKOR_HOME");
        if (!env.isEmpty())
            places.Home = QDir(env).absolutePath();
    }
    // Before the application object exists the executable's directory is unknown.
    if (places.Home.isEmpty() && !QCoreApplication::instance())
        places.Home = QCoreApplication::applicationDirPath();
    if (!places.Home.isEmpty())
        return choosePlaces(places);
    // Chosen and seeded once: the seeding copies files.
    if (!g_default)
        g_default = defaultPlaces();
    return *g_default;
}

QByteArray sha256(const QByteArray& data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
}

// The seeded files with the hash each matches; empty for a line of an earlier version.
QMap<QString, QByteArray> readSeededList(const QString& path)
{
    QFile file(path);
    QMap<QString, QByteArray> seeded;
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.isEmpty())
                continue;
            const qsizetype tab = line.lastIndexOf('\t');
            if (tab < 0)
                seeded.insert(QString::fromUtf8(line), QByteArray());
            else
                seeded.insert(QString::fromUtf8(line.left(tab)), line.mid(tab + 1));
        }
    return seeded;
}

QByteArray seededListText(const QMap<QString, QByteArray>& seeded)
{
    QByteArray text;
    for (auto it = seeded.cbegin(); it != seeded.cend(); ++it) {
        text += it.key().toUtf8();
        if (!it.value().isEmpty())
            text += '\t' + it.value();
        text += '\n';
    }
    return text;
}

QByteArray readWhole(const QString& path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        throw VeskorError(QStringLiteral("%1: %2").arg(path, fileErrorText(in)));
    return in.readAll();
}

} // namespace

ProgramPlaces choosePlaces(const ProgramDirPlaces& places)
{
    ProgramPlaces chosen;
    // Installed data beside the program means an installed program, even where its
    // executable's folder is writable (root, or a prefix in the user's home): its data
    // is not beside the executable.
    const QString single = !places.Home.isEmpty()                 ? places.Home
        : places.ExeDirWritable && places.SharedDataDir.isEmpty() ? places.ExeDir
                                                                  : QString();
    if (!single.isEmpty()) {
        // A home or a portable copy keeps everything in its one folder.
        chosen.Dir = single;
        chosen.SettingsFile = QDir(single).filePath(QLatin1String(ReaderIniFile));
        chosen.Documents = single;
        return chosen;
    }
    chosen.Installed = true;
    chosen.Dir = places.UserDataDir;
    const QString configDir
        = places.ConfigDir.isEmpty() ? places.UserDataDir : places.ConfigDir + u'/' + AppFolder;
    chosen.SettingsFile = QDir(configDir).filePath(QLatin1String(ReaderIniFile));
    chosen.Documents = places.DocumentsDir.isEmpty()
        ? places.UserDataDir
        : QDir(places.DocumentsDir).filePath(DocumentsFolder);
    return chosen;
}

QString chooseProgramDir(const ProgramDirPlaces& places)
{
    return choosePlaces(places).Dir;
}

QString locateSharedData(const QStringList& dataDirs, const QString& userDataDir)
{
    const QString user = sameFolderKey(userDataDir);
    for (const QString& dataDir : dataDirs) {
        const QString dir = QDir(dataDir).filePath(AppFolder);
        if (sameFolderKey(dir) != user && holdsSharedData(dir))
            return QDir::cleanPath(dir);
    }
    return {};
}

QStringList seedUserData(const QString& sharedDir, const QString& userDir)
{
    return seedUserData(sharedDir, userDir, {});
}

QStringList seedUserData(const QString& sharedDir, const QString& userDir,
    const std::function<bool(const QString& relative)>& shipped)
{
    const QDir shared(sharedDir);
    const QDir user(userDir);
    // Installed into the user's own prefix, the shipped data is already where it belongs.
    if (QFileInfo(sharedDir).canonicalFilePath() == QFileInfo(userDir).canonicalFilePath())
        return {};
    QStringList problems;
    if (!user.mkpath(QStringLiteral(".")))
        return { userDir };
    const QString listPath = user.filePath(SeededList);
    const QMap<QString, QByteArray> before = readSeededList(listPath);
    QMap<QString, QByteArray> seeded = before;
    QDirIterator files(sharedDir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString relative = shared.relativeFilePath(source);
        if (shipped && !shipped(relative))
            continue;
        const QString target = user.filePath(relative);
        const bool exists = QFileInfo::exists(target);
        // Deleted by the user after it was seeded: stays deleted.
        if (seeded.contains(relative) && !exists)
            continue;
        try {
            const QByteArray data = readWhole(source);
            const QByteArray hash = sha256(data);
            if (!exists) {
                if (!user.mkpath(QFileInfo(relative).path()))
                    throw VeskorError(QStringLiteral("%1: %2").arg(target, systemErrorText(errno)));
                writeFileAtomically(target, data);
            } else if (seeded.contains(relative) && seeded.value(relative) != hash) {
                // Only a shipped version newer than the one remembered needs the user's
                // copy read: otherwise the copy, edited or not, stays as it is.
                const QByteArray current = sha256(readWhole(target));
                // As the shipped version: nothing to do but remember it (also for a line
                // of an earlier version, which has no hash). As the version seeded last: an
                // unedited copy, which the newer version replaces. Else an edit, kept.
                if (current != hash) {
                    if (seeded.value(relative).isEmpty() || current != seeded.value(relative))
                        continue;
                    writeFileAtomically(target, data);
                }
            }
            // A file of the user's own before the first seeding is remembered with the
            // shipped hash: as long as it differs, it is an edit.
            seeded.insert(relative, hash);
        } catch (const VeskorError& error) {
            // Not remembered as seeded: the next start tries again.
            problems.append(error.message());
        }
    }
    if (seeded != before) {
        try {
            writeFileAtomically(listPath, seededListText(seeded));
        } catch (const VeskorError& error) {
            problems.append(error.message());
        }
    }
    return problems;
}

QStringList moveSettingsOnce(const QString& from, const QString& to)
{
    if (QFileInfo::exists(to) || !QFileInfo::exists(from))
        return {};
    try {
        const QByteArray data = readWhole(from);
        if (!QDir().mkpath(QFileInfo(to).path()))
            throw VeskorError(QStringLiteral("%1: %2").arg(to, systemErrorText(errno)));
        writeFileAtomically(to, data);
    } catch (const VeskorError& error) {
        return { error.message() };
    }
    // Left behind, the old file is never read again: the new one exists.
    QFile old(from);
    if (!old.remove())
        return { QStringLiteral("%1: %2").arg(from, fileErrorText(old)) };
    return {};
}

QStringList moveDocumentsOnce(const QString& from, const QString& to)
{
    static const QStringList Folders { QStringLiteral("Reports"), QStringLiteral("Recordings"),
        QStringLiteral("Dumps") };
    QStringList problems;
    for (const QString& name : Folders) {
        const QString source = QDir(from).filePath(name);
        const QString target = QDir(to).filePath(name);
        if (!QFileInfo(source).isDir() || QFileInfo::exists(target))
            continue;
        if (!QDir().mkpath(to) || !QDir().rename(source, target))
            problems.append(QStringLiteral("%1 → %2").arg(source, target));
    }
    return problems;
}

QStringList seedEmptyHome(const QString& dir)
{
    const QDir home(dir);
    if (home.exists()
        && !home.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        return {};
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString shared = sharedDataDir(exeDir);
    if (!shared.isEmpty())
        return seedUserData(shared, dir);
    // A build or a portable copy: the data lies among the programs and the user's files
    // beside the executable; only what the program ships is taken.
    if (!holdsSharedData(exeDir)) {
        const QString installed = installedData(exeDir, userDataDir());
        return installed.isEmpty() ? QStringList() : seedUserData(installed, dir);
    }
    static const QStringList Shipped { QStringLiteral("codes.txt"), QStringLiteral("models.txt"),
        QStringLiteral("CarProfiles.ini"), QStringLiteral("report.htm"),
        QStringLiteral("report.en.htm"), QStringLiteral("user-guide.html"),
        QStringLiteral("user-guide.en.html"), QStringLiteral("pids.txt"),
        QStringLiteral("Profiles") };
    return seedUserData(exeDir, dir, [](const QString& relative) {
        return Shipped.contains(relative.section(QLatin1Char('/'), 0, 0));
    });
}

QString programDir()
{
    return currentPlaces().Dir;
}

void setProgramDir(const QString& dir)
{
    QMutexLocker lock(&g_mutex);
    g_override = dir.isEmpty() ? QString() : QDir(dir).absolutePath();
}

QString programFile(const QString& relative)
{
    return QDir(programDir()).filePath(relative);
}

QString settingsFile()
{
    return currentPlaces().SettingsFile;
}

QString documentsDir()
{
    const ProgramPlaces places = currentPlaces();
    QMutexLocker lock(&g_mutex);
    return g_documents.isEmpty() ? places.Documents
                                 : QDir::cleanPath(QDir(places.Dir).absoluteFilePath(g_documents));
}

void setDocumentsDir(const QString& dir)
{
    QMutexLocker lock(&g_mutex);
    g_documents = dir;
}
