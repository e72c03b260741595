// The full uninstall: hand over to the setup package's uninstaller.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"

namespace kalv::assocmend {

// The file name of the uninstall log in ownDir: the last "*.isu" in name order without
// regard to case; nothing when there is none.
std::optional<std::string> FindUninstallLog(Files& files, const std::string& ownDir);

std::string UninstallerPath(const std::string& windowsDir);
std::string UninstallCommandLine(const std::string& windowsDir, const std::string& ownDir,
                                 const std::string& logName);

// Removes the associations, starts the uninstaller and ends the program; every failure
// is reported before the end.
void FullUninstall(Platform& platform);

}  // namespace kalv::assocmend
