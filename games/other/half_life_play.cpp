#include "games/other/half_life_files.h"
#include "games/other/other_play.h"
#include "games/play_support.h"
#include "launcher/base/functions.h"
#include "launcher/base/messages.h"
#include "launcher/base/texts.h"

namespace kalv {

DemoRun CurrentHLRun(Program& program) {
  DemoRun run;
  run.dir = program.hlDir;
  run.installDir = program.platform.system.ProgramDirectory();
  run.ownDemo = IsOwnDemo(program, run.dir + hl::kFixedDemo);
  return run;
}

// A retail Counter-Strike installation has cstrike.exe and no hl.exe. Which one starts is
// asked of the path box, which start-up filled with the same directory.
void PlayHLDemo(Program& program) {
  const std::string& dir = program.hlDir;
  if (dir.empty() || (!FileExists(program, dir + hl::kExecutable) &&
                      !FileExists(program, dir + hl::kCounterStrike))) {
    ReportMissingDirectory(program, name::kHL);
    program.End();
  }
  EndUnlessDemoExists(program);
  const DemoRun run = CurrentHLRun(program);
  BeginRun(program, game::kHL, UndoHL(run));
  PlayHandled(
      program, name::kHL,
      [&] {
        PrepareWithDemo(program, PrepareHL(run), dir + hl::kFixedDemo, run.ownDemo);
        PauseBeforeGame(program);
        const char* executable =
            FileExists(program, program.frmOptions.txtHLPath.Text() + hl::kExecutable)
                ? hl::kExecutable
                : hl::kCounterStrike;
        RunGameAndWait(program, dir + executable, HLCommandLine(dir, executable), game::kHL);
      },
      [&] { UndoRun(program, game::kHL, UndoHL(run)); });
  RestoreHL(program);
}

void RestoreHL(Program& program) {
  UndoRun(program, game::kHL, UndoHL(CurrentHLRun(program)));
  program.End();
}

}  // namespace kalv
