#include "platform/win32/testtools/wall_clock.h"

namespace kalv::testtools {

unsigned long long Ticks(const FILETIME& t) {
  return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

std::string WallMicroseconds() {
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  constexpr unsigned long long kUnixEpoch = 116444736000000000ull;
  return std::to_string((Ticks(now) - kUnixEpoch) / 10);
}

}  // namespace kalv::testtools
