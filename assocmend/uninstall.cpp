#include "assocmend/uninstall.h"

#include <algorithm>

#include "assocmend/associations.h"
#include "assocmend/texts.h"

namespace kalv::assocmend {

namespace {
void ReportAndEnd(Platform& platform, const std::string& message) {
  platform.dialogs.MessageBox(message, text::kTitle, Icon::Critical, Buttons::Ok);
  platform.system.EndProgram(1);
}

// Starts an uninstaller and ends; a start that fails is reported first.
void HandOver(Platform& platform, const std::string& uninstaller, const std::string& commandLine) {
  auto started = platform.processes.Start(uninstaller, commandLine, ShowMode::NormalFocus);
  if (!started)
    return ReportAndEnd(platform, std::string(text::kUninstallerFailedBefore) + uninstaller +
                                      text::kUninstallerFailedAfter +
                                      started.failure().description);
  platform.system.EndProgram(0);
}
}  // namespace

// The newest log sorts last when logs are named by date or number; the listing's order is
// not relied on, so the choice holds whatever the directory returns.
std::optional<std::string> FindUninstallLog(Files& files, const std::string& ownDir) {
  auto names = files.List(ownDir, text::kUninstallLogPattern);
  if (!names || names.value().empty()) return std::nullopt;
  return *std::max_element(names.value().begin(), names.value().end(), LessNoCase);
}

std::string UninstallerPath(const std::string& windowsDir) {
  return windowsDir + text::kUninstaller;
}

// The uninstaller's own path stays unquoted; it is also passed to the start explicitly.
std::string UninstallCommandLine(const std::string& windowsDir, const std::string& ownDir,
                                 const std::string& logName) {
  return UninstallerPath(windowsDir) + " -f\"" + ownDir + "\\" + logName + "\" -c\"" + ownDir +
         text::kRegistryHelper + "\"";
}

// The setup package's uninstaller in the Windows directory keeps precedence, and for it
// the associations go first, so they are gone even when it cannot follow. Without it, the
// product's own uninstaller beside the updater does the work: it needs no log, and it
// removes the associations itself once it has made sure no demo run is still pending.
void FullUninstall(Platform& platform) {
  const std::string windowsDir = platform.system.WindowsDirectory().value_or("");
  const std::string ownDir = platform.system.ProgramDirectory();
  const std::string uninstaller = UninstallerPath(windowsDir);
  const bool packageUninstaller = platform.files.CanOpenForRead(uninstaller).ok();
  const std::string own = ownDir + text::kOwnUninstaller;
  if (!packageUninstaller && platform.files.CanOpenForRead(own).ok())
    return HandOver(platform, own, "\"" + own + "\"");

  RemoveAssociations(platform.registry);
  platform.system.NotifyAssociationsChanged();

  const auto log = FindUninstallLog(platform.files, ownDir);
  if (!log) return ReportAndEnd(platform, text::kLogNotFound);
  if (!packageUninstaller)
    return ReportAndEnd(platform, std::string(text::kUninstallerMissingBefore) + uninstaller +
                                      text::kUninstallerMissingAfter);
  HandOver(platform, uninstaller, UninstallCommandLine(windowsDir, ownDir, *log));
}

}  // namespace kalv::assocmend
