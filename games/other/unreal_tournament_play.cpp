#include "games/other/other_play.h"
#include "games/other/unreal_tournament_files.h"
#include "games/play_support.h"
#include "launcher/base/functions.h"
#include "launcher/base/messages.h"
#include "launcher/base/setting_names.h"
#include "launcher/base/settings.h"
#include "launcher/base/texts.h"

namespace kalv {

namespace {

// Only exactly "1" is on: " 1", "true" or "-1" are off.
UTPlayback ReadPlayback(Program& program) {
  auto on = [&](const char* key, const char* fallback) {
    return ReadSetting(program, key, fallback) == "1";
  };
  return UTPlayback{on(setting::kUTNoFrameCap, "0"), on(setting::kUTTimeBased, "1"),
                    on(setting::kUTThirdPerson, "0")};
}

}  // namespace

DemoRun CurrentUTRun(Program& program) {
  DemoRun run;
  run.dir = program.utDir;
  run.installDir = program.platform.system.ProgramDirectory();
  run.ownDemo = IsOwnDemo(program, run.dir + ut::kFixedDemo);
  return run;
}

void PlayUTDemo(Program& program) {
  const std::string& dir = program.utDir;
  if (dir.empty() || !FileExists(program, dir + ut::kBotPack)) {
    ReportMissingDirectory(program, name::kUT);
    program.End();
  }
  EndUnlessDemoExists(program);
  const DemoRun run = CurrentUTRun(program);
  BeginRun(program, game::kUT, UndoUT(run));
  PlayHandled(
      program, name::kUT,
      [&] {
        PrepareWithDemo(program, PrepareUT(run), dir + ut::kFixedDemo, run.ownDemo);
        const UTPlayback playback = ReadPlayback(program);
        PauseBeforeGame(program);
        RunGameAndWait(program, dir + ut::kExecutable, UTCommandLine(dir, playback), game::kUT);
      },
      [&] { UndoRun(program, game::kUT, UndoUT(run)); });
  RestoreUT(program);
}

void RestoreUT(Program& program) {
  UndoRun(program, game::kUT, UndoUT(CurrentUTRun(program)));
  program.End();
}

}  // namespace kalv
