// The full uninstall: hand over to the setup package's uninstaller, or to the
// product's own one beside the updater.
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

// Removes the associations, starts the uninstaller ("uninst.exe" in the Windows
// directory with the log, else "Uninstall.exe" in ownDir) and ends the program; every
// failure is reported before the end.
void FullUninstall(Platform& platform);

}  // namespace kalv::assocmend
