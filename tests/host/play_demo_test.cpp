// The driver of a demo run, with a plan of its own: how the game is started, how long the
// wait lasts, when the undo runs, and the journal's entry around it all: written and
// flushed before the first change, a run refused while the last one is not put back, a run
// that cannot write its entry not started, attributes put back as they were.
#include <string>
#include <vector>

#include "games/plan_support.h"
#include "games_fixture.h"
#include "launcher/play_demo.h"
#include "core/restore_journal.h"

namespace kalv::testing {
namespace {

const std::string kDir = "C:\\Program Files\\Game Dir";
const std::string kGame = kDir + "\\game.exe";
const std::string kCommand = kGame + " +exec kalvenmarque.cfg";
const std::string kOneOff = kDir + "\\valve\\kalvenmarque.cfg";
const std::string kOwn = kDir + "\\valve\\config.cfg";
const std::string kFixed = kDir + "\\valve\\Kalvenmarque.dem";

class PlayDemoTest : public ProgramFixture {
 protected:
  PlayDemoTest() {
    fake.files.AddFile(kGame, "MZ");
    fake.files.AddFile("C:\\Program.exe", "MZ");  // where an unquoted path's first word leads
    fake.files.AddFile(kOwn, "bind x y");
    fake.files.AddFile(Versions() + "\\KalvHL.cfg", "template");
    fake.files.AddFile("C:\\Demos\\a.dem", "demo");
    p().demoPath = "C:\\Demos\\a.dem";
    p().frmSplash.window.Show();
    plan.game = GameCode::HL;
    plan.code = "HL";
    plan.name = "Half-Life";
    plan.folder = kDir;
    plan.prepare = {MakeNormal(kOneOff), CopyFile(Versions() + "\\KalvHL.cfg", kOneOff),
                    MakeReadOnly(kOwn)};
    plan.demo = DemoCopy{"C:\\Demos\\a.dem", kFixed, false, false};
    plan.start = StartIn(kGame, kCommand);
    plan.undo = {DeleteFile(kOneOff), DeleteFile(kFixed), MakeNormal(kOwn)};
    // The undo's first change is to the one-off configuration once the game has started.
    fake.files.beforeChange = [this](const std::string& path) {
      if (!undoneAt && fake.processes.started().size() > startsBefore &&
          EqualsNoCase(path, kOneOff))
        undoneAt = fake.clock.now();
    };
  }
  int Play() {
    startsBefore = fake.processes.started().size();
    return PlayDemo(p(), plan);
  }
  std::optional<RestoreRecord> Entry() { return RestoreJournal(fake.registry, "HL").Read(); }
  bool ReadOnly(const std::string& path) {
    return (fake.files.Attributes(path).value_or(0) & attr::kReadOnly) != 0;
  }

