// The Quake 2 companion: the game it starts, the wait, the clean-up afterwards, and the
// runs that must touch nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/fake_platform.h"
#include "games/other/quake2/quake2_files.h"
#include "core/folder_name.h"
#include "core/restore_journal.h"
#include "q2companion/companion.h"

namespace kalv::q2companion {
namespace {

using fake::FakePlatform;
using fake::ProgramEnded;

const char kQ2[] = "C:\\Games\\Quake 2 Demo Copy";

class Companion : public ::testing::Test {
 protected:
  void SetUp() override {
    p.system.programDirectory = kQ2;
    p.system.commandLine = "/Quake2SubFunction";
    Prepare(kQ2);
  }
  // A Quake 2 directory as the main program leaves it for one demo.
  void Prepare(const std::string& dir) {
    p.files.AddFile(dir + "\\quake2.exe", "MZ");
    p.files.AddFile(dir + "\\kalvq2_sub.exe", "MZ");
    p.files.AddFile(dir + "\\baseq2\\pak0.pak", "PACK");
    p.files.AddFile(dir + "\\baseq2\\kalvenmarque.cfg", "demomap demos/Kalvenmarque.dm2");
    p.files.AddFile(dir + "\\baseq2\\demos\\Kalvenmarque.dm2", "demo");
    p.files.AddFile(dir + "\\baseq2\\config.cfg", "bind x y", attr::kReadOnly | attr::kArchive);
  }
  void ExpectUntouched(const std::string& dir) {
    EXPECT_TRUE(p.files.IsFile(dir + "\\baseq2\\kalvenmarque.cfg"));
    EXPECT_TRUE(p.files.IsFile(dir + "\\baseq2\\demos\\Kalvenmarque.dm2"));
    EXPECT_EQ(p.files.Attributes(dir + "\\baseq2\\config.cfg").value_or(0) & attr::kReadOnly,
              attr::kReadOnly);
  }
  void ExpectCleaned(const std::string& dir) {
    EXPECT_FALSE(p.files.Exists(dir + "\\baseq2\\kalvenmarque.cfg"));
    EXPECT_FALSE(p.files.Exists(dir + "\\baseq2\\demos\\Kalvenmarque.dm2"));
    auto attributes = p.files.Attributes(dir + "\\baseq2\\config.cfg");
    ASSERT_TRUE(attributes.has_value());
    EXPECT_EQ(*attributes & attr::kReadOnly, 0u);
    EXPECT_TRUE(p.files.IsFile(dir + "\\kalvq2_sub.exe"));
    EXPECT_TRUE(p.files.IsFile(dir + "\\baseq2\\pak0.pak"));
    EXPECT_TRUE(p.files.DirectoryExists(dir + "\\baseq2\\demos"));
  }
  void RunCompanion() { EXPECT_THROW(q2companion::Run(p), ProgramEnded); }

