#include "launcher/resume_load.h"

#include "launcher/functions.h"

namespace kalv {

namespace {
constexpr int kWelcomeRow = 119;  // + language
}  // namespace

void ResumeLoad(Program& program) {
  SplashWindow& splash = program.frmSplash;
  const int language = program.Language();
  if (splash.created()) {
    if (language >= 0 && language <= 2)
      splash.lblStatus1.SetCaption(LoadText(program, kWelcomeRow + language));
    splash.lblStatus1.Refresh();
  }
  program.platform.processes.Sleep(kWelcomeMilliseconds);
  ui::ComboBox& releases = program.frmDemPla.comQ3;
  releases.Select(releases.Count() - 1);
  program.frmDemPla.Show();
  if (splash.created()) splash.window.Hide();
}

}  // namespace kalv
