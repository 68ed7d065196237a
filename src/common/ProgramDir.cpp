#include "ProgramDir.h"

#include "AtomicFile.h"
#include "Errors.h"
#include "Texts.h"
#include "common/SystemError.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QStandardPaths>

#ifndef VESKOR_SHARED_DATA_RELATIVE
#define VESKOR_SHARED_DATA_RELATIVE "../share/veskor-reader"
#endif

namespace {

QMutex g_mutex;
QString g_override;
QString g_default;

// The shipped files an earlier seeding brought, one relative path a line.
const QString SeededList = QStringLiteral(".seeded");
// A file every copy of the program ships: where it is missing, there is no data.
const QString ShippedMarker = QStringLiteral("codes.txt");

QString sharedDataDir(const QString& exeDir)
{
    const QString dir
        = QDir::cleanPath(QDir(exeDir).filePath(QStringLiteral(VESKOR_SHARED_DATA_RELATIVE)));
    return QFileInfo::exists(QDir(dir).filePath(ShippedMarker)) ? dir : QString();
}

QString userDataDir()
{
    // The same folder for veskor-reader and veskor-cli, whatever their application names.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("veskor-reader"));
}

QString defaultProgramDir()
{
    ProgramDirPlaces places;
    places.ExeDir = QCoreApplication::applicationDirPath();
    places.ExeDirWritable = QFileInfo(places.ExeDir).isWritable();
    places.SharedDataDir = sharedDataDir(places.ExeDir);
    places.UserDataDir = userDataDir();
    const QString dir = chooseProgramDir(places);
    if (dir != places.UserDataDir)
        return dir;
    // The settings are written there even where no installed data seeds it.
    QDir().mkpath(dir);
    if (!places.SharedDataDir.isEmpty())
        for (const QString& problem : seedUserData(places.SharedDataDir, dir))
            qWarning("%s", qUtf8Printable(Texts::text(Texts::SeedFailed).arg(problem)));
    return dir;
}

QSet<QString> readSeededList(const QString& path)
{
    QFile file(path);
    QSet<QString> names;
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray& line : file.readAll().split('\n'))
            if (!line.isEmpty())
                names.insert(QString::fromUtf8(line));
    return names;
}

} // namespace

QString chooseProgramDir(const ProgramDirPlaces& places)
{
    if (!places.Home.isEmpty())
        return places.Home;
    // Installed data beside the program means an installed program, even where its
    // executable's folder is writable (root, or a prefix in the user's home): its data
    // is not beside the executable.
    if (places.ExeDirWritable && places.SharedDataDir.isEmpty())
        return places.ExeDir;
    return places.UserDataDir;
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
    QSet<QString> seeded = readSeededList(listPath);
    const qsizetype before = seeded.size();
    QDirIterator files(sharedDir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString relative = shared.relativeFilePath(source);
        if (seeded.contains(relative) || (shipped && !shipped(relative)))
            continue;
        const QString target = user.filePath(relative);
        if (!QFileInfo::exists(target)) {
            QFile in(source);
            try {
                if (!user.mkpath(QFileInfo(relative).path()) || !in.open(QIODevice::ReadOnly))
                    throw VeskorError(QStringLiteral("%1: %2").arg(target, fileErrorText(in)));
                writeFileAtomically(target, in.readAll());
            } catch (const VeskorError& error) {
                // Not marked as seeded: the next start tries again.
                problems.append(error.message());
                continue;
            }
        }
        seeded.insert(relative);
    }
    if (seeded.size() != before) {
        QStringList names(seeded.begin(), seeded.end());
        names.sort();
        try {
            writeFileAtomically(listPath, names.join(u'\n').toUtf8() + '\n');
        } catch (const VeskorError& error) {
            problems.append(error.message());
        }
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
    if (!QFileInfo::exists(QDir(exeDir).filePath(ShippedMarker)))
        return {};
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
    QMutexLocker lock(&g_mutex);
    if (!g_override.isEmpty())
        return g_override;
    const QString env = qEnvironmentVariable("VESKOR_HOME");
    if (!env.isEmpty())
        return QDir(env).absolutePath();
    // Before the application object exists the executable's directory is unknown.
    if (!QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Chosen and seeded once: the seeding copies files.
    if (g_default.isEmpty())
        g_default = defaultProgramDir();
    return g_default;
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
