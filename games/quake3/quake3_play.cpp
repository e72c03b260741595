#include "games/quake3/quake3_play.h"

#include "launcher/base/cd_search.h"
#include "launcher/base/functions.h"
#include "launcher/base/messages.h"
#include "launcher/base/texts.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

bool CdPresent(Program& program) {
  return FileExists(program, program.cdDrive + q3a::kCdExecutable);
}

// Asks for the Quake 3 CD until it is found (true) or the user cancels (false). Without a
// language the prompt cannot be shown, which counts as Cancel: asking forever is no answer.
bool FindCd(Program& program) {
  for (;;) {
    CDRomCheck(program);
    if (CdPresent(program)) return true;
    const auto text = Localized(program, ids::kInsertCd);
    if (!text || program.platform.dialogs.MessageBox(*text, kCdCheckTitle, Icon::Information,
                                                     Buttons::RetryCancel) != Answer::Retry)
      return false;
    if (CdPresent(program)) return true;
  }
}

}  // namespace

std::optional<std::string> FindQuake3Cd(Program& program) {
  if (!FindCd(program)) return std::nullopt;
  return program.cdDrive;
}

// The release is not changed and nothing is restored: the game runs on its own.
void LaunchQuake3(Program& program) {
  ui::frmDemPla& main = program.frmDemPla;
  main.SetEnabled(false);
  const std::string& dir = program.choices.dir(GameCode::Q3A);
  std::string cdDrive;
  if (!FileExists(program, dir + q3a::kPak0)) {
    if (!FindCd(program)) {
      main.SetEnabled(true);
      main.Show();
      return;
    }
    cdDrive = program.cdDrive;
  }
  auto started = program.platform.processes.Start(
      dir + q3a::kExecutable, Q3ALaunchCommandLine(dir, cdDrive), ShowMode::MinimizedFocus, dir);
  if (!started) ReportError(program, started.failure());
  program.End();
}

}  // namespace kalv
