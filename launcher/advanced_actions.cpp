#include "launcher/advanced_actions.h"

#include <cstdint>
#include <optional>
#include <string>

#include "core/contracts.h"
#include "launcher/base/localized.h"
#include "launcher/base/messages.h"
#include "core/process_wait.h"
#include "launcher/base/texts.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

struct Action {
  const char* switchText;  // the updater's command-line switch
  int confirmRow;
  int doneRow;  // 0: the program ends instead
};

constexpr Action kReinitialize{contract::kUpdaterInstall, ids::kConfirmReinitialize,
                               ids::kReinitialized};
constexpr Action kRemove{contract::kUpdaterRemove, ids::kConfirmRemove, ids::kRemoved};
constexpr Action kUninstall{contract::kUpdaterFullUninstall, ids::kConfirmUninstall, 0};

void ShowUpdaterMissing(Program& program) {
  if (const auto text = Localized(program, ids::kUpdaterMissing))
    program.platform.dialogs.MessageBox(*text, kProgramTitle, Icon::Critical, Buttons::Ok);
}

// Nothing is started without a Yes, also when no confirmation can be shown in an unknown
// language. An updater that fails to start is reported as missing rather than followed
// by a success message.
void Run(Program& program, const Action& action) {
  const std::string updater = program.platform.system.ProgramDirectory() + kUpdaterFile;
  if (!program.platform.files.CanOpenForRead(updater)) return ShowUpdaterMissing(program);
  const auto confirm = Localized(program, action.confirmRow);
  if (!confirm) return;
  Dialogs& dialogs = program.platform.dialogs;
  if (dialogs.MessageBox(*confirm, kProgramTitle, Icon::Information, Buttons::YesNo) != Answer::Yes)
    return;
  // Quoted, so that an updater below "C:\Program Files" receives only its switch.
  auto started = program.platform.processes.Start(
      updater, "\"" + updater + "\" " + action.switchText, ShowMode::NormalFocus);
  if (!started) return ShowUpdaterMissing(program);
  if (action.doneRow == 0) program.End();
  // The window stays answered while the updater works, but takes no second click.
  program.frmAdvanced.SetEnabled(false);
  Processes& processes = program.platform.processes;
  const bool ended = WaitForProcessEnd(processes, *started.value(), contract::kGamePollMilliseconds,
                                       kUpdaterWaitMilliseconds);
  std::optional<std::uint32_t> code;
  if (ended)
    if (auto read = started.value()->ExitCode()) code = read.value();
  program.frmAdvanced.SetEnabled(true);
  if (code == 0u) {
    dialogs.MessageBox(*Localized(program, action.doneRow), kProgramTitle, Icon::Information,
                       Buttons::Ok);
    return;
  }
  if (!ended)
    ReportFailure(program, ids::kUpdaterNoAnswer);
  else
    ReportFailure(program, ids::kUpdaterEndedWith, {std::to_string(code.value_or(kStillActive))});
}

void BackToOptions(Program& program) {
  program.frmOptions.SetEnabled(true);
  program.frmOptions.Show();
  program.frmAdvanced.Hide();
}

}  // namespace

void WireAdvancedWindow(Program& program) {
  ui::frmAdvanced& a = program.frmAdvanced;
  Program* p = &program;
  a.cmdRFA.click = [p] { Run(*p, kReinitialize); };
  a.cmdUFA.click = [p] { Run(*p, kRemove); };
  a.cmdUS.click = [p] { Run(*p, kUninstall); };
  a.cmdOk.click = [p] { BackToOptions(*p); };
  a.close = [p] { BackToOptions(*p); };
}

}  // namespace kalv
