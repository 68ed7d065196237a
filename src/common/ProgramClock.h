// The program clock: milliseconds since program start as an unsigned 32-bit number.
// History times of the data store and the trend chart's window use it.
#pragma once

#include <cstdint>

namespace ProgramClock {
uint32_t now();
}
