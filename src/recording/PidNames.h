// What the program knows of a PID: a name and the unit of TFordData::ConvertValue's value,
// for column headings. Most PIDs have neither.
#pragma once

#include <QString>
#include <cstdint>

namespace PidNames {

// "engine speed", or empty when the PID has no known name.
QString name(uint8_t pid);
// "rpm", or empty when the value has no unit (bits, counts as they come).
QString unit(uint8_t pid);

} // namespace PidNames
