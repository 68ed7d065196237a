// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The program's places: the program directory, where data files are read and the register
// written; the settings file; the documents folder, where reports, recordings and dumps go.
// --home DIR or VESKOR_HOME name the program directory, and everything lies in it. So does a
// portable copy (the executable's directory writable and no installed data beside it), in
// the executable's directory. An installed program uses the user's data location, seeded
// from the installed data, its settings in the user's config folder and its documents in
// a visible folder of the user's documents.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

inline constexpr const char* ReaderIniFile = "reader.ini";

QString programDir();
void setProgramDir(const QString& dir);
// programDir() joined with a relative name ("codes.txt", "Profiles/main.ini").
QString programFile(const QString& relative);
// reader.ini, the settings of the window and the units of veskor-cli.
QString settingsFile();
// Where reports, recordings and dumps are written and looked for: the folder that
// setDocumentsDir named, else the default of the places.
QString documentsDir();
// The folder reader.ini names ([Main] DocumentsFolder); relative to the program directory
// when relative, and empty for the default.
void setDocumentsDir(const QString& dir);

// What the choice of the program's places depends on, gathered once at start-up.
struct ProgramDirPlaces {
    QString Home; // --home or VESKOR_HOME; empty when neither names one
    QString ExeDir;
    bool ExeDirWritable = true;
    QString SharedDataDir; // the installed data beside the executable; empty when none
    QString UserDataDir; // ~/.local/share/veskor-reader
    QString ConfigDir; // ~/.config
    QString DocumentsDir; // ~/Documents, as the user's XDG folders name it
};

struct ProgramPlaces {
    QString Dir;
    QString SettingsFile;
    QString Documents;
    // The user's data location of an installed program, seeded from the installed data.
    bool Installed = false;
};

// The places for these: no side effects.
ProgramPlaces choosePlaces(const ProgramDirPlaces& places);
// The program directory of choosePlaces.
QString chooseProgramDir(const ProgramDirPlaces& places);

// The installed data (a veskor-reader folder holding codes.txt) in the first of the XDG data
// folders that has it, the user's own data folder left out: empty when none has.
QString locateSharedData(const QStringList& dataDirs, const QString& userDataDir);

// Brings the shipped files of sharedDir (folders included) into userDir and keeps them up
// to date, remembering in userDir/.seeded each file with the hash of the shipped version it
// matches. A file missing and never seeded is copied; a copy still as shipped is replaced
// by a newer shipped version; a file that differs from what was shipped (the user's or the
// program's edit, or the user's own file of a shipped name) is never touched; a seeded file
// the user deleted stays deleted. Each file is written atomically. Returns the files that
// could not be copied, with the reason.
QStringList seedUserData(const QString& sharedDir, const QString& userDir);
// The same, for the files of sharedDir that shipped accepts (by path relative to it).
QStringList seedUserData(const QString& sharedDir, const QString& userDir,
    const std::function<bool(const QString& relative)>& shipped);

// Moves the settings an earlier version kept at from to to, once: only when to does not
// exist yet. The copy is written atomically before the old file is removed. Returns what
// failed, with the reason.
QStringList moveSettingsOnce(const QString& from, const QString& to);

// Moves the folders of reports, recordings and dumps that an earlier version wrote into the
// program directory from to the documents folder to, each once: only where to lacks it. A
// rename, whole or not at all; one that fails (another file system) leaves the folder where
// it was. Returns what failed.
QStringList moveDocumentsOnce(const QString& from, const QString& to);

// A program directory named by --home or VESKOR_HOME that is empty or missing receives
// the shipped data, as the installed program's user folder does; a folder that holds
// anything is left as it is. Returns the files that could not be copied.
QStringList seedEmptyHome(const QString& dir);
