#include "games/other/other_play.h"
#include "games/other/quake2_files.h"
#include "games/play_support.h"
#include "launcher/base/functions.h"
#include "launcher/base/messages.h"
#include "launcher/base/texts.h"

namespace kalv {

namespace {

// Said when the companion could not be put in place or started: the run is undone.
std::string CompanionFailure(const std::string& companion, const Failure& failure) {
  return std::string(q2text::kCompanionFailed) + companion + " (" + std::to_string(failure.number) +
         " " + failure.description + q2text::kCompanionAdvice;
}

}  // namespace

// The companion starts Quake 2, waits for it and cleans up; the player ends at once. A
// companion that cannot be copied or started would leave the folder prepared with
// nobody to clean it, so the preparation is undone and the user is told.
void PlayQ2Demo(Program& program) {
  const std::string& dir = program.q2Dir;
  if (dir.empty() || !FileExists(program, dir + q2::kPak0)) {
    ReportMissingDirectory(program, name::kQ2);
    program.End();
  }
  EndUnlessDemoExists(program);
  const std::string installDir = program.platform.system.ProgramDirectory();
  const bool ownDemo = IsOwnDemo(program, dir + q2::kFixedDemo);
  Files& files = program.platform.files;
  const std::string companion = dir + q2::kCompanion;
  BeginRun(program, game::kQ2, q2::Undo(dir, ownDemo));
  auto undo = [&] { UndoRun(program, game::kQ2, q2::Undo(dir, ownDemo)); };
  PlayHandled(
      program, name::kQ2,
      [&] {
        std::optional<Failure> failed;
        for (const FileStep& step : q2::Prepare(dir, installDir)) {
          const Status done = Apply(files, step);
          if (!done && step.path == companion && step.kind == FileStep::Kind::Copy)
            failed = done.failure();
        }
        if (!ownDemo) CopyFileWithProgress(program, program.demoPath, dir + q2::kFixedDemo);
        PauseBeforeGame(program);
        if (!failed) {
          std::string parameters = q2::kCompanionSwitch;
          if (ownDemo) parameters += std::string(" ") + q2::kKeepDemoSwitch;
          const Status opened = program.platform.processes.ShellOpen(companion, parameters, dir,
                                                                     ShowMode::NormalFocus);
          if (opened) program.End();
          failed = opened.failure();
        }
        undo();
        ReportFailure(program, CompanionFailure(companion, *failed));
        program.End();
      },
      undo);
  program.End();
}

}  // namespace kalv
