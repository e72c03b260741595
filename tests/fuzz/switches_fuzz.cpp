// The switches of the two small programs, each run whole on any command line: the
// association updater does one of its five actions or shows its usage, and the Quake 2
// companion runs the game and cleans up only when the player started it.
#include "assocmend/updater.h"
#include "games/other/quake2_files.h"
#include "platform/fake/fake_platform.h"
#include "q2companion/companion.h"
#include "tests/fuzz/fuzz_target.h"

using namespace kalv;

namespace {

const std::string kQ2 = "C:\\Games\\Quake 2";

int ExitCodeOfRun(fake::FakePlatform& fake, void (*run)(Platform&)) {
  try {
    run(fake);
  } catch (const fake::ProgramEnded&) {
  }
  return fake.system.exitCode;
}

void RunUpdater(const std::string& commandLine) {
  fake::FakePlatform fake;
  fake.files.AddFile(fake.system.programDirectory + "\\Kalvenmarque.exe", "player");
  fake.system.commandLine = commandLine;
  const int exitCode = ExitCodeOfRun(fake, assocmend::Run);
  fuzz::Require(exitCode == 0 || exitCode == 1, "the updater ends with 0 or 1");
  const bool usage = assocmend::ParseCommandLine(commandLine) == assocmend::Action::Usage;
  bool usageShown = false;
  for (const auto& message : fake.dialogs.messages())
    usageShown = usageShown || message.text == assocmend::UsageMessage();
  fuzz::Require(usage == usageShown, "the usage message exactly for an unknown switch");
  if (usage) fuzz::Require(fake.registry.Journal().empty(), "the usage changes no key");
}

void RunCompanion(const std::string& commandLine) {
  fake::FakePlatform fake;
  fake.system.programDirectory = kQ2;
  fake.system.commandLine = commandLine;
  fake.files.AddFile(kQ2 + q2::kGameExecutable, "game");
  fake.files.AddFile(kQ2 + q2::kOneOffConfig, "bind x quit");
  fake.files.AddFile(kQ2 + q2::kFixedDemo, "demo");
  fake.files.AddFile(kQ2 + q2::kOwnConfig, "set name player", attr::kReadOnly);
  const int exitCode = ExitCodeOfRun(fake, q2companion::Run);
  const bool started = q2companion::HasSwitch(commandLine);
  fuzz::Require(exitCode == (started ? 0 : 1), "the companion fails exactly without its switch");
  fuzz::Require(fake.processes.started().size() == (started ? 1u : 0u),
                "the game runs exactly when the player started the companion");
  fuzz::Require(fake.files.Exists(kQ2 + q2::kOneOffConfig) != started,
                "the one-off configuration goes exactly after a run");
  fuzz::Require(
      fake.files.Exists(kQ2 + q2::kFixedDemo) == (!started || q2companion::KeepsDemo(commandLine)),
      "the demo goes after a run unless it is the user's own");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string commandLine = fuzz::Text(data, size);
  RunUpdater(commandLine);
  RunCompanion(commandLine);
  return 0;
}
