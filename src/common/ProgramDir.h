// The program directory: where data files are read and settings written.
// --home DIR or VESKOR_HOME name it. Otherwise a portable copy (the executable's directory
// writable and no installed data beside it) keeps everything beside the executable, and an
// installed program uses the user's data location, seeded from the installed data.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

QString programDir();
void setProgramDir(const QString& dir);
// programDir() joined with a relative name ("codes.txt", "Profiles/main.ini").
QString programFile(const QString& relative);

// What the choice of the program directory depends on, gathered once at start-up.
struct ProgramDirPlaces {
    QString Home; // --home or VESKOR_HOME; empty when neither names one
    QString ExeDir;
    bool ExeDirWritable = true;
    QString SharedDataDir; // the installed data (share/veskor-reader); empty when none
    QString UserDataDir; // ~/.local/share/veskor-reader
};

// The program directory for these places; no side effects.
QString chooseProgramDir(const ProgramDirPlaces& places);

// Copies into userDir every file of sharedDir (folders included) that userDir lacks and
// that no earlier seeding brought: a user's own file is never replaced, and a shipped file
// the user deleted stays deleted. Each file is written atomically. Returns the files that
// could not be copied, with the reason.
QStringList seedUserData(const QString& sharedDir, const QString& userDir);
// The same, for the files of sharedDir that shipped accepts (by path relative to it).
QStringList seedUserData(const QString& sharedDir, const QString& userDir,
    const std::function<bool(const QString& relative)>& shipped);

// A program directory named by --home or VESKOR_HOME that is empty or missing receives
// the shipped data, as the installed program's user folder does; a folder that holds
// anything is left as it is. Returns the files that could not be copied.
QStringList seedEmptyHome(const QString& dir);
