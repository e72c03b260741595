// Everything a program needs from Windows, handed to the portable code as one value.
#pragma once

#include "platform/dialogs.h"
#include "platform/failure.h"
#include "platform/files.h"
#include "platform/processes.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/windows.h"

namespace kalv {

struct Platform {
  Files& files;
  Registry& registry;
  Profile& profile;
  Processes& processes;
  Dialogs& dialogs;
  System& system;
  WindowFactory& windows;
};

}  // namespace kalv
