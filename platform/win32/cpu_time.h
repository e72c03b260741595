// The processor time this process has used so far (user plus kernel), for measurements.
// The header is portable so that measuring code need not include <windows.h>.
#pragma once

namespace kalv::win32 {

// Seconds of processor time used by the whole process; a negative value when unknown.
double ProcessCpuSeconds();

}  // namespace kalv::win32
