// The whole Windows backend, handed to the portable code as one Platform.
#pragma once

#include "platform/platform.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_windows.h"

namespace kalv::win32 {

class Win32Platform {
 public:
  Win32Platform();
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  Platform& platform() { return platform_; }

  Win32Files files;
  Win32Registry registry;
  Win32Profile profile;
  Win32Processes processes;
  Win32Dialogs dialogs;
  Win32System system;
  Win32WindowFactory windows;

 private:
  Platform platform_;
};

// What every program needs before its first window: the common controls, COM for the
// shell's folder dialog, and no system error boxes for empty drives.
void PrepareProcess();

}  // namespace kalv::win32
