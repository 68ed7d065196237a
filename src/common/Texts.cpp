#include "common/Texts.h"

#include <QCoreApplication>

namespace Texts {

QString text(const char* utf8)
{
    // Without a translator (the Russian window) translate() gives the text as it stands.
    return QCoreApplication::translate(Context, utf8);
}

} // namespace Texts