  RunPlan plan;
  std::size_t startsBefore = 0;
  std::optional<std::uint64_t> undoneAt;
};

TEST_F(PlayDemoTest, StartsTheNamedExecutableInItsFolderAndUndoesAfterItsEnd) {
  const auto before = Snapshot(kDir);
  fake.processes.next.runMilliseconds = 0;
  fake.processes.next.onStart = [&](const fake::StartedProcess&) {
    EXPECT_EQ(fake.files.Contents(kFixed), "demo");
    EXPECT_EQ(fake.files.Contents(kOneOff), "template");
    EXPECT_TRUE(ReadOnly(kOwn));
  };
  EXPECT_EQ(Play(), 0);

  ASSERT_EQ(fake.processes.started().size(), 1u);
  const fake::StartedProcess& game = fake.processes.started()[0];
  EXPECT_EQ(game.executable, kGame);
  EXPECT_EQ(game.commandLine, kCommand);
  EXPECT_EQ(game.workingDir, kDir);
  EXPECT_EQ(game.show, ShowMode::NormalFocus);
  EXPECT_EQ(game.startedAt, 450u) << "the fixed pause before the start";
  EXPECT_FALSE(p().frmSplash.window.Visible());
  // A game that ends at once is seen at once, without a wait.
  EXPECT_EQ(fake.clock.now(), 450u);
  EXPECT_EQ(undoneAt, 450u);
  EXPECT_EQ(Snapshot(kDir), before);
  EXPECT_FALSE(Entry());
}

// Rounds start at 0, 450 and 900 after the start with the game running; the third wait
// ends with the game at 1000, and the fourth round reads it ended. A game may end with
// 259 itself, and one that cannot be opened again by its id is still waited for through
// the handle its start gave; the end is noticed whenever a test ends it.
TEST_F(PlayDemoTest, TheWaitLastsToTheGamesEndHoweverItEnds) {
  struct Case {
    const char* what;
    std::uint32_t exitCode;
    bool cannotOpen;
    int endAfterPolls;  // 0: the game ends by itself after 1000 ms
  };
  for (const Case& c :
       {Case{"exit 0", 0, false, 0}, Case{"exit 259", kStillActive, false, 0},
        Case{"not openable", 3, true, 0}, Case{"ended while waiting", 0, false, 6}}) {
    SCOPED_TRACE(c.what);
    undoneAt.reset();
    const std::uint64_t start = fake.clock.now() + 450;
    fake.processes.next.runMilliseconds = c.endAfterPolls ? 1000000 : 1000;
    fake.processes.next.exitCode = c.exitCode;
    fake.processes.next.cannotOpen = c.cannotOpen;
    int polls = 0;
    std::uint64_t endedAt = start + 1000;
    fake.processes.whileWaiting = [&] {
      if (c.endAfterPolls && ++polls == c.endAfterPolls) {
        endedAt = fake.clock.now();
        fake.processes.Exit(fake.processes.started().back().id, 3);
      }
    };
    EXPECT_EQ(Play(), 0);
    EXPECT_EQ(undoneAt, endedAt);
    // The windows are answered throughout the wait, at least every poll.
    EXPECT_LE(fake.processes.LongestUnanswered(start, endedAt), 450u);
    EXPECT_FALSE(Entry());
  }
}

// A failed start reaches the driver's handler: the general error message, the undo, no
// wait, and a failing exit code.
TEST_F(PlayDemoTest, AGameThatCannotStartIsReportedAndUndone) {
  const auto before = Snapshot(kDir);
  plan.start = StartIn(kDir + "\\gone.exe", kDir + "\\gone.exe -console");
  EXPECT_EQ(Play(), 1);
  EXPECT_TRUE(fake.processes.started().empty());
  EXPECT_EQ(fake.clock.waits, 0);
  ASSERT_EQ(fake.dialogs.messages().size(), 1u);
  EXPECT_EQ(fake.dialogs.messages()[0].caption, "Kalvenmarque Kalvenmarque - Error (53)");
  EXPECT_TRUE(p().frmSplash.window.Visible());
  EXPECT_EQ(Snapshot(kDir), before);
  EXPECT_FALSE(Entry());
}

// The entry is on the disk before the first change, names the game once it runs, holds
// the configuration's own attributes, and goes after the undo.
TEST_F(PlayDemoTest, TheEntryIsFlushedBeforeTheFirstChangeAndPutsAttributesBack) {
  ASSERT_TRUE(fake.files.SetAttributes(kOwn, attr::kReadOnly | attr::kHidden).ok());
  const auto before = Snapshot(kDir);
  // Looked at once, at the first change in the game folder (the run log is written
  // before): the registry's last call then is the flush.
  std::optional<bool> flushedFirst;
  fake.files.beforeChange = [&](const std::string& path) {
    if (flushedFirst || path.rfind(kDir, 0) != 0) return;
    const auto& calls = fake.registry.Journal();
    flushedFirst = !calls.empty() && calls.back().rfind("flush ", 0) == 0 && Entry();
  };
  std::optional<RestoreRecord> whileRunning;
  fake.processes.whileWaiting = [&] {
    if (!whileRunning && !fake.processes.started().empty()) whileRunning = Entry();
  };
  EXPECT_EQ(Play(), 0);
  EXPECT_EQ(flushedFirst, true);
  ASSERT_TRUE(whileRunning);
  EXPECT_EQ(whileRunning->process, fake.processes.started()[0].id);
  EXPECT_EQ(whileRunning->executable, kGame);
  EXPECT_EQ(whileRunning->undo.back(), SetAttributes(kOwn, attr::kReadOnly | attr::kHidden));
  EXPECT_TRUE(ReadOnly(kOwn)) << "the user's read-only configuration stays read-only";
  EXPECT_EQ(fake.files.Attributes(kOwn), attr::kReadOnly | attr::kHidden);
  EXPECT_EQ(Snapshot(kDir), before);
  EXPECT_FALSE(Entry());
}

// A second demo while the first run's game still plays changes nothing and says why; once
// that game has ended, what its run could not put back is named and the user may keep the
// entry (nothing changes) or forget it (the demo plays). A run whose entry cannot be
// written does not start.
TEST_F(PlayDemoTest, NoRunStartsWithoutAnEntryOfItsOwn) {
  fake.files.AddFile(kFixed, "left by the earlier run");
  const auto before = Snapshot(kDir);
  RestoreRecord pending;
  pending.game = "HL";
  pending.folder = kDir;
  pending.undo = {DeleteFile(kFixed)};
  fake.processes.next.runMilliseconds = 1000000;
  ASSERT_TRUE(fake.processes.Start(kGame, "game", ShowMode::Normal).ok());
  pending.process = fake.processes.started()[0].id;
  pending.executable = kGame;
  ASSERT_TRUE(RestoreJournal(fake.registry, "HL").Write(pending).ok());
  EXPECT_EQ(Play(), 1);
  ASSERT_EQ(fake.dialogs.messages().size(), 1u);
  EXPECT_EQ(fake.dialogs.messages()[0].text,
            "Half-Life is still running a demo Kalvenmarque prepared, and that run is put back "
            "only once it has ended. Close Half-Life and any program using its files, then open "
            "this demo again. Nothing was changed.");

  fake.processes.Exit(pending.process);
  fake.files.HoldOpen(kFixed);
  fake.dialogs.answers = {Answer::No};
  p().exitCode = 0;
  EXPECT_EQ(Play(), 1);
  ASSERT_EQ(fake.dialogs.messages().size(), 2u);
  EXPECT_EQ(fake.dialogs.messages()[1].buttons, Buttons::YesNo);
  EXPECT_EQ(fake.dialogs.messages()[1].text,
            "Kalvenmarque could not completely put back the last demo run of Half-Life in "
            "C:\\Program Files\\Game Dir. What is left:\r\n    C:\\Program Files\\Game "
            "Dir\\valve\\Kalvenmarque.dem (70 Permission denied)\r\n\r\nClose any program "
            "that uses these files, and Kalvenmarque tries again the next time it starts. Or "
            "forget this run: Kalvenmarque then stops trying and leaves these files as they are "
            "now.\r\n\r\nForget this run?");
  EXPECT_EQ(Snapshot(kDir), before);
  EXPECT_EQ(Entry()->undo, pending.undo);
  EXPECT_EQ(fake.processes.started().size(), 1u);

  // Forgotten, the entry goes and the demo plays: the held file is the run's own demo name.
  fake.dialogs.answers = {Answer::Yes};
  p().exitCode = 0;
  fake.files.ReleaseAll();
  fake.files.HoldOpen(kFixed, fake::FakeFiles::Hold::Reading);
  EXPECT_EQ(Play(), 1) << "the held demo name cannot take the copy";
  EXPECT_EQ(fake.processes.started().size(), 1u);
  EXPECT_FALSE(Entry()) << "the forgotten run and the failed one both went";
  fake.files.ReleaseAll();

  fake.registry.RefuseWrites(RegRoot::CurrentUser);
  const std::size_t shown = fake.dialogs.messages().size();
  EXPECT_EQ(Play(), 1);
  ASSERT_EQ(fake.dialogs.messages().size(), shown + 1);
  EXPECT_EQ(fake.dialogs.messages()[shown].text,
            "Kalvenmarque could not write down what it is about to change in the folder of "
            "Half-Life (70 Permission denied), so it did not play the demo: without that record "
            "a run cut off could not be put back. Nothing was changed.");
  EXPECT_EQ(Snapshot(kDir), before);
  EXPECT_EQ(fake.processes.started().size(), 1u);
}

}  // namespace
}  // namespace kalv::testing
