// Quake 1, Quake 2, Half-Life and Unreal Tournament demos end to end on the in-memory
// platform: the dispatcher reaching each game from a real-looking file, the prepared files
// as the game (or the Quake 2 companion) finds them, and the folder afterwards.
#include <string>
#include <vector>

#include "demo_layouts.h"
#include "games_fixture.h"
#include "core/restore_journal.h"
#include "launcher/base/localized.h"
#include "launcher/base/settings.h"
#include "launcher/dispatch.h"
#include "launcher/startup.h"

namespace kalv::testing {
namespace {

using namespace layout;

const std::string kQ1 = "C:\\Games\\Quake";
const std::string kQ2 = "C:\\Games\\Quake 2";
const std::string kHL = "C:\\Program Files\\Sierra\\Half-Life";
const std::string kUT = "C:\\UnrealTournament";

class PlayOtherTest : public ProgramFixture {
 protected:
  PlayOtherTest() {
    for (const char* t : {"KalvQ1.cfg", "KalvQ2.cfg", "KalvHL.cfg"})
      fake.files.AddFile(Versions() + "\\" + t, std::string("template ") + t);
    fake.files.AddFile(Versions() + "\\kalvq2_sub.bin", "companion");
    fake.files.AddFile(Versions() + "\\KalvUT_script.bin", "package");
  }
  void Setting(const char* key, const std::string& value) {
    ASSERT_TRUE(WriteSetting(fake.registry, key, value).ok());
  }
  // Dispatches a demo as the start-up does; every run ends the program.
  bool Play(const std::string& demo, const std::string& contents) {
    fake.files.AddFile(demo, contents);
    p().demoPath = demo;
    return PlayToEnd();
  }
  bool ReadOnly(const std::string& path) const {
    return (fake.files.Attributes(path).value_or(0) & attr::kReadOnly) != 0;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : fake.dialogs.messages()) texts.push_back(m.text);
    return texts;
  }
};

// The stored executable of three is started; the folder ends as it began.
TEST_F(PlayOtherTest, QuakeOneDemoPlaysWithTheChosenExecutable) {
  for (const char* exe : {"glquake.exe", "q.exe", "winquake.exe"})
    fake.files.AddFile(kQ1 + "\\" + exe, "MZ");
  fake.files.AddFile(kQ1 + "\\id1\\pak0.pak", "PACK");
  fake.files.AddFile(kQ1 + "\\id1\\config.cfg", "bind x y");
  Setting("Quake 1 Executible", "winquake.exe");
  UseFolder(GameCode::Q1, kQ1);
  const auto before = Snapshot(kQ1);
  bool checked = false;
  fake.processes.next.onStart = [&](const fake::StartedProcess& game) {
    checked = true;
    EXPECT_EQ(game.executable, kQ1 + "\\winquake.exe");
    EXPECT_EQ(game.commandLine, kQ1 + "\\winquake.exe -basedir " + kQ1 + " +exec kalvenmarque.cfg");
    EXPECT_EQ(fake.files.Contents(kQ1 + "\\id1\\kalvenmarque.cfg"), "template KalvQ1.cfg");
    EXPECT_TRUE(fake.files.IsFile(kQ1 + "\\id1\\Kalvenmarque.dem"));
    EXPECT_TRUE(ReadOnly(kQ1 + "\\id1\\config.cfg"));
  };
  EXPECT_TRUE(Play("c:\\demos\\e1m1.dem", std::string("\x01\x00\x00\x00maps/e1m1.bsp\0", 18)));
  EXPECT_TRUE(checked);
  EXPECT_EQ(Snapshot(kQ1), before);
  EXPECT_EQ(exitCode, 0);

  // Without any executable the run ends silently, its copies undone.
  for (const char* exe : {"glquake.exe", "q.exe", "winquake.exe"})
    ASSERT_TRUE(fake.files.Delete(kQ1 + "\\" + exe).ok());
  ASSERT_TRUE(options().lstQ1.Refresh().ok());
  const auto bare = Snapshot(kQ1);
  EXPECT_TRUE(Play("c:\\demos\\e1m1.dem", "maps/e1m1.bsp"));
  EXPECT_EQ(fake.processes.started().size(), 1u);
  EXPECT_TRUE(fake.dialogs.messages().empty());
  EXPECT_EQ(Snapshot(kQ1), bare);
}

// Executable names with blanks and letters outside ASCII go into the command line as they
// are, unquoted, and the executable is named to the start by its own path.
TEST_F(PlayOtherTest, QuakeOneExecutableWithBlanksAndNonAsciiLetters) {
  fake.files.AddFile(kQ1 + "\\Mein Qu\xC3\xA4ke.exe", "MZ");
  fake.files.AddFile(kQ1 + "\\id1\\pak0.pak", "PACK");
  Setting("Quake 1 Executible", "Mein Qu\xC3\xA4ke.exe");
  UseFolder(GameCode::Q1, kQ1);
  EXPECT_TRUE(Play("c:\\demos\\e1m1.dem", "maps/e1m1.bsp"));
  ASSERT_EQ(fake.processes.started().size(), 1u);
  EXPECT_EQ(fake.processes.started()[0].executable, kQ1 + "\\Mein Qu\xC3\xA4ke.exe");
  EXPECT_EQ(fake.processes.started()[0].commandLine,
            kQ1 + "\\Mein Qu\xC3\xA4ke.exe -basedir " + kQ1 + " +exec kalvenmarque.cfg");
}

// The game reads "-basedir" up to the first blank: in a folder with one it is started in
// its folder, its base folder by default, without naming it.
TEST_F(PlayOtherTest, QuakeOneInAFolderWithABlankIsStartedInItsFolder) {
  const std::string dir = "C:\\Program Files (x86)\\Quake";
  fake.files.AddFile(dir + "\\winquake.exe", "MZ");
  fake.files.AddFile(dir + "\\id1\\pak0.pak", "PACK");
  p().choices.dir(GameCode::Q1) = dir;
  EXPECT_TRUE(Play("c:\\demos\\e1m1.dem", "maps/e1m1.bsp"));
  ASSERT_EQ(fake.processes.started().size(), 1u);
  EXPECT_EQ(fake.processes.started()[0].commandLine, dir + "\\winquake.exe +exec kalvenmarque.cfg");
  EXPECT_EQ(fake.processes.started()[0].workingDir, dir);
}

// Half-Life under a folder with blanks: the executable is named to the start, so no
// unquoted-path search ever reaches C:\Program.exe; cstrike.exe stands in for hl.exe.
TEST_F(PlayOtherTest, HalfLifeOrCounterStrikeStartsByItsOwnPath) {
  fake.files.AddFile("C:\\Program.exe", "decoy");
  fake.files.AddFile(kHL + "\\cstrike.exe", "MZ");
  fake.files.AddFile(kHL + "\\valve\\config.cfg", "name player");
  UseFolder(GameCode::HL, kHL);
  const auto before = Snapshot(kHL);
  fake.processes.next.onStart = [&](const fake::StartedProcess& game) {
    EXPECT_EQ(game.executable, kHL + "\\cstrike.exe");
    EXPECT_EQ(game.commandLine,
              kHL + "\\cstrike.exe -console +connect localhost +exec kalvenmarque.cfg");
    EXPECT_EQ(fake.files.Contents(kHL + "\\valve\\kalvenmarque.cfg"), "template KalvHL.cfg");
    EXPECT_TRUE(fake.files.IsFile(kHL + "\\valve\\Kalvenmarque.dem"));
    EXPECT_TRUE(ReadOnly(kHL + "\\valve\\config.cfg"));
  };
  EXPECT_TRUE(Play("c:\\demos\\de_dust.dem", "HLDEMO\0\0\0\x05"));
  EXPECT_EQ(Snapshot(kHL), before);

  fake.files.AddFile(kHL + "\\hl.exe", "MZ");
  fake.processes.next.onStart = [&](const fake::StartedProcess& game) {
    EXPECT_EQ(game.commandLine,
              kHL + "\\hl.exe -console +connect localhost +exec kalvenmarque.cfg");
  };
  EXPECT_TRUE(Play("c:\\demos\\de_dust.dem", "hldemo"));
  EXPECT_EQ(fake.processes.started().size(), 2u);
}

// A demo names the game folder it was recorded in: another game than Half-Life's own plays
// in its folder with "-game <folder>", its own configuration protected; a "valve" demo
// keeps the command line as it always was; a game the installation lacks is named and
// nothing changes.
TEST_F(PlayOtherTest, HalfLifeDemosPlayInTheGameTheyWereRecordedIn) {
  fake.files.AddFile(kHL + "\\hl.exe", "MZ");
  fake.files.AddFile(kHL + "\\valve\\config.cfg", "name player");
  fake.files.AddFile(kHL + "\\cstrike\\config.cfg", "name cs player");
  p().choices.dir(GameCode::HL) = kHL;
  const auto before = Snapshot(kHL);
  fake.processes.next.onStart = [&](const fake::StartedProcess& game) {
    EXPECT_EQ(game.commandLine, kHL +
                                    "\\hl.exe -game cstrike -console +connect localhost +exec "
                                    "kalvenmarque.cfg");
    EXPECT_EQ(fake.files.Contents(kHL + "\\cstrike\\kalvenmarque.cfg"), "template KalvHL.cfg");
    EXPECT_TRUE(fake.files.IsFile(kHL + "\\cstrike\\Kalvenmarque.dem"));
    EXPECT_TRUE(ReadOnly(kHL + "\\cstrike\\config.cfg"));
    EXPECT_FALSE(ReadOnly(kHL + "\\valve\\config.cfg"));
    EXPECT_FALSE(fake.files.Exists(kHL + "\\valve\\Kalvenmarque.dem"));
  };
  for (int protocol : {4, 5}) {
    EXPECT_TRUE(Play("c:\\demos\\de_dust2.dem", HalfLife(protocol, 48, "de_dust2", "cstrike")));
    EXPECT_EQ(Snapshot(kHL), before);
  }
  // A relay's recording: its name carries ".dem" twice.
  EXPECT_TRUE(
      Play("c:\\demos\\final.dem-0412-de_dust2.dem", HalfLife(5, 48, "de_dust2", "cstrike")));
  EXPECT_EQ(fake.processes.started().size(), 3u);

  fake.processes.next.onStart = [&](const fake::StartedProcess& game) {
    EXPECT_EQ(game.commandLine,
              kHL + "\\hl.exe -console +connect localhost +exec kalvenmarque.cfg");
  };
  EXPECT_TRUE(Play("c:\\demos\\c1a0.dem", HalfLife(5, 48, "c1a0", "valve")));
  EXPECT_EQ(fake.processes.started().size(), 4u);

  EXPECT_TRUE(Play("c:\\demos\\2fort.dem", HalfLife(5, 48, "2fort", "tfc")));
  EXPECT_EQ(fake.processes.started().size(), 4u);
  ASSERT_FALSE(Texts().empty())
      << fake.files.Contents("C:\\Users\\Player\\AppData\\Local\\Kalvenmarque\\Kalvenmarque.log")
             .value_or("");
  EXPECT_EQ(Texts().back(),
            "This demo was recorded in Team Fortress Classic (\"tfc\"), which the "
            "Half-Life installation does not hold: " +
                kHL +
                "\\tfc is missing. Install that game, then open the demo again. "
                "Nothing was changed.");
  EXPECT_EQ(exitCode, 1);
  EXPECT_EQ(Snapshot(kHL), before);
}

// A Quake 2 demo names its server's game folder: the companion is told to start Quake 2 in
// it; a folder the installation lacks is named and nothing changes. A demo of a later
// engine's protocol is asked about first: No changes nothing, Yes plays it.
TEST_F(PlayOtherTest, QuakeTwoDemosOfAGameFolderOrAnotherProtocol) {
  fake.files.AddFile(kQ2 + "\\baseq2\\pak0.pak", "PACK");
  fake.files.AddFile(kQ2 + "\\quake2.exe", "game");
  fake.files.AddDirectory(kQ2 + "\\opentdm");
  p().choices.dir(GameCode::Q2) = kQ2;
  const std::string companion = "\"" + kQ2 + "\\kalvq2_sub.exe\" /Quake2SubFunction";
  // Each companion is taken as having done its work, so the next run may replace it.
  auto clear = [&] {
    for (const auto& started : fake.processes.started()) fake.processes.Exit(started.id);
    (void)RestoreJournal(fake.registry, "Q2").Clear();
  };

  EXPECT_TRUE(Play("c:\\demos\\tdm.dm2", Quake2(Quake2ServerDataMessage(34, 0, "opentdm"))));
  ASSERT_EQ(fake.processes.started().size(), 1u);
  EXPECT_EQ(fake.processes.started()[0].commandLine, companion + " /Game:opentdm");
  clear();
  EXPECT_TRUE(Play("c:\\demos\\base.dm2", Quake2(Quake2ServerDataMessage(34, 0, ""))));
  ASSERT_EQ(fake.processes.started().size(), 2u);
  EXPECT_EQ(fake.processes.started()[1].commandLine, companion);
  clear();

  (void)fake.files.Delete(kQ2 + "\\kalvenmarque.cfg");
  const auto before = Snapshot(kQ2);
  EXPECT_TRUE(Play("c:\\demos\\ra2.dm2", Quake2(Quake2ServerDataMessage(34, 0, "arena"))));
  ASSERT_FALSE(Texts().empty());
  EXPECT_EQ(Texts().back(),
            "This demo was recorded in the Quake 2 game folder \"arena\", which "
            "the Quake 2 installation does not hold: " +
                kQ2 +
                "\\arena is missing. Install that game, then open the demo "
                "again. Nothing was changed.");
  EXPECT_EQ(Snapshot(kQ2), before);

  const std::size_t shown = Texts().size();
  fake.dialogs.answers.push_back(Answer::No);
  EXPECT_TRUE(Play("c:\\demos\\port.dm2", Quake2(Quake2ServerDataMessage(36, 0, ""))));
  ASSERT_EQ(Texts().size(), shown + 1);
  EXPECT_EQ(Texts().back().substr(0, 62),
            "This Quake 2 demo was recorded with protocol 36, not with prot");
  EXPECT_EQ(fake.dialogs.messages().back().buttons, Buttons::YesNo);
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(Snapshot(kQ2), before);
  EXPECT_EQ(fake.processes.started().size(), 2u);

  clear();
  fake.dialogs.answers.push_back(Answer::Yes);
  EXPECT_TRUE(Play("c:\\demos\\port.dm2", Quake2(Quake2ServerDataMessage(36, 0, ""))));
  EXPECT_EQ(fake.processes.started().size(), 3u);
}

// A folder with the game data but neither executable plays nothing and touches nothing.
TEST_F(PlayOtherTest, HalfLifeFolderWithoutAnExecutableIsNotAGameToPlay) {
  fake.files.AddFile(kHL + "\\valve\\pak0.pak", "PACK");
  p().choices.dir(GameCode::HL) = kHL;
  const auto before = Snapshot(kHL);
  EXPECT_TRUE(Play("c:\\demos\\a.dem", "HLDEMO"));
  EXPECT_EQ(Texts(), std::vector<std::string>{"No Half-Life" + LoadText(p(), 415)});
  EXPECT_EQ(Snapshot(kHL), before);
  EXPECT_EQ(exitCode, 1);
}

// Only an exact "1" turns a playback option on; the options keep their order.
TEST_F(PlayOtherTest, UnrealTournamentAddressCarriesTheOptionsThatAreOn) {
  fake.files.AddFile(kUT + "\\System\\UnrealTournament.exe", "MZ");
  fake.files.AddFile(kUT + "\\System\\BotPack.u", "pkg");
  p().choices.dir(GameCode::UT) = kUT;
  const auto before = Snapshot(kUT);
  const std::string address =
      kUT +
      "\\System\\UnrealTournament.exe UT-Logo-Map.unr?Game=kalvenmarque.kalvenmarque"
      "?demo=kalvenmarque.dem";
  std::vector<std::string> lines;
  fake.processes.next.onStart = [&](const fake::StartedProcess& game) {
    lines.push_back(game.commandLine);
    EXPECT_EQ(fake.files.Contents(kUT + "\\system\\kalvenmarque.u"), "package");
    EXPECT_EQ(fake.files.Contents(kUT + "\\system\\Kalvenmarque.dem"), "random demo bytes");
  };
  EXPECT_TRUE(Play("c:\\demos\\ctf.dem", "random demo bytes"));
  Setting("Unreal Tournament - No Frame Cap", " 1");
  Setting("Unreal Tournament - Time Based", "true");
  Setting("Unreal Tournament - 3rd Person", "-1");
  EXPECT_TRUE(Play("c:\\demos\\ctf.dem", "random demo bytes"));
  for (const char* key : {"Unreal Tournament - No Frame Cap", "Unreal Tournament - Time Based",
                          "Unreal Tournament - 3rd Person"})
    Setting(key, "1");
  EXPECT_TRUE(Play("c:\\demos\\ctf.dem", "random demo bytes"));
  EXPECT_EQ(lines, (std::vector<std::string>{address + "?timebased", address,
                                             address + "?noframecap?timebased?3rdperson"}));
  EXPECT_EQ(Snapshot(kUT), before);
}

// The player prepares and hands over to the companion, which it starts in the Quake 2
// folder, and ends at once; the companion stays there for the next run.
TEST_F(PlayOtherTest, QuakeTwoIsHandedToItsCompanion) {
  fake.files.AddFile(kQ2 + "\\baseq2\\pak0.pak", "PACK");
  fake.files.AddFile(kQ2 + "\\baseq2\\config.cfg", "name player");
  fake.files.AddFile(kQ2 + "\\kalvq2_sub.exe", "old companion", attr::kReadOnly);
  fake.files.AddFile(kQ2 + "\\quake2.exe", "game");
  p().choices.dir(GameCode::Q2) = kQ2;
  fake.processes.next.runMilliseconds = 1000000;
  EXPECT_TRUE(Play("c:\\demos\\q2dm1.dm2", "demo"));
  ASSERT_EQ(fake.processes.started().size(), 1u) << "the player starts no game itself";
  const fake::StartedProcess& companion = fake.processes.started()[0];
  EXPECT_EQ(companion.executable, kQ2 + "\\kalvq2_sub.exe");
  EXPECT_EQ(companion.commandLine, "\"" + kQ2 + "\\kalvq2_sub.exe\" /Quake2SubFunction");
  EXPECT_EQ(companion.workingDir, kQ2);
  // The entry is the companion's to undo, and names it, so that no player undoes it
  // while the companion runs.
  const auto entry = RestoreJournal(fake.registry, "Q2").Read();
  ASSERT_TRUE(entry);
  EXPECT_TRUE(entry->handedOver);
  EXPECT_EQ(entry->process, companion.id);
  EXPECT_EQ(entry->executable, kQ2 + "\\kalvq2_sub.exe");
  EXPECT_EQ(fake.files.Contents(kQ2 + "\\kalvq2_sub.exe"), "companion");
  EXPECT_EQ(fake.files.Contents(kQ2 + "\\baseq2\\kalvenmarque.cfg"), "template KalvQ2.cfg");
  EXPECT_EQ(fake.files.Contents(kQ2 + "\\baseq2\\demos\\Kalvenmarque.dm2"), "demo");
  EXPECT_TRUE(ReadOnly(kQ2 + "\\baseq2\\config.cfg"));
  EXPECT_EQ(fake.clock.waits, 0) << "the player does not wait for the companion";
  EXPECT_EQ(exitCode, 0);
}

// A companion that cannot take over would leave the folder prepared with nobody to clean
// it: the run is undone and the user told, naming the companion.
TEST_F(PlayOtherTest, QuakeTwoCompanionThatCannotStartIsUndoneAndNamed) {
  fake.files.AddFile(kQ2 + "\\baseq2\\pak0.pak", "PACK");
  fake.files.AddFile(kQ2 + "\\baseq2\\config.cfg", "name player");
  fake.files.AddDirectory(kQ2 + "\\baseq2\\demos");
  fake.files.AddFile(kQ2 + "\\quake2.exe", "game");
  p().choices.dir(GameCode::Q2) = kQ2;
  const auto before = Snapshot(kQ2);
  fake.files.FailPath(kQ2 + "\\kalvq2_sub.exe", err::kFileNotFound);
  EXPECT_TRUE(Play("c:\\demos\\q2dm1.dm2", "demo"));
  ASSERT_EQ(Texts().size(), 1u);
  EXPECT_NE(Texts()[0].find(kQ2 + "\\kalvq2_sub.exe (53 File not found)"), std::string::npos)
      << Texts()[0];
  EXPECT_EQ(Snapshot(kQ2), before);
  EXPECT_EQ(exitCode, 1);

  EXPECT_FALSE(RestoreJournal(fake.registry, "Q2").Read()) << "undone, so nothing pending";

  fake.files.FailPath(kQ2 + "\\kalvq2_sub.exe", 0);
  ASSERT_TRUE(fake.files.Delete(Versions() + "\\kalvq2_sub.bin").ok());
  EXPECT_TRUE(Play("c:\\demos\\q2dm1.dm2", "demo"));
  EXPECT_EQ(Texts().size(), 2u);
  EXPECT_TRUE(fake.processes.started().empty()) << "nothing to start";
  EXPECT_EQ(Snapshot(kQ2), before);

  // Without quake2.exe nothing is prepared at all, and the message names the file.
  ASSERT_TRUE(fake.files.Delete(kQ2 + "\\quake2.exe").ok());
  EXPECT_TRUE(Play("c:\\demos\\q2dm1.dm2", "demo"));
  ASSERT_EQ(Texts().size(), 3u);
  EXPECT_NE(Texts()[2].find(kQ2 + "\\quake2.exe is missing"), std::string::npos) << Texts()[2];
  auto withoutGame = before;
  withoutGame.erase("c:\\games\\quake 2\\quake2.exe");
  EXPECT_EQ(Snapshot(kQ2), withoutGame);
}

// Demos that are no demos, and game folders whose prepared files cannot be written: a
// clear failure and a folder as it was, never a crash or a half-changed installation.
TEST_F(PlayOtherTest, BadDemosAndUnwritableFoldersFailClearly) {
  fake.files.AddFile(kUT + "\\System\\UnrealTournament.exe", "MZ");
  fake.files.AddFile(kUT + "\\System\\BotPack.u", "pkg");
  p().choices.dir(GameCode::UT) = kUT;
  const auto before = Snapshot(kUT);

  fake.files.AddDirectory("c:\\demos\\folder.dem");
  p().demoPath = "c:\\demos\\folder.dem";
  EXPECT_TRUE(PlayToEnd());
  fake.files.AddFile("c:\\demos\\held.dem", "x");
  fake.files.HoldOpen("c:\\demos\\held.dem");
  p().demoPath = "c:\\demos\\held.dem";
  EXPECT_TRUE(PlayToEnd());
  fake.files.ReleaseAll();
  ASSERT_EQ(fake.dialogs.messages().size(), 2u);
  EXPECT_EQ(fake.dialogs.messages()[0].caption, "Kalvenmarque Kalvenmarque - Error (75)");
  EXPECT_EQ(fake.dialogs.messages()[1].caption, "Kalvenmarque Kalvenmarque - Error (70)");

  // The disk fills up during the demo copy.
  fake.files.SetFreeSpace("C:", 100);
  EXPECT_TRUE(Play("d:\\big.dem", std::string(5000, 'b')));
  fake.files.SetFreeSpace("C:", std::nullopt);
  EXPECT_EQ(fake.dialogs.messages().back().caption, "Kalvenmarque Kalvenmarque - Error (61)");
  EXPECT_TRUE(fake.processes.started().empty());
  EXPECT_EQ(Snapshot(kUT), before);

  // A game folder so deep that the fixed-name files pass the path limit.
  const std::string deep = "C:\\" + std::string(236, 'u');
  fake.files.AddFile(deep + "\\System\\BotPack.u", "pkg");
  p().choices.dir(GameCode::UT) = deep;
  const auto deepBefore = Snapshot(deep);
  EXPECT_TRUE(Play("c:\\demos\\ctf.dem", "demo"));
  EXPECT_TRUE(fake.processes.started().empty());
  EXPECT_EQ(Snapshot(deep), deepBefore);
  EXPECT_EQ(exitCode, 1);
}

}  // namespace
}  // namespace kalv::testing
