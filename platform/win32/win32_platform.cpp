#include "platform/win32/win32_platform.h"

#include "platform/win32/progress_bar.h"
#include "platform/win32/windows_api.h"

namespace kalv::win32 {

Win32Platform::Win32Platform()
    : platform_{files, registry, profile, processes, dialogs, system, windows} {}

// SEM_FAILCRITICALERRORS: looking for the game CD on an empty drive must fail quietly
// instead of asking the user to insert a disk.
void PrepareProcess() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  RegisterProgressBar();
}

}  // namespace kalv::win32
