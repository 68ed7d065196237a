#include "SimConfig.h"

#include <cctype>

bool SimConfig::validCalibration(const QByteArray& code)
{
    if (code.size() != 4)
        return false;
    for (char c : code)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}
