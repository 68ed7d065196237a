#include "SystemError.h"

#include "Texts.h"

#include <cerrno>

QString systemErrorText(int code)
{
    switch (code) {
    case ENOSPC:
        return Texts::text(Texts::SystemErrorNoSpace);
    case EDQUOT:
        return Texts::text(Texts::SystemErrorQuota);
    case EFBIG:
        return Texts::text(Texts::SystemErrorTooLarge);
    case EROFS:
        return Texts::text(Texts::SystemErrorReadOnly);
    case EACCES:
    case EPERM:
        return Texts::text(Texts::SystemErrorAccess);
    case ENOENT:
    case ENOTDIR:
        return Texts::text(Texts::SystemErrorNoFolder);
    case EIO:
        return Texts::text(Texts::SystemErrorIo);
    default:
        return Texts::text(Texts::SystemErrorOther).arg(code);
    }
}
