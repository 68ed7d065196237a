// The reason of a failed file operation in the program's language, from the system's
// error code (errno): the system's own text is English.
#pragma once

#include <QString>

QString systemErrorText(int code);
