// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Fuzz target: reader.ini (and every INI the program reads) of any bytes. Every key of
// every section is read in each way the program reads values. Saving must lose nothing:
// the written text reads back the same raw values, and text values that were read and
// written back (as a settings class does) read back the same.
#include "FuzzSupport.h"
#include "common/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

template <typename Read>
void expectSameValues(const IniFile& before, const IniFile& after, Read read)
{
    for (const QString& section : before.sections())
        for (const QString& key : before.keys(section))
            if (read(before, section, key) != read(after, section, key))
                std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    IniFile ini;
    ini.loadData(fuzz::bytes(data, size));
    for (const QString& section : ini.sections()) {
        for (const QString& key : ini.keys(section)) {
            ini.readAnsi(section, key);
            ini.readInteger(section, key, -1);
            ini.readBool(section, key, false);
        }
    }
    const auto raw
        = [](const IniFile& i, const QString& s, const QString& k) { return i.readRaw(s, k); };
    const auto text
        = [](const IniFile& i, const QString& s, const QString& k) { return i.readUtf8(s, k); };

    IniFile saved;
    saved.loadData(ini.data());
    expectSameValues(ini, saved, raw);

    for (const QString& section : ini.sections())
        for (const QString& key : ini.keys(section))
            saved.writeUtf8(section, key, ini.readUtf8(section, key));
    IniFile rewritten;
    rewritten.loadData(saved.data());
    // Bytes that are no UTF-8 come back as replacement characters, longer than they were:
    // such a text cannot be kept, every other one must be.
    const auto validText = [&text](const IniFile& i, const QString& s, const QString& k) {
        const QString value = text(i, s, k);
        return value.contains(QChar::ReplacementCharacter) ? QString() : value;
    };
    expectSameValues(ini, rewritten, validText);
    return 0;
}
