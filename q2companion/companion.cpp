#include "q2companion/companion.h"

#include <memory>

#include "platform/process_wait.h"
#include "q2companion/texts.h"

namespace kalv::q2companion {

bool HasSwitch(const std::string& commandLine) {
  return commandLine.find(text::kSwitch) != std::string::npos;
}

std::string GameExecutable(const std::string& ownDir) { return ownDir + text::kGameExecutable; }

// The path stays unquoted on purpose: the game reads its arguments after the first
// "+", and the executable is handed to the start separately, so blanks do no harm.
std::string GameCommandLine(const std::string& ownDir) {
  return GameExecutable(ownDir) + text::kGameArguments;
}

// A game that cannot be started or watched counts as ended; the wait still makes its one
// round, keeping the message queue serviced.
void RunGameAndWait(Platform& platform, const std::string& ownDir) {
  std::unique_ptr<ProcessWatch> watch;
  auto started = platform.processes.Start(GameExecutable(ownDir), GameCommandLine(ownDir),
                                          ShowMode::NormalFocus);
  if (started) {
    auto opened = platform.processes.OpenForQuery(started.value());
    if (opened) watch = std::move(opened).value();
  }
  WaitForProcessEnd(platform.processes, watch.get(), kPollMilliseconds);
}

// Each step on its own: a file already gone must not keep the others from being undone.
void CleanUp(Files& files, const std::string& ownDir) {
  Skip(files.Delete(ownDir + text::kOneOffConfig));
  Skip(files.Delete(ownDir + text::kFixedNameDemo));
  Skip(files.SetAttributes(ownDir + text::kGameConfig, attr::kNormal));
}

// A second companion would clean up under a game the first one still waits for, so it
// leaves without a word.
void Run(Platform& platform) {
  if (platform.system.AnotherInstanceRunning()) return platform.system.EndProgram();
  if (!HasSwitch(platform.system.CommandLine())) {
    platform.dialogs.MessageBox(text::kNotStartedByPlayer, text::kTitle, Icon::Critical,
                                Buttons::Ok);
    return platform.system.EndProgram();
  }
  const std::string ownDir = platform.system.ProgramDirectory();
  RunGameAndWait(platform, ownDir);
  CleanUp(platform.files, ownDir);
  platform.system.EndProgram();
}

}  // namespace kalv::q2companion
