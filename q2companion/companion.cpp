#include "q2companion/companion.h"

#include <memory>

#include "core/contracts.h"
#include "core/folder_name.h"
#include "core/process_wait.h"
#include "core/restore_journal.h"
#include "core/run_log.h"
#include "games/other/quake2/quake2_files.h"
#include "q2companion/texts.h"

namespace kalv::q2companion {

bool HasSwitch(const std::string& commandLine) {
  return commandLine.find(contract::kCompanionSwitch) != std::string::npos;
}

std::string GameExecutable(const std::string& ownDir) {
  return ownDir + contract::kQuake2Executable;
}

// The path stays unquoted on purpose: the game reads its arguments after the first
// "+", and the executable is handed to the start separately, so blanks do no harm. A
// game folder comes first, so that the configurations are read in that game.
std::string GameCommandLine(const std::string& ownDir, const std::string& gameFolder) {
  const std::string game = gameFolder.empty() ? "" : " +set game " + AsArgument(gameFolder);
  return GameExecutable(ownDir) + game + text::kGameArguments;
}

// The player's rule for a game folder decides, so that no name the player accepts is cut
// here: a name with a blank comes quoted, and anything that is not a plain folder name
// could carry more commands into the game's command line.
std::string GameFolderOf(const std::string& commandLine) {
  const std::size_t at = commandLine.find(contract::kCompanionGame);
  if (at == std::string::npos) return "";
  std::size_t from = at + std::string(contract::kCompanionGame).size();
  char end = ' ';
  if (from < commandLine.size() && commandLine[from] == '"') {
    end = '"';
    ++from;
  }
  const std::size_t to = commandLine.find(end, from);
  if (end == '"' && to == std::string::npos) return "";
  const std::string folder = commandLine.substr(from, to == std::string::npos ? to : to - from);
  return IsPlainFolderName(folder) ? folder : "";
}

// The game is waited for through the handle its start gave; a start that fails returns
// its failure at once.
Status RunGameAndWait(Platform& platform, const std::string& ownDir, RestoreJournal& journal,
                      RunLog& log) {
  const std::string commandLine =
      GameCommandLine(ownDir, GameFolderOf(platform.system.CommandLine()));
  auto started =
      platform.processes.Start(GameExecutable(ownDir), commandLine, ShowMode::NormalFocus);
  if (!started) {
    log.Write("quake2.exe not started: " + std::to_string(started.failure().number) + " " +
              started.failure().description);
    return started.status();
  }
  std::unique_ptr<ProcessWatch> watch = std::move(started).value();
  Skip(journal.RecordProcess(watch->Id(), GameExecutable(ownDir)));
  log.Write("started " + commandLine);
  WaitForProcessEnd(platform.processes, watch.get(), contract::kGamePollMilliseconds);
  auto code = watch->ExitCode();
  log.Write(code ? "game ended with exit code " + std::to_string(code.value())
                 : "game ended, exit code unknown");
  return Status::Ok();
}

// The player's own Quake 2 rows, each step on its own: a file already gone must not keep
// the others from being undone.
bool CleanUp(Files& files, const std::string& ownDir, bool keepDemo,
             const std::string& gameFolder) {
  return UndoEach(files, q2::Undo(ownDir, keepDemo, gameFolder)).empty();
}

bool KeepsDemo(const std::string& commandLine) {
  return commandLine.find(contract::kCompanionKeepDemo) != std::string::npos;
}

// A second companion would clean up under a game the first one still waits for, so it
// leaves without a word. The player's entry names this companion as its process, so no
// player undoes it while the companion runs; the companion undoes it by the journal's own
// steps, or by the Quake 2 rows when the player left none.
void Run(Platform& platform) {
  if (platform.system.AnotherInstanceRunning()) return platform.system.EndProgram(0);
  if (!HasSwitch(platform.system.CommandLine())) {
    platform.dialogs.MessageBox(text::kNotStartedByPlayer, text::kTitle, Icon::Critical,
                                Buttons::Ok);
    return platform.system.EndProgram(1);
  }
  RunLog log(platform.files, platform.system, "companion");
  // A run an earlier companion was cut off from is undone first, once its game has ended;
  // the entry the player just wrote names this companion, which runs.
  const ReplayContext context{platform.files, platform.processes,
                              [](const std::string& game) -> const JournalRules* {
                                return game == q2::kGameCode ? &q2::Rules() : nullptr;
                              },
                              nullptr};
  ReplayJournal(platform.registry, context, [](const RestoreRecord& record) {
    return record.game == contract::kQuake2JournalCode && record.process;
  });
  const std::string ownDir = platform.system.ProgramDirectory();
  RestoreJournal journal(platform.registry, contract::kQuake2JournalCode);
  std::optional<RestoreRecord> entry = journal.Read();
  // The player's entry is carried out only as the player would write it.
  if (entry && CheckEntry(*entry, q2::Rules())) {
    log.Write("the Quake 2 entry is not one the player writes: set aside");
    Skip(journal.SetAside().status());
    entry.reset();
  }
  const Status started = RunGameAndWait(platform, ownDir, journal, log);
  const std::string commandLine = platform.system.CommandLine();
  const bool done =
      entry ? UndoEntry(journal, *entry, platform.files, nullptr).replay == Replay::Done
            : CleanUp(platform.files, ownDir, KeepsDemo(commandLine), GameFolderOf(commandLine));
  log.Write(std::string(done ? "put back " : "not all put back, the entry is kept: ") + ownDir);
  if (!started) {
    platform.dialogs.MessageBox(text::kGameNotStarted + GameExecutable(ownDir) + " (" +
                                    std::to_string(started.number()) + " " +
                                    started.failure().description + text::kGameNotStartedAdvice,
                                text::kTitle, Icon::Critical, Buttons::Ok);
    return platform.system.EndProgram(1);
  }
  platform.system.EndProgram(0);
}

}  // namespace kalv::q2companion
