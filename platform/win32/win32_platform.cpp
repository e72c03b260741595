#include "platform/win32/win32_platform.h"

#include "platform/win32/windows_api.h"
#include <commctrl.h>

namespace kalv::win32 {

Win32Platform::Win32Platform()
    : platform_{files, registry, profile, processes, dialogs, system, windows} {}

// SEM_FAILCRITICALERRORS: looking for the game CD on an empty drive must fail quietly
// instead of asking the user to insert a disk.
void PrepareProcess() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);
}

}  // namespace kalv::win32
