#include "games/other/other_play.h"
#include "games/other/quake1.h"
#include "games/other/quake1_files.h"
#include "games/play_support.h"
#include "launcher/base/functions.h"
#include "launcher/base/messages.h"
#include "launcher/base/texts.h"

namespace kalv {

DemoRun CurrentQ1Run(Program& program) {
  DemoRun run;
  run.dir = program.q1Dir;
  run.installDir = program.platform.system.ProgramDirectory();
  run.ownDemo = IsOwnDemo(program, run.dir + q1::kFixedDemo);
  return run;
}

// With no executable to choose the run ends silently, after the copies are undone.
void PlayQ1Demo(Program& program) {
  const std::string& dir = program.q1Dir;
  if (dir.empty() || !FileExists(program, dir + q1::kPak0)) {
    ReportMissingDirectory(program, name::kQ1);
    program.End();
  }
  EndUnlessDemoExists(program);
  const DemoRun run = CurrentQ1Run(program);
  BeginRun(program, game::kQ1, UndoQ1(run));
  PlayHandled(
      program, name::kQ1,
      [&] {
        PrepareWithDemo(program, PrepareQ1(run), dir + q1::kFixedDemo, run.ownDemo);
        PauseBeforeGame(program);
        const std::string executable = SelectQ1Executable(program);
        if (executable.empty()) {
          RestoreQ1(program);
          program.End();
        }
        Skip(program.platform.files.SetAttributes(dir + q1::kOwnConfig, attr::kReadOnly));
        RunGameAndWait(program, dir + "\\" + executable, Q1CommandLine(dir, executable), game::kQ1);
      },
      [&] { RestoreQ1(program); });
}

void RestoreQ1(Program& program) { UndoRun(program, game::kQ1, UndoQ1(CurrentQ1Run(program))); }

}  // namespace kalv
