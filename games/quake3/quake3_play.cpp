#include "games/quake3/quake3_play.h"

#include "games/play_support.h"
#include "games/quake3/conversion.h"
#include "games/quake3/release_store.h"
#include "launcher/base/cd_search.h"
#include "launcher/base/functions.h"
#include "launcher/base/messages.h"
#include "launcher/base/setting_names.h"
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

DemoRun CurrentQ3ARun(Program& program) {
  DemoRun run;
  run.dir = program.q3aDir;
  run.installDir = program.platform.system.ProgramDirectory();
  run.demoExt = program.demoRelease.demoExt;
  const ModChoice mod =
      ReadModChoice(program, setting::kModification, setting::kModificationOption);
  run.mod = mod.dir;
  run.useMod = mod.use;
  run.ownDemo = IsOwnDemo(program, Q3AFixedDemo(run));
  return run;
}

// A minimum installation copies the demo plainly (its demos folder is not made) and asks
// for the CD. A failure after the switch is reported and undone like the end of a game.
void PlayQ3ADemo(Program& program) {
  if (program.q3aDir.empty()) {
    ReportMissingDirectory(program, name::kQ3A);
    program.End();
  }
  EndUnlessDemoExists(program);
  const DemoRun run = CurrentQ3ARun(program);
  const bool full = FileExists(program, run.dir + q3a::kPak0);
  BeginRun(program, game::kQ3A, UndoQ3A(run), run.dir);
  if (!Conversion(program, true, program.demoRelease.file)) {
    UndoRun(program, game::kQ3A, {});
    program.exitCode = 1;
    program.End();
  }
  PlayHandled(
      program, name::kQ3A,
      [&] {
        std::string cdDrive;
        if (full) {
          PrepareWithDemo(program, PrepareQ3A(run, true), Q3AFixedDemo(run), run.ownDemo);
        } else {
          ApplyEach(program.platform.files, PrepareQ3A(run, false));
          if (!run.ownDemo)
            OrRaise(program.platform.files.Copy(program.demoPath, Q3AFixedDemo(run)));
          if (!FindCd(program)) RestoreQ3A(program);
          cdDrive = program.cdDrive;
        }
        if (run.useMod)
          Skip(program.platform.files.SetAttributes(run.dir + "\\" + run.mod + q3a::kModConfig,
                                                    attr::kReadOnly));
        PauseBeforeGame(program);
        RunGameAndWait(program, run.dir + q3a::kExecutable, Q3ADemoCommandLine(run, cdDrive),
                       game::kQ3A);
      },
      [&] { UndoQ3ARun(program); });
  RestoreQ3A(program);
}

void UndoQ3ARun(Program& program) {
  ui::ComboBox& releases = program.frmDemPla.comQ3;
  releases.Select(releases.Count() - 1);
  const auto newest = NewestRelease(program);
  const bool switched = newest && Conversion(program, true, newest->file);
  UndoRun(program, game::kQ3A, UndoQ3A(CurrentQ3ARun(program)), switched);
}

void RestoreQ3A(Program& program) {
  UndoQ3ARun(program);
  program.End();
}

// The release is not changed and nothing is restored: the game runs on its own.
void LaunchQuake3(Program& program) {
  ui::frmDemPla& main = program.frmDemPla;
  main.SetEnabled(false);
  const std::string& dir = program.q3aDir;
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
