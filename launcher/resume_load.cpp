#include "launcher/resume_load.h"

#include <cstdint>

#include "core/process_wait.h"
#include "launcher/base/localized.h"
#include "launcher/game_windows.h"
#include "ui/text_ids.h"

namespace kalv {

// The main window is made while the welcome shows, hidden, so that it opens at the end of
// the pause rather than after it; what it shows of the games is found then too.
void ResumeLoad(Program& program) {
  ui::SplashWindow& splash = program.frmSplash;
  if (splash.created()) {
    if (const auto welcome = Localized(program, ids::kWelcome))
      splash.lblStatus1.SetCaption(*welcome);
    splash.lblStatus1.Refresh();
  }
  Processes& processes = program.platform.processes;
  const std::uint64_t welcomed = processes.Milliseconds();
  DetectGames(program);
  SelectQ1Executable(program);
  ui::ComboBox& releases = program.frmDemPla.comQ3;
  releases.Select(releases.Count() - 1);
  program.frmDemPla.MakeNow();
  FinishPause(processes, welcomed, kWelcomeMilliseconds);
  program.frmDemPla.Show();
  if (splash.created()) splash.window.Hide();
}

}  // namespace kalv
