#include "launcher/main_window_actions.h"

#include <optional>
#include <string>

#include "games/quake3/cd_search.h"
#include "games/quake3/conversion.h"
#include "games/quake3/quake3_files.h"
#include "games/quake3/quake3_texts.h"
#include "games/quake3/release_store.h"
#include "launcher/base/localized.h"
#include "launcher/base/messages.h"
#include "launcher/base/texts.h"
#include "launcher/cd_prompt.h"
#include "launcher/demo_library.h"
#include "launcher/game_windows.h"
#include "launcher/options_actions.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

void Inform(Program& program, const std::string& text) {
  program.platform.dialogs.MessageBox(text, kProgramTitle, Icon::Information, Buttons::Ok);
}

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

// The release the list's selection names; "" for none.
std::string ChosenVersion(Program& program) {
  const int selected = program.frmDemPla.comQ3.Selected();
  if (selected < 0 || static_cast<std::size_t>(selected) >= program.offeredReleases.size())
    return "";
  return program.offeredReleases[static_cast<std::size_t>(selected)].version;
}

}  // namespace

// An installed executable the store lacks is offered first, so that the installation can
// be switched back to it later; the result is reported, and the status line follows.
void ConvertToSelected(Program& program) {
  const std::string version = ChosenVersion(program);
  if (version.empty()) {
    if (const auto text = Localized(program, ids::kSelectVersion)) Inform(program, *text);
    return;
  }
  const Install install = program.install();
  const std::string& dir = program.choices.dir(GameCode::Q3A);
  if (const auto offer = StoreOfferFor(install, dir); offer && AskNotice(program, offer->question))
    if (const auto failed = MakeStoreCopy(install, *offer)) ShowNotice(program, *failed, false);
  const SwitchResult result = SwitchRelease(install, dir, version, false);
  if (result.outcome != SwitchResult::Switched) {
    ShowNotice(program, SwitchNotice(result), false);
    return;
  }
  if (result.newest) {
    if (const auto text = Localized(program, ids::kConvertedToLatest))
      Inform(program, *text + " (v" + result.shown + ").");
  } else if (const auto text = Localized(program, ids::kConvertedTo)) {
    Inform(program, *text + " v" + result.shown + ".");
  }
  DetectGame(program, GameCode::Q3A);
}

// The release is not changed and nothing is restored: the game runs on its own. On a
// minimum installation the CD is asked for first, and Cancel returns to the main window.
void LaunchQuake3(Program& program) {
  ui::frmDemPla& main = program.frmDemPla;
  main.SetEnabled(false);
  const std::string& dir = program.choices.dir(GameCode::Q3A);
  std::string cdDrive;
  if (!program.install().Has(dir + q3a::kPak0)) {
    const auto cd =
        AskForCd(program, CdNeed{&FindQuake3Cd, q3text::kInsertCd, q3text::kCdCheckTitle});
    if (!cd) {
      main.SetEnabled(true);
      main.Show();
      return;
    }
    cdDrive = *cd;
  }
  auto started = program.platform.processes.Start(
      dir + q3a::kExecutable, Q3ALaunchCommandLine(dir, cdDrive), ShowMode::MinimizedFocus, dir);
  if (!started) ReportError(program, started.failure());
  program.End();
}

void LoadMainWindow(Program& program) {
  ui::frmDemPla& main = program.frmDemPla;
  auto releases = ReadReleases(program.install());
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
  main.cmdDemos.click = [p] { OpenDemoLibrary(*p, "", true); };
  main.cmdClose.click = [p] { p->End(); };
  main.close = [p] { p->End(); };
}

}  // namespace kalv
