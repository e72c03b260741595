// Windows error codes as the classic run-time failures the programs report.
#pragma once

#include "platform/failure.h"

namespace kalv::win32 {

// The classic number for a Windows error code (75 for any code without its own).
int ClassicNumber(unsigned long windowsError);
Failure FailureFromError(unsigned long windowsError);
// The failure for GetLastError() of the call that just failed.
Failure LastFailure();

}  // namespace kalv::win32
