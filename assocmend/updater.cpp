#include "assocmend/updater.h"

#include "assocmend/associations.h"
#include "assocmend/texts.h"
#include "assocmend/uninstall.h"
#include "platform/files.h"

namespace kalv::assocmend {

namespace {

void Message(Platform& platform, const std::string& message, Icon icon) {
  platform.dialogs.MessageBox(message, text::kTitle, icon, Buttons::Ok);
}

// Rewriting starts from nothing, so a moved install directory replaces the old paths.
WriteOutcome Reinstall(Platform& platform) {
  RemoveAssociations(platform.registry);
  const WriteOutcome outcome =
      WriteAssociations(platform.registry, platform.system.ProgramDirectory());
  platform.system.NotifyAssociationsChanged();
  return outcome;
}

}  // namespace

// Exact comparison with nothing trimmed: "/i " or two switches are not a switch.
Action ParseCommandLine(const std::string& commandLine) {
  const std::string lower = AsciiLower(commandLine);
  if (lower == text::kSwitchInstall) return Action::Install;
  if (lower == text::kSwitchInstallConfirm) return Action::InstallConfirm;
  if (lower == text::kSwitchUninstall) return Action::Uninstall;
  if (lower == text::kSwitchFullUninstall) return Action::FullUninstall;
  if (lower == text::kSwitchFullUninstallConfirm) return Action::FullUninstallConfirm;
  return Action::Usage;
}

std::string UsageMessage() {
  std::string message;
  for (const char* line : text::kUsageLines) {
    if (!message.empty()) message += "\r\n";
    message += line;
  }
  return message;
}

// The check for the main program comes first: associations must never point at a
// directory that does not hold it.
void Run(Platform& platform) {
  const std::string ownDir = platform.system.ProgramDirectory();
  if (!platform.files.CanOpenForRead(ownDir + text::kMainProgram).ok()) {
    Message(platform, text::kNotInInstallDirectory, Icon::Critical);
    return platform.system.EndProgram(1);
  }

  int exitCode = 0;
  switch (ParseCommandLine(platform.system.CommandLine())) {
    // Silent, for the setup program: its exit code says whether the writes failed (a
    // per-user fallback that worked is a success).
    case Action::Install:
      if (Reinstall(platform) == WriteOutcome::Failed) exitCode = 1;
      break;
    case Action::InstallConfirm:
      if (Reinstall(platform) == WriteOutcome::Failed) {
        Message(platform, text::kWriteFailed, Icon::Critical);
        exitCode = 1;
      } else {
        Message(platform, text::kUpdateComplete, Icon::Information);
      }
      break;
    case Action::Uninstall:
      RemoveAssociations(platform.registry);
      platform.system.NotifyAssociationsChanged();
      break;
    case Action::FullUninstall: return FullUninstall(platform);
    case Action::FullUninstallConfirm:
      if (platform.dialogs.MessageBox(text::kConfirmUninstall, text::kTitle, Icon::Information,
                                      Buttons::YesNo) == Answer::Yes)
        FullUninstall(platform);
      break;
    case Action::Usage:
      Message(platform, UsageMessage(), Icon::Critical);
      exitCode = 1;
      break;
  }
  platform.system.EndProgram(exitCode);
}

}  // namespace kalv::assocmend
