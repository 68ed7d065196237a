// Fills the printf-style placeholders of the link's log lines ("%s", "%.3x") in order.
#pragma once

#include <QString>
#include <QStringList>

namespace LogText {

// Replaces each placeholder of pattern, left to right, with the next argument.
QString fill(const char* pattern, const QStringList& arguments);
// At least digits upper-case hexadecimal digits, as "%.3x" shows them in the log.
QString hex(unsigned value, int digits);

} // namespace LogText
