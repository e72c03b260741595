#include "q2companion/companion.h"

#include <memory>

#include "games/other/quake2_files.h"
#include "platform/process_wait.h"
#include "platform/restore_journal.h"
#include "q2companion/texts.h"

namespace kalv::q2companion {

bool HasSwitch(const std::string& commandLine) {
  return commandLine.find(q2::kCompanionSwitch) != std::string::npos;
}

std::string GameExecutable(const std::string& ownDir) { return ownDir + q2::kGameExecutable; }

// The path stays unquoted on purpose: the game reads its arguments after the first
// "+", and the executable is handed to the start separately, so blanks do no harm.
std::string GameCommandLine(const std::string& ownDir) {
  return GameExecutable(ownDir) + text::kGameArguments;
}

// A game that cannot be started counts as ended; the wait still makes its one round,
// keeping the message queue serviced. The game is waited for through the handle its start
// gave.
void RunGameAndWait(Platform& platform, const std::string& ownDir, RestoreJournal& journal) {
  std::unique_ptr<ProcessWatch> watch;
  auto started = platform.processes.Start(GameExecutable(ownDir), GameCommandLine(ownDir),
                                          ShowMode::NormalFocus);
  if (started) {
    watch = std::move(started).value();
    Skip(journal.RecordProcess(watch->Id(), GameExecutable(ownDir)));
  }
  WaitForProcessEnd(platform.processes, watch.get(), kPollMilliseconds);
}

// The player's own Quake 2 rows, each step on its own: a file already gone must not keep
// the others from being undone.
bool CleanUp(Files& files, const std::string& ownDir, bool keepDemo) {
  return UndoEach(files, q2::Undo(ownDir, keepDemo));
}

bool KeepsDemo(const std::string& commandLine) {
  return commandLine.find(q2::kKeepDemoSwitch) != std::string::npos;
}

// A second companion would clean up under a game the first one still waits for, so it
// leaves without a word.
void Run(Platform& platform) {
  if (platform.system.AnotherInstanceRunning()) return platform.system.EndProgram(0);
  if (!HasSwitch(platform.system.CommandLine())) {
    platform.dialogs.MessageBox(text::kNotStartedByPlayer, text::kTitle, Icon::Critical,
                                Buttons::Ok);
    return platform.system.EndProgram(1);
  }
  // A run an earlier companion was cut off from is undone first, once its game has ended;
  // the entry the player just wrote (no game recorded yet) is this run's.
  ReplayJournal(
      platform.registry, platform.files, platform.processes,
      [](const RestoreRecord& record) { return record.game == q2::kGameCode && record.process; },
      nullptr);
  const std::string ownDir = platform.system.ProgramDirectory();
  RestoreJournal journal(platform.registry, q2::kGameCode);
  RunGameAndWait(platform, ownDir, journal);
  if (CleanUp(platform.files, ownDir, KeepsDemo(platform.system.CommandLine())))
    Skip(journal.Clear());
  platform.system.EndProgram(0);
}

}  // namespace kalv::q2companion
