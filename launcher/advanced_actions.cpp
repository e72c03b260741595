#include "launcher/advanced_actions.h"

#include <string>

#include "launcher/constants.h"
#include "launcher/functions.h"

namespace kalv {

namespace {

constexpr int kUpdaterMissingRow = 227;  // + language
const char* const kUpdaterName = "\\Assocmend.exe";

struct Action {
  const char* switchText;  // the updater's command-line switch
  int confirmRow;
  int doneRow;             // 0: the program ends instead
};

constexpr Action kReinitialize{"/i", 212, 215};
constexpr Action kRemove{"/u", 218, 221};
constexpr Action kUninstall{"/fu", 224, 0};

bool KnownLanguage(int language) { return language >= 0 && language <= 2; }

void ShowUpdaterMissing(Program& program) {
  const int language = program.Language();
  if (!KnownLanguage(language)) return;
  program.platform.dialogs.MessageBox(LoadText(program, kUpdaterMissingRow + language),
                                      kProgramTitle, Icon::Critical, Buttons::Ok);
}

// Nothing is started without a Yes, also when no confirmation can be shown in an unknown
// language. An updater that fails to start is reported as missing rather than followed
// by a success message.
void Run(Program& program, const Action& action) {
  const std::string updater = program.platform.system.ProgramDirectory() + kUpdaterName;
  if (!FileExists(program, updater)) return ShowUpdaterMissing(program);
  const int language = program.Language();
  if (!KnownLanguage(language)) return;
  Dialogs& dialogs = program.platform.dialogs;
  if (dialogs.MessageBox(LoadText(program, action.confirmRow + language), kProgramTitle,
                         Icon::Information, Buttons::YesNo) != Answer::Yes)
    return;
  auto started = program.platform.processes.Start(
      updater, updater + " " + action.switchText, ShowMode::NormalFocus);
  if (!started) return ShowUpdaterMissing(program);
  if (action.doneRow == 0) program.platform.system.EndProgram();
  dialogs.MessageBox(LoadText(program, action.doneRow + language), kProgramTitle,
                     Icon::Information, Buttons::Ok);
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
