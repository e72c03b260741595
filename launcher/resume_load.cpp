#include "launcher/resume_load.h"

#include "games/other/quake1/quake1.h"
#include "launcher/base/functions.h"
#include "launcher/base/games.h"
#include "ui/text_ids.h"

namespace kalv {

void ResumeLoad(Program& program) {
  for (const Game& game : *program.games) game.detect(program);
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
