// The restore journal: its entry through a run (written before the first change, the game
// recorded once it runs, cleared after the restore), an entry cut off while written, the
// replay at the next start, and every game's folder after a failing preparation step.
#include <string>
#include <vector>

#include "games/other/half_life/half_life_files.h"
#include "games/other/quake1/quake1_files.h"
#include "games/other/quake2/quake2_files.h"
#include "games/other/unreal_tournament/unreal_tournament_files.h"
#include "games/quake3/elite_force/elite_force_files.h"
#include "games/quake3/quake3_files.h"
#include "games_fixture.h"
#include "launcher/base/settings.h"
#include "launcher/dispatch.h"
#include "launcher/main_window_actions.h"
#include "core/restore_journal.h"
#include "core/run_log.h"

namespace kalv::testing {
namespace {

const std::string kQ3 = "C:\\Games\\Quake3";

// A player killed while it runs: nothing of it runs afterwards.
struct Killed {};

class JournalTest : public ProgramFixture {
 protected:
  JournalTest() {
    AddShippedReleases();
    for (const char* release : {"117", "127h", "130", "131"})
      fake.files.AddFile(Versions() + "\\Quake3." + release, std::string("exe ") + release);
    for (const char* t : {"Kalv.cfg", "KalvSTVEF.cfg", "KalvQ1.cfg", "KalvQ2.cfg", "KalvHL.cfg"})
      fake.files.AddFile(Versions() + "\\" + t, t);
    fake.files.AddFile(Versions() + "\\kalvq2_sub.bin", "companion");
    fake.files.AddFile(Versions() + "\\KalvUT_script.bin", "package");
    fake.files.AddFile(kQ3 + "\\quake3.exe", "exe 131");
    for (int n = 0; n <= 6; ++n)
      fake.files.AddFile(kQ3 + "\\baseq3\\pak" + std::to_string(n) + ".pk3", "pak");
    fake.files.AddFile(kQ3 + "\\baseq3\\q3config.cfg", "seta name player");
    fake.files.AddFile("C:\\Demos\\a.dm_48", "demo");
    LoadMainWindow(p());
    UseFolder(GameCode::Q3A, kQ3);
  }
  std::optional<RestoreRecord> Entry(const char* game) {
    return RestoreJournal(fake.registry, game).Read();
  }
  // The start of the next run of the player, on the same machine; with ask, a start that
  // opens the main window (what a replay finds is put to the user).
  void StartAgain(bool ask = false) {
    program = std::make_unique<Program>(fake.platform());
    CreateWindows(*program);
    ReplayInterruptedRuns(*program, ask);
  }
  std::string Log() { return fake.files.Contents(RunLogPath(fake.system)).value_or(""); }
  void PutEntry(const std::string& game,
                const std::vector<std::pair<std::string, std::string>>& values) {
    for (const auto& [name, value] : values)
      fake.registry.PutString(RegRoot::CurrentUser, std::string(kJournalKey) + "\\" + game, name,
                              value);
  }
  bool PlayQ3(const std::string& demo = "C:\\Demos\\a.dm_48") {
    p().demoPath = demo;
    return PlayToEnd();
  }
};

TEST_F(JournalTest, EntryIsWrittenBeforeTheFirstChangeHoldsTheGameAndGoesAfterTheRestore) {
  const auto before = Snapshot(kQ3);
  std::vector<std::string> changedWithoutEntry;
  fake.files.beforeChange = [&](const std::string& path) {
    if (path.rfind(kQ3, 0) == 0 && !Entry("Q3A") && fake.processes.started().empty())
      changedWithoutEntry.push_back(path);
  };
  bool checked = false;
  fake.processes.whileWaiting = [&] {
    if (checked || fake.processes.started().empty()) return;
    checked = true;
    const auto entry = Entry("Q3A");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->switchBackDir, kQ3);
    EXPECT_EQ(entry->process, fake.processes.started()[0].id);
    EXPECT_EQ(entry->executable, kQ3 + "\\quake3.exe");
    EXPECT_EQ(entry->folder, kQ3);
    EXPECT_EQ(entry->writer, fake.processes.OwnId());
    // The configuration goes back to the attributes it had, not to "normal"; so do the
    // executable and the paks the switch made normal.
    Steps undo = UndoQ3A(DemoRun{kQ3, "", ".dm_48", "", false, false});
    undo.back() = SetAttributes(kQ3 + "\\baseq3\\q3config.cfg", attr::kArchive);
    undo.push_back(SetAttributes(kQ3 + "\\Quake3.exe", attr::kArchive));
    for (int n = 1; n <= 6; ++n)
      undo.push_back(
          SetAttributes(kQ3 + "\\baseq3\\pak" + std::to_string(n) + ".pk3", attr::kArchive));
    EXPECT_EQ(entry->undo, undo);
  };
  EXPECT_TRUE(PlayQ3());
  EXPECT_TRUE(checked);
  EXPECT_TRUE(changedWithoutEntry.empty()) << changedWithoutEntry.front();
  EXPECT_FALSE(Entry("Q3A"));
  EXPECT_FALSE(fake.registry.KeyExists(RegRoot::CurrentUser, kJournalKey));
  EXPECT_EQ(Snapshot(kQ3), before);
}

// The player dies while the game runs. The next start leaves the folder alone while the
// game still runs, and undoes the run once it has ended, even after the settings point
// at another folder.
TEST_F(JournalTest, NextStartUndoesARunCutOffOnceItsGameHasEnded) {
  const auto before = Snapshot(kQ3);
  fake.processes.next.runMilliseconds = 1000000;
  fake.processes.whileWaiting = [&] {
    if (!fake.processes.started().empty()) throw Killed{};
  };
  EXPECT_THROW(PlayQ3(), Killed);
  fake.processes.whileWaiting = nullptr;
  const fake::StartedProcess game = fake.processes.started()[0];
  ASSERT_NE(Snapshot(kQ3), before);
  ASSERT_TRUE(WriteSetting(fake.registry, "Quake 3 Arena Path", "D:\\Elsewhere").ok());

  StartAgain();
  EXPECT_TRUE(fake.files.IsFile(kQ3 + "\\baseq3\\pak6.bak")) << "undone under a running game";
  EXPECT_TRUE(Entry("Q3A"));

  fake.processes.Exit(game.id);
  StartAgain();
  EXPECT_FALSE(Entry("Q3A"));
  EXPECT_EQ(Snapshot(kQ3), before);
  EXPECT_TRUE(fake.dialogs.messages().empty()) << "a replay says nothing";
}

// A file still held keeps the entry; the next start finishes the undo.
TEST_F(JournalTest, ReplayThatCannotFinishTriesAgainNextTime) {
  fake.processes.next.onStart = [&](const fake::StartedProcess&) { throw Killed{}; };
  EXPECT_THROW(PlayQ3(), Killed);
  fake.processes.Exit(fake.processes.started()[0].id);
  fake.files.HoldOpen(kQ3 + "\\baseq3\\Kalvenmarque.cfg");
  StartAgain();
  EXPECT_TRUE(Entry("Q3A"));
  EXPECT_TRUE(fake.files.IsFile(kQ3 + "\\baseq3\\pak6.pk3")) << "the rest is undone already";
  fake.files.ReleaseAll();
  StartAgain();
  EXPECT_FALSE(Entry("Q3A"));
  EXPECT_FALSE(fake.files.Exists(kQ3 + "\\baseq3\\Kalvenmarque.cfg"));
}

// An entry cut off before its mark was written is not an entry; nor is one that names
// another game's key, a step that cannot be read, or a count that is not a number.
TEST_F(JournalTest, EntryWithoutItsMarkOrWithGarbageIsIgnored) {
  RestoreRecord record{"HL", {DeleteFile("C:\\x\\valve\\Kalvenmarque.dem")}, "", 0, ""};
  fake.files.AddFile("C:\\x\\valve\\Kalvenmarque.dem", "kept");
  ASSERT_TRUE(RestoreJournal(fake.registry, "HL").Write(record).ok());
  // A complete entry stands for changes not yet undone: no write replaces it.
  EXPECT_EQ(RestoreJournal(fake.registry, "HL").Write(record).number(), err::kFileExists);
  ASSERT_TRUE(RestoreJournal(fake.registry, "HL").Clear().ok());
  const std::string key = std::string(kJournalKey) + "\\HL";
  for (const auto& [name, value] : std::vector<std::pair<std::string, std::string>>{
           {"Complete", "0"}, {"Steps", "x"}, {"Step 1", "explode|C:\\x"}, {"Game", "UT"}}) {
    ASSERT_TRUE(RestoreJournal(fake.registry, "HL").Write(record).ok());
    fake.registry.PutString(RegRoot::CurrentUser, key, name, value);
    EXPECT_FALSE(Entry("HL")) << name;
    StartAgain();
    EXPECT_TRUE(fake.files.IsFile("C:\\x\\valve\\Kalvenmarque.dem")) << name;
  }
  ASSERT_TRUE(RestoreJournal(fake.registry, "HL").Write(record).ok());
  StartAgain();
  EXPECT_FALSE(fake.files.Exists("C:\\x\\valve\\Kalvenmarque.dem"));
}

// Quake 2 is left to a running companion; once none runs, the player undoes it.
TEST_F(JournalTest, QuakeTwoEntryWaitsForItsCompanion) {
  const std::string q2 = "C:\\Games\\Quake2";
  fake.files.AddFile(q2 + "\\baseq2\\config.cfg", "cfg", attr::kReadOnly);
  fake.files.AddFile(q2 + "\\baseq2\\kalvenmarque.cfg", "one-off");
  ASSERT_TRUE(RestoreJournal(fake.registry, "Q2")
                  .Write(RestoreRecord{"Q2", q2::Undo(q2, false), "", 0, ""})
                  .ok());
  fake.system.runningPrograms.insert("KALVQ2_SUB.EXE");
  StartAgain();
  EXPECT_TRUE(fake.files.Exists(q2 + "\\baseq2\\kalvenmarque.cfg"));
  fake.system.runningPrograms.clear();
  StartAgain();
  EXPECT_FALSE(fake.files.Exists(q2 + "\\baseq2\\kalvenmarque.cfg"));
  EXPECT_EQ(*fake.files.Attributes(q2 + "\\baseq2\\config.cfg") & attr::kReadOnly, 0u);
}

// For every game and every single preparation step made to fail, the run still ends
// with the folder as it began: no path leaves it half-prepared.
TEST_F(JournalTest, EveryGameEndsAsItBeganWhicheverPreparationStepFails) {
  struct Game {
    std::string dir, demo, demoBytes;
    Steps prepare;
    std::function<void()> install;
  };
  const std::string e = "C:\\Games\\EF", q1 = "C:\\Games\\Quake", q2 = "C:\\Games\\Quake2",
                    hl = "C:\\Games\\Half-Life", ut = "C:\\Games\\UT";
  const std::string install = fake.system.programDirectory;
  auto Run = [&](const std::string& dir) {
    DemoRun run;
    run.dir = dir;
    run.installDir = install;
    return run;
  };
  DemoRun q3run{kQ3, install, ".dm_48", "", false, false};
  const std::vector<Game> games = {
      {kQ3, "C:\\Demos\\a.dm_48", "demo", PrepareQ3A(q3run, true), [] {}},
      {e, "C:\\Demos\\a.efdemo", "\\protocol\\24", PrepareSTVEF(Run(e)),
       [&] {
         for (const char* f : {"\\stvoyhm.exe", "\\baseef\\pak0.pk3", "\\baseef\\pak2.pk3",
                               "\\baseef\\hmconfig.cfg"})
           fake.files.AddFile(e + f, f);
         UseFolder(GameCode::STVEF, e);
       }},
      {q1, "C:\\Demos\\a.dem", "maps/e1m1.bsp", PrepareQ1(Run(q1)),
       [&] {
         for (const char* f : {"\\q.exe", "\\id1\\pak0.pak", "\\id1\\config.cfg"})
           fake.files.AddFile(q1 + f, f);
         UseFolder(GameCode::Q1, q1);
       }},
      {q2, "C:\\Demos\\a.dm2", "demo", q2::Prepare(q2, install),
       [&] {
         for (const char* f : {"\\baseq2\\pak0.pak", "\\baseq2\\config.cfg"})
           fake.files.AddFile(q2 + f, f);
         fake.files.AddDirectory(q2 + "\\baseq2\\demos");
         p().choices.dir(GameCode::Q2) = q2;
         fake.processes.shellOpenResult = Status::Fail(err::kPermissionDenied);
       }},
      {hl, "C:\\Demos\\b.dem", "HLDEMO", PrepareHL(Run(hl)),
       [&] {
         for (const char* f : {"\\hl.exe", "\\valve\\config.cfg"}) fake.files.AddFile(hl + f, f);
         UseFolder(GameCode::HL, hl);
       }},
      {ut, "C:\\Demos\\c.dem", "ut", PrepareUT(Run(ut)),
       [&] {
         for (const char* f : {"\\System\\UnrealTournament.exe", "\\System\\BotPack.u"})
           fake.files.AddFile(ut + f, f);
         p().choices.dir(GameCode::UT) = ut;
       }},
  };
  for (const Game& game : games) {
    game.install();
    fake.files.AddFile(game.demo, game.demoBytes);
    const auto before = Snapshot(game.dir);
    for (std::size_t failing = 0; failing <= game.prepare.size(); ++failing) {
      SCOPED_TRACE(game.dir + ", failing step " + std::to_string(failing));
      const std::string path =
          failing < game.prepare.size() ? game.prepare[failing].path : game.demo;
      fake.files.FailPath(path, err::kPermissionDenied);
      p().demoPath = game.demo;
      EXPECT_TRUE(PlayToEnd());
      fake.files.FailPath(path, 0);
      auto after = Snapshot(game.dir);
      after.erase("c:\\games\\quake2\\kalvq2_sub.exe");  // the companion stays
      EXPECT_EQ(after, before);
    }
  }
}

// An entry any program of the user could have written is not carried out unless it is one
// this program writes: a file outside its game's own files, a step no run makes, a folder
// that is no plain path. Each is set aside with every value it had, the user is told once
// and the log says why; the game plays on afterwards.
TEST_F(JournalTest, AnEntryThisProgramDidNotWriteIsSetAsideNotCarriedOut) {
  const std::string hosts = "C:\\Windows\\System32\\drivers\\etc\\hosts";
  const std::string hl = "C:\\Games\\Half-Life";
  fake.files.AddFile(hosts, "127.0.0.1 localhost", attr::kReadOnly);
  fake.files.AddFile(hl + "\\valve\\config.cfg", "bind x y", attr::kReadOnly);
  const std::vector<std::vector<std::pair<std::string, std::string>>> crafted = {
      {{"Step 1", "delete|" + hosts}, {"Steps", "1"}, {"Game", "HL"}, {"Complete", "1"}},
      {{"Step 1", "delete|" + hosts},
       {"Steps", "1"},
       {"Game", "HL"},
       {"Folder", "C:\\Windows\\System32\\drivers\\etc"},
       {"Complete", "1"}},
      {{"Step 1", "copy|" + hl + "\\valve\\config.cfg|" + hosts},
       {"Steps", "1"},
       {"Game", "HL"},
       {"Folder", hl},
       {"Complete", "1"}},
      {{"Step 1", "delete|" + hl + "\\valve\\..\\..\\..\\Windows\\x\\config.cfg"},
       {"Steps", "1"},
       {"Game", "HL"},
       {"Complete", "1"}},
      {{"Step 1", "normal|" + hl + "\\valve\\config.cfg"},
       {"Steps", "1"},
       {"Game", "HL"},
       {"Folder", hl},
       {"Switch back", hl},
       {"Complete", "1"}},
  };
  int n = 0;
  for (const auto& values : crafted) {
    SCOPED_TRACE(values.front().second);
    ++n;
    PutEntry("HL", values);
    fake.dialogs.answers.clear();
    const std::size_t shown = fake.dialogs.messages().size();
    StartAgain(true);
    EXPECT_EQ(fake.files.Contents(hosts), "127.0.0.1 localhost");
    EXPECT_EQ(fake.files.Attributes(hl + "\\valve\\config.cfg").value_or(0) & attr::kReadOnly,
              attr::kReadOnly);
    EXPECT_FALSE(Entry("HL"));
    const std::string aside = std::string(kSetAsideKey) + "\\HL " + std::to_string(n);
    for (const auto& [name, value] : values)
      EXPECT_EQ(fake.registry.Value(RegRoot::CurrentUser, aside, name), value) << name;
    ASSERT_EQ(fake.dialogs.messages().size(), shown + 1);
    EXPECT_EQ(fake.dialogs.messages()[shown].text.rfind(
                  "Kalvenmarque found a record of a demo run of Half-Life in the registry that "
                  "it did not write itself: ",
                  0),
              0u);
    EXPECT_NE(fake.dialogs.messages()[shown].text.find("HKEY_CURRENT_USER\\" + aside),
              std::string::npos);
  }
  EXPECT_NE(
      Log().find("set aside, not carried out (" + hosts +
                 " is not a file of its runs in C:\\Windows\\System32\\drivers\\etc; kept as"),
      std::string::npos)
      << Log();
  EXPECT_NE(Log().find("it would do to " + hl + "\\valve\\config.cfg what no run of it does"),
            std::string::npos);

  // Opened with a demo of that game, the player sets it aside the same way and plays.
  PutEntry("Q3A",
           {{"Step 1", "delete|" + hosts}, {"Steps", "1"}, {"Game", "Q3A"}, {"Complete", "1"}});
  const auto before = Snapshot(kQ3);
  program = std::make_unique<Program>(fake.platform());
  CreateWindows(*program);
  LoadMainWindow(p());
  p().choices.dir(GameCode::Q3A) = kQ3;
  EXPECT_TRUE(PlayQ3());
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(fake.files.Contents(hosts), "127.0.0.1 localhost");
  EXPECT_EQ(fake.processes.started().size(), 1u) << "the demo played";
  EXPECT_EQ(Snapshot(kQ3), before);
  EXPECT_TRUE(fake.registry.KeyExists(RegRoot::CurrentUser, std::string(kSetAsideKey) + "\\Q3A 1"));
}

// An entry whose game folder is gone (the user moved or removed the installation) is
// dropped and the next demo plays; one whose switch back cannot be made names the stored
// executable that is missing, leaves the file steps (its game may hold them) and can be
// forgotten; a complete entry that does not read is never replaced by a write.
TEST_F(JournalTest, NoEntryIsLeftStranded) {
  RestoreRecord gone;
  gone.game = "Q3A";
  gone.folder = "D:\\Moved\\Quake3";
  gone.switchBackDir = gone.folder;
  gone.undo = {DeleteFile(gone.folder + "\\baseq3\\Kalvenmarque.cfg")};
  ASSERT_TRUE(RestoreJournal(fake.registry, "Q3A").Write(gone).ok());
  const auto before = Snapshot(kQ3);
  EXPECT_TRUE(PlayQ3());
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(fake.processes.started().size(), 1u);
  EXPECT_TRUE(fake.dialogs.messages().empty());
  EXPECT_EQ(Snapshot(kQ3), before);
  EXPECT_NE(Log().find("the Q3A run in D:\\Moved\\Quake3, cut off earlier: dropped: its game "
                       "folder is gone"),
            std::string::npos);

  // The game held its files when the player was killed; the newest stored executable has
  // gone from the store since.
  fake.processes.next.onStart = [&](const fake::StartedProcess&) { throw Killed{}; };
  EXPECT_THROW(PlayQ3(), Killed);
  fake.processes.next.onStart = nullptr;
  fake.processes.Exit(fake.processes.started().back().id);
  const auto during = Snapshot(kQ3);
  ASSERT_TRUE(fake.files.Delete(Versions() + "\\Quake3.131").ok());
  fake.dialogs.answers = {Answer::No};
  StartAgain(true);
  EXPECT_EQ(Snapshot(kQ3), during) << "the file steps wait for the switch back";
  ASSERT_EQ(fake.dialogs.messages().size(), 1u);
  EXPECT_NE(fake.dialogs.messages()[0].text.find("What is left:\r\n    " + Versions() +
                                                 "\\Quake3.131 (53 File not found)"),
            std::string::npos)
      << fake.dialogs.messages()[0].text;
  EXPECT_TRUE(Entry("Q3A"));
  fake.dialogs.answers = {Answer::Yes};
  StartAgain(true);
  EXPECT_FALSE(Entry("Q3A"));
  EXPECT_EQ(Snapshot(kQ3), during) << "a forgotten run leaves its files as they are";
  EXPECT_NE(Log().find("forgotten by the user"), std::string::npos);

  PutEntry("HL", {{"Steps", "many"}, {"Game", "HL"}, {"Complete", "1"}});
  RestoreRecord fresh;
  fresh.game = "HL";
  EXPECT_EQ(RestoreJournal(fake.registry, "HL").Write(fresh).number(), err::kFileExists);
  EXPECT_EQ(fake.registry.Value(RegRoot::CurrentUser, std::string(kJournalKey) + "\\HL", "Steps"),
            "many");
}

// An entry is not undone while the program that wrote it still runs, even before its game
// is noted in it (a second player, another session): the game may be starting.
TEST_F(JournalTest, AnEntryWaitsForThePlayerThatWroteIt) {
  fake.files.AddFile("C:\\Other\\Kalvenmarque.exe", "MZ");
  fake.processes.next.runMilliseconds = 1000000;
  auto first = fake.processes.Start("C:\\Other\\Kalvenmarque.exe", "", ShowMode::Normal);
  ASSERT_TRUE(first.ok());
  fake.files.AddFile(kQ3 + "\\baseq3\\Kalvenmarque.cfg", "the first player's");
  RestoreRecord record;
  record.game = "Q3A";
  record.folder = kQ3;
  record.undo = {DeleteFile(kQ3 + "\\baseq3\\Kalvenmarque.cfg")};
  record.writer = first.value()->Id();
  record.writerExecutable = "C:\\Other\\Kalvenmarque.exe";
  ASSERT_TRUE(RestoreJournal(fake.registry, "Q3A").Write(record).ok());
  StartAgain();
  EXPECT_TRUE(fake.files.IsFile(kQ3 + "\\baseq3\\Kalvenmarque.cfg"));
  EXPECT_TRUE(Entry("Q3A"));
  fake.processes.Exit(first.value()->Id());
  StartAgain();
  EXPECT_FALSE(fake.files.Exists(kQ3 + "\\baseq3\\Kalvenmarque.cfg"));
  EXPECT_FALSE(Entry("Q3A"));
}

}  // namespace
}  // namespace kalv::testing
