#include "FaultCodes.h"

#include "common/Errors.h"
#include "common/IntegerText.h"
#include "common/Placeholders.h"
#include "common/ProgramDir.h"
#include "common/TextFile.h"
#include "common/Texts.h"

#include <QFileInfo>

const TFaultCode& FaultCodeDictionary::operator[](int code) const
{
    static const TFaultCode empty;
    return code >= 1 && code <= MaxCode ? m_codes[size_t(code)] : empty;
}

void FaultCodeDictionary::clear()
{
    m_codes.fill(TFaultCode{});
}

void FaultCodeDictionary::parse(const QStringList& lines)
{
    int code = 0;
    int field = 10; // past the last field: text lines are skipped until a number line
    for (const QString& raw : lines) {
        const QString line = trimBlanks(raw);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        const auto number = parseInteger(line);
        if (number && *number < 1000) {
            code = *number;
            field = 0;
            continue;
        }
        if (code <= 0)
            continue;
        TFaultCode& entry = m_codes[size_t(code)];
        switch (field) {
        case 0: entry.Mode = line; break;
        case 1: entry.DescEn = line; break;
        case 2: entry.DescRu = line; break;
        case 3: entry.Comment = line; break;
        default: code = 0; break; // a fifth text line closes the entry
        }
        ++field;
    }
}

void FaultCodeDictionary::load(const QString& path)
{
    if (!QFileInfo::exists(path))
        throw VeskorError(Texts::text(Texts::FaultCodesMissing));
    QStringList lines;
    try {
        lines = readTextFile(path);
    } catch (const VeskorError& error) {
        throw VeskorError(fillPlaceholders(Texts::text(Texts::FaultCodesReadError), { error.message() }));
    }
    parse(lines);
}

void LoadFaultCodes(FaultCodeDictionary& codes)
{
    codes.load(programFile(QStringLiteral("codes.txt")));
}
