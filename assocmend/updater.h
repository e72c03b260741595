// One run of the updater: the start-up check and the switch.
#pragma once

#include <string>

#include "platform/platform.h"

namespace kalv::assocmend {

enum class Action {
  Install,
  InstallConfirm,
  Uninstall,
  FullUninstall,
  FullUninstallConfirm,
  Usage
};

// The action of a whole command line.
Action ParseCommandLine(const std::string& commandLine);
std::string UsageMessage();

// Checks, dispatches and ends the program.
void Run(Platform& platform);

}  // namespace kalv::assocmend
