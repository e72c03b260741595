// The switches of the two small programs, each run whole on any command line: the
// association updater does one of its five actions or shows its usage, and the Quake 2
// companion runs the game and cleans up only when the player started it.
#include "assocmend/updater.h"
#include "games/other/quake2/quake2_files.h"
#include "platform/fake/fake_platform.h"
#include "q2companion/companion.h"
#include "tests/fuzz/fuzz_target.h"

#include <optional>

using namespace kalv;

namespace {

const std::string kQ2 = "C:\\Games\\Quake 2";

// The switches as the programs' users know them, written out here rather than asked of
// the programs: the updater's five switches in any letter case, the companion's marker
// anywhere in its command line.
bool IsUpdaterSwitch(const std::string& commandLine) {
  std::string lower;
  for (char c : commandLine) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  for (const char* known : {"/i", "/i1", "/u", "/fu", "/fu1"})
    if (lower == known) return true;
  return false;
}
bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}
// What the game is told besides its own fixed arguments: the part of its command line
// between its path and the arguments every run gives it. Nothing when the line is not
// laid out so.
std::optional<std::string> GameSetting(const std::string& line) {
  const std::string head = kQ2 + "\\quake2.exe";
  const std::string tail = " +exec autoexec.cfg +exec config.cfg +exec kalvenmarque.cfg";
  if (line.size() < head.size() + tail.size() || line.compare(0, head.size(), head) != 0 ||
      line.compare(line.size() - tail.size(), tail.size(), tail) != 0)
    return std::nullopt;
  return line.substr(head.size(), line.size() - head.size() - tail.size());
}

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
  const bool usage = !IsUpdaterSwitch(commandLine);
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
  const bool started = Contains(commandLine, "/Quake2SubFunction");
  fuzz::Require(exitCode == (started ? 0 : 1), "the companion fails exactly without its switch");
  fuzz::Require(fake.processes.started().size() == (started ? 1u : 0u),
                "the game runs exactly when the player started the companion");
  fuzz::Require(fake.files.Exists(kQ2 + q2::kOneOffConfig) != started,
                "the one-off configuration goes exactly after a run");
  fuzz::Require(
      fake.files.Exists(kQ2 + q2::kFixedDemo) == (!started || Contains(commandLine, "/KeepDemo")),
      "the demo goes after a run unless it is the user's own");
  if (started) {
    // At most one setting, the game folder exactly as the player sent it, and nothing a
    // game's console would take as a command of its own.
    const auto setting = GameSetting(fake.processes.started()[0].commandLine);
    fuzz::Require(setting.has_value(), "the game starts by its path with its own arguments");
    if (!setting->empty()) {
      const std::string set = " +set game ";
      fuzz::Require(setting->compare(0, set.size(), set) == 0, "only the game folder is set");
      const std::string folder = setting->substr(set.size());
      fuzz::Require(!folder.empty() && folder.find_first_of("+;") == std::string::npos,
                    "the game folder carries no command");
      fuzz::Require(Contains(commandLine, ("/Game:" + folder).c_str()),
                    "the game folder is the one the player named, as it was sent");
      const bool quoted = folder.size() > 2 && folder.front() == '"' && folder.back() == '"';
      fuzz::Require(quoted == (folder.find(' ') != std::string::npos),
                    "a game folder with a blank travels quoted, whole");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string commandLine = fuzz::Text(data, size);
  RunUpdater(commandLine);
  RunCompanion(commandLine);
  return 0;
}
