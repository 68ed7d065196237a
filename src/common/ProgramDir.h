// The program directory: where data files are read and settings written.
// It is the executable's directory unless --home DIR or VESKOR_HOME says otherwise.
#pragma once

#include <QString>

QString programDir();
void setProgramDir(const QString& dir);
// programDir() joined with a relative name ("codes.txt", "Profiles/main.ini").
QString programFile(const QString& relative);
