#include "launcher/resume_load.h"

#include "launcher/base/localized.h"
#include "launcher/game_windows.h"
#include "ui/text_ids.h"

namespace kalv {

void ResumeLoad(Program& program) {
  DetectGames(program);
  SelectQ1Executable(program);
  ui::SplashWindow& splash = program.frmSplash;
  if (splash.created()) {
    if (const auto welcome = Localized(program, ids::kWelcome))
      splash.lblStatus1.SetCaption(*welcome);
    splash.lblStatus1.Refresh();
  }
  program.platform.processes.Sleep(kWelcomeMilliseconds);
  ui::ComboBox& releases = program.frmDemPla.comQ3;
  releases.Select(releases.Count() - 1);
  program.frmDemPla.Show();
  if (splash.created()) splash.window.Hide();
}

}  // namespace kalv
