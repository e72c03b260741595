#include "launcher/main_window_actions.h"

#include <optional>
#include <string>

#include "games/quake3/conversion.h"
#include "games/quake3/quake3_play.h"
#include "games/quake3/release_store.h"
#include "launcher/base/texts.h"
#include "launcher/base/functions.h"
#include "launcher/options_actions.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

void OpenOptions(Program& program) {
  OptionsLoad(program);
  program.frmOptions.Show();
  program.frmDemPla.SetEnabled(false);
}

void OpenAbout(Program& program) {
  if (const auto version = Localized(program, ids::kAboutVersion))
    program.frmAbout.lblVersion.SetCaption(*version);
  program.frmAbout.Show();
  program.frmDemPla.SetEnabled(false);
}

}  // namespace

void LoadMainWindow(Program& program) {
  ui::frmDemPla& main = program.frmDemPla;
  auto releases = ReadReleases(program);
  if (!releases) {
    program.exitCode = 1;
    if (const auto text = Localized(program, ids::kMissingFiles))
      program.platform.dialogs.MessageBox(*text, kProgramTitle, Icon::Critical, Buttons::Ok);
    program.End();
  }
  program.offeredReleases.clear();
  for (const Release& r : releases.value()) {
    if (r.version == release::kMissing) continue;
    program.offeredReleases.push_back(r);
    main.comQ3.Add(release::kListPrefix + r.version);
  }
}

void WireMainWindow(Program& program) {
  ui::frmDemPla& main = program.frmDemPla;
  Program* p = &program;
  main.cmdConvert.click = [p] { ConvertToSelected(*p); };
  main.cmdQuake3Arena.click = [p] { LaunchQuake3(*p); };
  main.cmdOptions.click = [p] { OpenOptions(*p); };
  main.cmdAbout.click = [p] { OpenAbout(*p); };
  main.cmdClose.click = [p] { p->End(); };
  main.close = [p] { p->End(); };
}

}  // namespace kalv
