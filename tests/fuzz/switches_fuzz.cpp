// The switches of the two small programs, each run whole on any command line: the
// association updater does one of its five actions or shows its usage, and the Quake 2
// companion runs the game and cleans up only when the player started it.
#include "assocmend/updater.h"
#include "games/other/quake2/quake2_files.h"
#include "platform/fake/fake_platform.h"
#include "q2companion/companion.h"
#include "tests/fuzz/fuzz_target.h"

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
// The game folder a companion's command line names: the letters, digits and "_-." after
// "/Game:" up to a blank, none when anything else is there or the name is "." or "..".
std::string NamedGameFolder(const std::string& commandLine) {
  const std::size_t at = commandLine.find("/Game:");
  if (at == std::string::npos) return "";
  std::string name;
  for (std::size_t i = at + 6; i < commandLine.size() && commandLine[i] != ' '; ++i) {
    const char c = commandLine[i];
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '_' || c == '-' || c == '.';
    if (!plain) return "";
    name += c;
  }
  return name == "." || name == ".." ? "" : name;
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
    const std::string folder = NamedGameFolder(commandLine);
    const std::string& line = fake.processes.started()[0].commandLine;
    fuzz::Require(line == kQ2 + "\\quake2.exe" + (folder.empty() ? "" : " +set game " + folder) +
                              " +exec autoexec.cfg +exec config.cfg +exec kalvenmarque.cfg",
                  "the game starts in the game folder named, and only a plain one");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string commandLine = fuzz::Text(data, size);
  RunUpdater(commandLine);
  RunCompanion(commandLine);
  return 0;
}
