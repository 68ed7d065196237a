#include "PidNames.h"

namespace PidNames {

namespace {

    struct Known {
        uint8_t Pid;
        const char* Name;
        const char* Unit;
    };

    // The PIDs the shipped dashboards read, with the units of their conversion. ASCII, so
    // that every plot tool and spreadsheet reads the headings as they stand.
    constexpr Known Table[] = {
        { 1, "engine speed", "rpm" },
        { 4, "ignition advance", "deg" },
        { 9, "throttle position", "counts" },
        { 12, "supply voltage", "V" },
        { 15, "coolant temperature", "degC" },
        { 16, "intake air temperature", "degC" },
        { 17, "injection time", "ms" },
        { 24, "road speed", "km/h" },
        { 42, "idle speed target", "rpm" },
        { 45, "status word 1", "" },
        { 46, "status word 2", "" },
        { 47, "status word 3", "" },
        { 55, "operating mode", "" },
        { 56, "lambda control", "" },
    };

    const Known* find(uint8_t pid)
    {
        for (const Known& k : Table)
            if (k.Pid == pid)
                return &k;
        return nullptr;
    }

} // namespace

QString name(uint8_t pid)
{
    const Known* k = find(pid);
    return k ? QString::fromLatin1(k->Name) : QString();
}

QString unit(uint8_t pid)
{
    const Known* k = find(pid);
    return k ? QString::fromLatin1(k->Unit) : QString();
}

} // namespace PidNames
