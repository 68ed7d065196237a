// Fuzz target: codes.txt of any bytes is loaded into the fault code dictionary and every
// code's description is read back in both languages.
#include "FuzzSupport.h"
#include "common/Errors.h"
#include "vehicles/FaultCodes.h"

#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString path = fuzz::scratchPath(QStringLiteral("codes.txt"));
    if (!fuzz::writeScratch(path, data, size))
        return 0;
    auto codes = std::make_unique<FaultCodeDictionary>();
    try {
        codes->load(path);
    } catch (const VeskorError&) {
        return 0;
    }
    for (int code = 0; code <= FaultCodeDictionary::MaxCode + 1; ++code) {
        faultCodeDescription((*codes)[code], true);
        faultCodeDescription((*codes)[code], false);
    }
    return 0;
}
