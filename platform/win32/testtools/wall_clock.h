// The wall clock the test tools stamp their logs with.
#pragma once

#include <windows.h>

#include <string>

namespace kalv::testtools {

// A FILETIME in its 100-ns units.
unsigned long long Ticks(const FILETIME& t);

// Wall-clock microseconds since 1970, the clock a Linux shell reads as $EPOCHREALTIME, so a
// benchmark can set a tool's stamps against its own readings.
std::string WallMicroseconds();

}  // namespace kalv::testtools
