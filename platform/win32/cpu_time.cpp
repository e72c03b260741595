#include "platform/win32/cpu_time.h"

#include "platform/win32/windows_api.h"

namespace kalv::win32 {

namespace {
double Seconds(const FILETIME& t) {
  ULARGE_INTEGER v;
  v.LowPart = t.dwLowDateTime;
  v.HighPart = t.dwHighDateTime;
  return static_cast<double>(v.QuadPart) / 1e7;  // 100-ns units
}
}  // namespace

double ProcessCpuSeconds() {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return -1.0;
  return Seconds(kernel) + Seconds(user);
}

}  // namespace kalv::win32
