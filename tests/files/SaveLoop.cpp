// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Saves autos.ini and reader.ini into a folder through the program's own save code, the
// two versions in turn, until it is killed: veskor-save-loop FOLDER. Prints "ready" once
// the first pair is written, so that a kill lands among the saves, not in the start-up.
#include "SavedVersions.h"
#include "common/Errors.h"
#include "vehicles/RegisterFile.h"

#include <QDir>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: veskor-save-loop FOLDER\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const QString autos = dir.filePath(QLatin1String(RegisterFile));
    const QString reader = dir.filePath(QLatin1String(ReaderIniFile));
    const VehicleRegister registers[] = { savedRegister(0), savedRegister(1) };
    const ReaderSettings settings[] = { savedSettings(0), savedSettings(1) };
    try {
        for (long saves = 0;; ++saves) {
            const int version = int(saves % 2);
            SaveRegister(registers[version], autos);
            ReaderIni::save(reader, settings[version]);
            if (saves == 0) {
                std::puts("ready");
                std::fflush(stdout);
            }
        }
    } catch (const VeskorError& e) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(e.message()));
        return 1;
    }
}