  FakePlatform p;
};

TEST_F(Companion, StartsTheGameByItsPathWithTheUnquotedCommandLine) {
  RunCompanion();
  ASSERT_EQ(p.processes.started().size(), 1u);
  const auto& game = p.processes.started()[0];
  EXPECT_EQ(game.executable, "C:\\Games\\Quake 2 Demo Copy\\quake2.exe");
  EXPECT_EQ(game.commandLine,
            "C:\\Games\\Quake 2 Demo Copy\\quake2.exe +exec autoexec.cfg +exec config.cfg "
            "+exec kalvenmarque.cfg");
  EXPECT_EQ(game.show, ShowMode::NormalFocus);
  EXPECT_EQ(game.workingDir, "");  // inherited from the main program
  EXPECT_TRUE(p.dialogs.messages().empty());
  EXPECT_EQ(p.system.endCount, 1);
}

// The game folder the player names goes first on the game's command line, whole (quoted
// when it holds a blank); a name that is not a plain folder name could carry commands of
// its own and is left out. Every name the player's rule accepts arrives as it was sent.
TEST_F(Companion, StartsQuakeTwoInTheGameFolderThePlayerNamed) {
  const std::string tail = " +exec autoexec.cfg +exec config.cfg +exec kalvenmarque.cfg";
  const std::string game = std::string(kQ2) + "\\quake2.exe";
  for (const auto& [line, expected] : std::vector<std::pair<std::string, std::string>>{
           {"\"x\" /Quake2SubFunction /Game:opentdm", game + " +set game opentdm" + tail},
           {"/Quake2SubFunction /KeepDemo /Game:ra2-1.5_x", game + " +set game ra2-1.5_x" + tail},
           {"/Quake2SubFunction /Game:\"Rocket Arena 2\" /KeepDemo",
            game + " +set game \"Rocket Arena 2\"" + tail},
           {"/Quake2SubFunction /Game:\"open\"", game + " +set game open" + tail},
           {"/Quake2SubFunction /Game:\"never ended", game + tail},
           {"/Quake2SubFunction /Game:x+quit", game + tail},
           {"/Quake2SubFunction /Game:\"x;quit\"", game + tail},
           {"/Quake2SubFunction /Game:..", game + tail},
           {"/Quake2SubFunction /Game:", game + tail}}) {
    SCOPED_TRACE(line);
    Prepare(kQ2);
    p.system.commandLine = line;
    RunCompanion();
    EXPECT_EQ(p.processes.started().back().commandLine, expected);
  }
}

TEST(CompanionGameFolder, EveryNameThePlayerAcceptsArrivesWhole) {
  for (const std::string name :
       {"opentdm", "Rocket Arena 2", "ra2-1.5_x", "(mod) [beta]", "a'b", "x y z", "q2dm~1"}) {
    ASSERT_TRUE(IsPlainFolderName(name)) << name;
    EXPECT_EQ(GameFolderOf("/Quake2SubFunction /Game:" + AsArgument(name)), name);
    EXPECT_EQ(GameFolderOf("/Quake2SubFunction /Game:" + AsArgument(name) + " /KeepDemo"), name);
  }
}

TEST_F(Companion, CleansUpOnlyAfterTheGameHasEnded) {
  p.processes.next.runMilliseconds = 2000;
  std::vector<bool> preparedWhileWaiting;
  p.processes.whileWaiting = [&] {
    preparedWhileWaiting.push_back(
        p.files.Exists(std::string(kQ2) + "\\baseq2\\demos\\Kalvenmarque.dm2"));
  };
  RunCompanion();
  ASSERT_FALSE(preparedWhileWaiting.empty());
  for (bool prepared : preparedWhileWaiting) EXPECT_TRUE(prepared);
  ExpectCleaned(kQ2);
  // The end at 2000 is seen when it comes, and window messages are handled throughout.
  EXPECT_EQ(p.clock.now(), 2000u);
  EXPECT_LE(p.processes.LongestUnanswered(0, 2000), 450u);
}

// A program may end with 259 itself; the end is read from the process, not the code.
TEST_F(Companion, AGameEndingWithTheStillActiveCodeIsNoticed) {
  p.processes.next.runMilliseconds = 2000;
  p.processes.next.exitCode = kStillActive;
  RunCompanion();
  EXPECT_EQ(p.clock.now(), 2000u);
  ExpectCleaned(kQ2);
}

TEST_F(Companion, AGameThatEndsAtOnceStillGetsOneRound) {
  p.processes.next.runMilliseconds = 0;
  RunCompanion();
  EXPECT_EQ(p.clock.waits, 1);
  EXPECT_EQ(p.processes.pumps(), 1);
  EXPECT_EQ(p.clock.now(), 0u);
  ExpectCleaned(kQ2);
}

// The folder is put back first; then the user is told which file could not be started,
// and the companion ends with a failing code.
TEST_F(Companion, AGameThatCannotStartIsUndoneAndNamed) {
  ASSERT_TRUE(p.files.Delete(std::string(kQ2) + "\\quake2.exe").ok());
  p.dialogs.whileShown = [&](const fake::ShownMessage&) { ExpectCleaned(kQ2); };
  RunCompanion();
  EXPECT_TRUE(p.processes.started().empty());
  EXPECT_EQ(p.clock.waits, 0);
  ASSERT_EQ(p.dialogs.messages().size(), 1u);
  EXPECT_EQ(p.dialogs.messages()[0].text,
            std::string("Kalvenmarque could not start Quake 2: ") + kQ2 +
                "\\quake2.exe (53 File not found). The demo was not played, and the Quake 2 "
                "folder is as it was before.");
  EXPECT_EQ(p.dialogs.messages()[0].icon, Icon::Critical);
  EXPECT_EQ(p.system.exitCode, 1);
  ExpectCleaned(kQ2);
}

// Waited for through the start's own handle, so a game that cannot be opened again by its
// id is not taken for ended.
TEST_F(Companion, AGameThatCannotBeOpenedByItsIdIsStillWaitedForToItsEnd) {
  p.processes.next.cannotOpen = true;
  p.processes.next.runMilliseconds = 60000;
  RunCompanion();
  ASSERT_EQ(p.processes.started().size(), 1u);
  EXPECT_EQ(p.clock.waitedTotal, 60000u);
  ExpectCleaned(kQ2);
}

TEST_F(Companion, EachCleanUpStepRunsWhenAnEarlierOneFails) {
  ASSERT_TRUE(p.files.Delete(std::string(kQ2) + "\\baseq2\\kalvenmarque.cfg").ok());
  p.files.HoldOpen(std::string(kQ2) + "\\baseq2\\demos\\Kalvenmarque.dm2");
  RunCompanion();
  EXPECT_TRUE(p.files.Exists(std::string(kQ2) + "\\baseq2\\demos\\Kalvenmarque.dm2"));
  EXPECT_EQ(
      p.files.Attributes(std::string(kQ2) + "\\baseq2\\config.cfg").value_or(1) & attr::kReadOnly,
      0u);
  EXPECT_EQ(p.system.endCount, 1);
}

TEST_F(Companion, WorksInItsOwnDirectoryNotAnotherOne) {
  const std::string copy = "D:\\Elsewhere";
  Prepare(copy);
  p.system.programDirectory = copy;
  RunCompanion();
  ASSERT_EQ(p.processes.started().size(), 1u);
  EXPECT_EQ(p.processes.started()[0].executable, copy + "\\quake2.exe");
  ExpectCleaned(copy);
  ExpectUntouched(kQ2);
}

TEST_F(Companion, ASecondInstanceEndsSilentlyAndCleansNothing) {
  p.system.anotherInstance = true;
  RunCompanion();
  EXPECT_TRUE(p.processes.started().empty());
  EXPECT_TRUE(p.dialogs.messages().empty());
  EXPECT_EQ(p.clock.waits, 0);
  ExpectUntouched(kQ2);
}

TEST_F(Companion, WithoutTheSwitchItSaysSoAndTouchesNothing) {
  for (const char* line : {"", "/quake2subfunction", "/QUAKE2SUBFUNCTION", "/Quake2Sub"}) {
    FakePlatform fresh;
    fresh.system.programDirectory = kQ2;
    fresh.system.commandLine = line;
    fresh.files.AddFile(std::string(kQ2) + "\\quake2.exe", "MZ");
    fresh.files.AddFile(std::string(kQ2) + "\\baseq2\\demos\\Kalvenmarque.dm2", "demo");
    EXPECT_THROW(q2companion::Run(fresh), ProgramEnded);
    EXPECT_TRUE(fresh.processes.started().empty()) << line;
    EXPECT_TRUE(fresh.files.Exists(std::string(kQ2) + "\\baseq2\\demos\\Kalvenmarque.dm2"));
    ASSERT_EQ(fresh.dialogs.messages().size(), 1u) << line;
    const auto& shown = fresh.dialogs.messages()[0];
    EXPECT_EQ(shown.text,
              "This program is a sub function program of Kalvenmarque v1.2.0 for Quake 2. This "
              "program will now terminate.");
    EXPECT_EQ(shown.caption, "Kalvenmarque Quake 2 Sub v1.2.0");
    EXPECT_EQ(shown.icon, Icon::Critical);
    EXPECT_EQ(shown.buttons, Buttons::Ok);
  }
}

TEST_F(Companion, TheSwitchIsFoundInsideOtherText) {
  p.system.commandLine = "x/Quake2SubFunctiony --other";
  RunCompanion();
  EXPECT_EQ(p.processes.started().size(), 1u);
  EXPECT_TRUE(p.dialogs.messages().empty());
  ExpectCleaned(kQ2);
}

// The companion takes over the entry the player wrote: it notes the game while it runs and
// clears the entry after its clean-up. An entry an earlier companion was cut off from is
// undone first (its game has ended); a fresh one is this run's.
TEST_F(Companion, TakesOverThePlayersJournalEntryAndUndoesAnOrphanedOne) {
  const std::string other = "D:\\Old Quake 2";
  Prepare(other);
  RestoreJournal journal(p.registry, "Q2");
  ASSERT_TRUE(journal.Write(RestoreRecord{"Q2", q2::Undo(other, false), "", 4242, "x.exe"}).ok());
  RunCompanion();
  ExpectCleaned(other);
  EXPECT_FALSE(journal.Read()) << "the orphaned entry is gone";

  Prepare(kQ2);
  ASSERT_TRUE(journal.Write(RestoreRecord{"Q2", q2::Undo(kQ2, false), "", 0, ""}).ok());
  std::optional<RestoreRecord> whileRunning;
  p.processes.whileWaiting = [&] {
    if (!whileRunning) whileRunning = journal.Read();
  };
  RunCompanion();
  ASSERT_TRUE(whileRunning);
  EXPECT_EQ(whileRunning->process, p.processes.started().back().id);
  EXPECT_EQ(whileRunning->executable, std::string(kQ2) + "\\quake2.exe");
  ExpectCleaned(kQ2);
  EXPECT_FALSE(journal.Read());
}

}  // namespace
}  // namespace kalv::q2companion
