#include "AnsiCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString fromAnsi(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1251");
    return decoder(bytes);
}

QByteArray toAnsi(const QString& text)
{
    QStringEncoder encoder("windows-1251");
    return encoder(text);
}
