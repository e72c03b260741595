// RunGameAndWait: how the game is started, how long the wait lasts, and which restore
// runs afterwards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/base/functions.h"
#include "launcher/game_table.h"
#include "platform/fake/fake_platform.h"
#include "ui/resource.h"

namespace kalv {
namespace {

constexpr const char* kGame = "C:\\Program Files\\Quake III Arena\\quake3.exe";
constexpr const char* kCommand =
    "C:\\Program Files\\Quake III Arena\\quake3.exe +set sv_pure 0 +exec Kalvenmarque.cfg";

class RunGameTest : public ::testing::Test {
 protected:
  RunGameTest() {
    fake.files.AddFile(kGame, "MZ");
    // A stand-in for the program at the unquoted path's first word.
    fake.files.AddFile("C:\\Program.exe", "MZ");
    program.frmSplash.Create(fake.windows);
    program.frmSplash.window.Show();
    // Quake 2's companion cleans up after it: the player has no restore for it.
    for (Game& game : games) {
      if (game.code == GameCode::Q2) continue;
      const std::string name = game.codeText;
      game.restore = [this, name](Program&) {
        restored.push_back(name);
        restoredAt = fake.clock.now();
      };
    }
    program.games = &games;
  }

  fake::FakePlatform fake;
  Program program{fake};
  GameTable games = Games();
  std::vector<std::string> restored;
  std::uint64_t restoredAt = 0;
};

TEST_F(RunGameTest, StartsTheNamedExecutableWithTheCommandLineUnchanged) {
  fake.processes.next.runMilliseconds = 0;
  RunGameAndWait(program, kGame, kCommand, "Q3A");

  ASSERT_EQ(fake.processes.started().size(), 1u);
  const fake::StartedProcess& p = fake.processes.started()[0];
  EXPECT_EQ(p.executable, kGame);
  EXPECT_EQ(p.commandLine, kCommand);
  EXPECT_EQ(p.show, ShowMode::NormalFocus);
  EXPECT_FALSE(program.frmSplash.window.Visible());
}

TEST_F(RunGameTest, GameThatExitsAtOnceRestoresAfterOneRoundWithoutWaiting) {
  fake.processes.next.runMilliseconds = 0;
  RunGameAndWait(program, kGame, kCommand, "Q3A");

  EXPECT_EQ(restored, (std::vector<std::string>{"Q3A"}));
  EXPECT_EQ(fake.clock.waits, 1);
  EXPECT_EQ(fake.processes.pumps(), 1);
  EXPECT_EQ(restoredAt, 0u);
  EXPECT_EQ(fake.clock.sleeps, 0);
}

TEST_F(RunGameTest, WaitRoundsLast450msAndTheEndIsNoticedWhenItHappens) {
  fake.processes.next.runMilliseconds = 1000;
  RunGameAndWait(program, kGame, kCommand, "HL");

  // Rounds start at 0, 450 and 900 with the game running; the third wait ends with the
  // game at 1000, and the fourth round reads it ended.
  EXPECT_EQ(fake.clock.waits, 4);
  EXPECT_EQ(fake.processes.pumps(), 4);
  EXPECT_EQ(restored, (std::vector<std::string>{"HL"}));
  EXPECT_EQ(restoredAt, 1000u);
}

// A program may end with 259 itself; the end is read from the process, not the code.
TEST_F(RunGameTest, GameEndingWithTheStillActiveCodeIsNoticed) {
  fake.processes.next.runMilliseconds = 1000;
  fake.processes.next.exitCode = kStillActive;
  RunGameAndWait(program, kGame, kCommand, "Q3A");
  EXPECT_EQ(restored, (std::vector<std::string>{"Q3A"}));
  EXPECT_EQ(restoredAt, 1000u);
}

TEST_F(RunGameTest, GameEndedByTheTestWhileWaiting) {
  fake.processes.next.runMilliseconds = 1000000;
  int polls = 0;
  std::uint64_t endedAt = 0;
  fake.processes.whileWaiting = [&] {
    if (++polls == 6) {
      endedAt = fake.clock.now();
      fake.processes.Exit(fake.processes.started()[0].id, 3);
    }
  };
  RunGameAndWait(program, kGame, kCommand, "UT");
  EXPECT_EQ(restored, (std::vector<std::string>{"UT"}));
  EXPECT_EQ(restoredAt, endedAt);
}

// The game is waited for through its start's own handle: a process that could not be
// opened again by its id is still waited for to its end, not taken for ended.
TEST_F(RunGameTest, AGameThatCannotBeOpenedByItsIdIsStillWaitedForToItsEnd) {
  fake.processes.next.runMilliseconds = 1000;
  fake.processes.next.cannotOpen = true;
  RunGameAndWait(program, kGame, kCommand, "STVEF");

  EXPECT_EQ(fake.clock.waitedTotal, 1000u);
  EXPECT_EQ(fake.processes.pumps(), fake.clock.waits);  // the windows answered every round
  EXPECT_EQ(restored, (std::vector<std::string>{"STVEF"}));
}

TEST_F(RunGameTest, EachCodeRunsOnlyItsOwnRestore) {
  for (const char* code : {"Q3A", "HL", "STVEF", "Q1", "UT"}) {
    restored.clear();
    fake.processes.next.runMilliseconds = 0;
    RunGameAndWait(program, kGame, kCommand, code);
    EXPECT_EQ(restored, (std::vector<std::string>{code}));
  }
}

TEST_F(RunGameTest, CodesOutsideTheListReturnWithoutRestore) {
  for (const char* code : {"Q2", "q3a", "Q3A ", "", "XYZ"}) {
    fake.processes.next.runMilliseconds = 0;
    RunGameAndWait(program, kGame, kCommand, code);
  }
  EXPECT_TRUE(restored.empty());
  EXPECT_EQ(fake.processes.started().size(), 5u);
}

TEST_F(RunGameTest, CodeWithoutRegisteredRestoreReturns) {
  fake::FakePlatform other;
  other.files.AddFile(kGame, "MZ");
  Program bare(other);
  other.processes.next.runMilliseconds = 0;
  RunGameAndWait(bare, kGame, kCommand, "Q1");
  EXPECT_EQ(other.processes.started().size(), 1u);
}

TEST_F(RunGameTest, MissingExecutableRaisesToTheCallerWithoutWaitingOrRestoring) {
  try {
    RunGameAndWait(program, "C:\\Games\\gone\\hl.exe", "C:\\Games\\gone\\hl.exe -console", "HL");
    FAIL() << "a failed start must reach the caller's handler";
  } catch (const RaisedFailure& raised) {
    EXPECT_EQ(raised.failure().number, err::kPathNotFound);
  }
  EXPECT_TRUE(restored.empty());
  EXPECT_EQ(fake.clock.waits, 0);
  EXPECT_TRUE(program.frmSplash.window.Visible());
}

TEST_F(RunGameTest, RestoreThatEndsTheProgramEndsIt) {
  games[static_cast<std::size_t>(GameCode::Q3A)].restore = [](Program& p) { p.End(); };
  fake.processes.next.runMilliseconds = 0;
  EXPECT_THROW(RunGameAndWait(program, kGame, kCommand, "Q3A"), fake::ProgramEnded);
  EXPECT_EQ(fake.system.endCount, 1);
}

}  // namespace
}  // namespace kalv
