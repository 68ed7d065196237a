#include "LogText.h"

#include "common/Texts.h"

namespace LogText {

QString fill(const char* pattern, const QStringList& arguments)
{
    const QString text = Texts::text(pattern);
    QString result;
    qsizetype next = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'%' || next >= arguments.size()) {
            result += text[i];
            continue;
        }
        // A placeholder runs from '%' to its conversion letter (s, x).
        qsizetype end = i + 1;
        while (end < text.size() && !text[end].isLetter())
            ++end;
        result += arguments[next++];
        i = end;
    }
    return result;
}

QString hex(unsigned value, int digits)
{
    return QString::number(value, 16).toUpper().rightJustified(digits, u'0');
}

} // namespace LogText
