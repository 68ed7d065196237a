#include "FaultCodeText.h"

#include "common/Placeholders.h"
#include "common/Texts.h"

int faultCodeNumber(const QString& entry)
{
    bool ok = false;
    const int number = entry.toInt(&ok, 10);
    return ok ? number : 1;
}

QString faultCodeText(const QString& entry, const FaultCodeDictionary& codes, bool english)
{
    const TFaultCode& code = codes[faultCodeNumber(entry)];
    return fillPlaceholders(Texts::text(Texts::FaultCodeText),
        { entry, code.Mode, faultCodeDescription(code, english), code.Comment });
}
