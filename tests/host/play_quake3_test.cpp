// Quake 3 Arena demo playback end to end on the in-memory platform: the release switch,
// the prepared files as the game sees them, the restore, the CD prompt, the Launch and
// Convert buttons, and the switches that must refuse to change anything.
#include <string>
#include <vector>

#include "games/quake3/conversion.h"
#include "games/quake3/quake3_files.h"
#include "games/quake3/release_store.h"
#include "games_fixture.h"
#include "launcher/base/localized.h"
#include "launcher/base/settings.h"
#include "launcher/dispatch.h"
#include "launcher/main_window_actions.h"

namespace kalv::testing {
namespace {

const std::string kQ3 = "C:\\Games\\Quake III Arena";
const std::string kDemo = "c:\\demos\\final.dm_48";

class PlayQ3ATest : public ProgramFixture {
 protected:
  PlayQ3ATest() {
    AddShippedReleases();
    for (const char* release : {"117", "127h", "130", "131"})
      fake.files.AddFile(Versions() + "\\Quake3." + release, std::string("exe ") + release);
    fake.files.AddFile(Versions() + "\\Kalv.cfg", "demo Kalvenmarque\r\n");
    fake.files.AddFile(kQ3 + "\\quake3.exe", "exe 131");
    for (int n = 0; n <= 6; ++n) fake.files.AddFile(Pak(n, ".pk3"), "pak" + std::to_string(n));
    fake.files.AddFile(kQ3 + "\\baseq3\\q3config.cfg", "seta name player");
    fake.files.AddFile(kDemo, std::string(5000, 'd'));
    LoadMainWindow(p());
    UseFolder(GameCode::Q3A, kQ3);
  }
  std::string Pak(int n, const char* ending) const {
    return kQ3 + "\\baseq3\\pak" + std::to_string(n) + ending;
  }
  void Setting(const char* key, const std::string& value) {
    ASSERT_TRUE(WriteSetting(fake.registry, key, value).ok());
  }
  void UseMod(const std::string& mod) {
    fake.files.AddFile(kQ3 + "\\" + mod + "\\q3config.cfg", "mod settings");
    Setting("Modification", "Mod: " + mod);
    Setting("ModificationOption", "1");
  }
  // Dispatches the demo as the start-up does; the game exits at once unless a test says.
  bool Play(const std::string& demo = kDemo) {
    p().demoPath = demo;
    return PlayToEnd();
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : fake.dialogs.messages()) texts.push_back(m.text);
    return texts;
  }
};

// The whole run: switched to the demo's release while the game runs, everything prepared,
// then the newest release again and the folder exactly as before, but for a demos folder.
TEST_F(PlayQ3ATest, DemoOfAnOlderReleasePlaysAndLeavesTheFolderAsItWas) {
  UseMod("osp");
  const auto before = Snapshot(kQ3);
  bool checked = false;
  fake.processes.next.onStart = [&](const fake::StartedProcess& game) {
    checked = true;
    EXPECT_EQ(game.executable, kQ3 + "\\quake3.exe");
    EXPECT_EQ(game.commandLine, kQ3 + "\\quake3.exe +set fs_basepath \"" + kQ3 +
                                    "\" +exec Kalvenmarque+set fs_Game osp");
    EXPECT_EQ(fake.files.Contents(kQ3 + "\\Quake3.exe"), "exe 127h");
    for (int n : {1, 2, 3, 4}) EXPECT_TRUE(fake.files.IsFile(Pak(n, ".pk3"))) << n;
    for (int n : {5, 6}) {
      EXPECT_FALSE(fake.files.Exists(Pak(n, ".pk3"))) << n;
      EXPECT_EQ(fake.files.Contents(Pak(n, ".bak")), "pak" + std::to_string(n));
    }
    EXPECT_EQ(fake.files.Contents(kQ3 + "\\baseq3\\kalvenmarque.cfg"), "demo Kalvenmarque\r\n");
    EXPECT_EQ(fake.files.Contents(kQ3 + "\\baseq3\\demos\\Kalvenmarque.dm_48"),
              std::string(5000, 'd'));
    EXPECT_EQ(*fake.files.Attributes(kQ3 + "\\baseq3\\q3config.cfg") & attr::kReadOnly,
              attr::kReadOnly);
    EXPECT_EQ(*fake.files.Attributes(kQ3 + "\\osp\\q3config.cfg") & attr::kReadOnly,
              attr::kReadOnly);
    EXPECT_FALSE(p().frmSplash.window.Visible());
    EXPECT_EQ(fake.clock.sleptTotal, 450u) << "one pause before the start";
  };
  EXPECT_TRUE(Play());
  EXPECT_TRUE(checked) << "the game was never started";
  EXPECT_EQ(Snapshot(kQ3), before);
  EXPECT_TRUE(fake.files.DirectoryExists(kQ3 + "\\baseq3\\demos"));
  EXPECT_TRUE(fake.dialogs.messages().empty());
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(ReleaseOfPaks(p().install(), kQ3)->file, "v1_31.Vrk") << "back on the newest release";
  // The store offer, the switch's check and the switch itself each ask whether the installed
  // executable is a stored one: the stored ones of its length are read once for all three,
  // and the one switched to once more, when the way back asks about it.
  for (const char* release : {"117", "130", "131"})
    EXPECT_EQ(fake.files.BytesRead(Versions() + "\\Quake3." + release), 7u) << release;
  EXPECT_EQ(fake.files.BytesRead(Versions() + "\\Quake3.127h"), 8u);
}

// Each configuration ends with the attributes it had: the mod's, which the user made
// read-only, stays so (the game must not save into it); the game's own is read-only only
// while the game runs. An installation on v1.30 ends on v1.31.
TEST_F(PlayQ3ATest, RestorePutsEachConfigurationBackAsItWasAndEndsOnTheNewestRelease) {
  UseMod("osp");
  Setting("ModificationOption", "0");
  ASSERT_TRUE(fake.files.SetAttributes(kQ3 + "\\osp\\q3config.cfg", attr::kReadOnly).ok());
  fake.files.AddFile(kQ3 + "\\quake3.exe", "exe 130");
  ASSERT_TRUE(fake.files.Rename(Pak(6, ".pk3"), Pak(6, ".bak")).ok());
  fake.processes.next.onStart = [&](const fake::StartedProcess& game) {
    EXPECT_EQ(game.commandLine,
              kQ3 + "\\quake3.exe +set fs_basepath \"" + kQ3 + "\" +exec Kalvenmarque");
    EXPECT_NE(*fake.files.Attributes(kQ3 + "\\baseq3\\q3config.cfg") & attr::kReadOnly, 0u);
  };
  EXPECT_TRUE(Play());
  EXPECT_EQ(fake.files.Contents(kQ3 + "\\Quake3.exe"), "exe 131");
  EXPECT_TRUE(fake.files.IsFile(Pak(6, ".pk3")));
  EXPECT_NE(*fake.files.Attributes(kQ3 + "\\osp\\q3config.cfg") & attr::kReadOnly, 0u);
  EXPECT_EQ(*fake.files.Attributes(kQ3 + "\\baseq3\\q3config.cfg") & attr::kReadOnly, 0u);
}

TEST_F(PlayQ3ATest, DemoOpenedFromItsFixedNameIsNeitherCopiedOntoItselfNorDeleted) {
  const std::string own = kQ3 + "\\baseq3\\demos\\Kalvenmarque.dm_48";
  fake.files.AddFile(own, "the user's demo");
  EXPECT_TRUE(Play(own));
  EXPECT_EQ(fake.processes.started().size(), 1u);
  EXPECT_EQ(fake.files.Contents(own), "the user's demo");
}

// A failure after the switch is reported, then undone like the end of a game.
TEST_F(PlayQ3ATest, GameThatCannotStartIsReportedAndTheFolderRestored) {
  const auto before = Snapshot(kQ3);
  // The game's executable goes missing during the pause before the start.
  fake.processes.whileWaiting = [&] { (void)fake.files.Delete(kQ3 + "\\quake3.exe"); };
  EXPECT_TRUE(Play());
  EXPECT_TRUE(fake.processes.started().empty());
  ASSERT_EQ(Texts().size(), 1u);
  EXPECT_EQ(fake.dialogs.messages()[0].caption, "Kalvenmarque Kalvenmarque - Error (53)");
  EXPECT_EQ(exitCode, 1);
  EXPECT_EQ(Snapshot(kQ3), before) << "switched back, prepared files undone";
}

// The CD prompt of a minimum installation: Retry after the CD went in plays with the CD
// path; Cancel restores without starting anything.
TEST_F(PlayQ3ATest, MinimumInstallationAsksForTheCdUntilItIsThere) {
  ASSERT_TRUE(fake.files.Delete(Pak(0, ".pk3")).ok());
  fake.system.driveTypes["E:\\"] = drive::kCdRom;
  fake.files.AddDirectory("E:\\");
  int prompts = 0;
  fake.dialogs.whileShown = [&](const fake::ShownMessage& box) {
    EXPECT_EQ(box.caption, "Quake 3 Arena CD-Check");
    EXPECT_EQ(box.buttons, Buttons::RetryCancel);
    EXPECT_EQ(box.icon, Icon::Information);
    if (++prompts == 2) fake.files.AddFile("E:\\Quake3\\Quake3.exe", "cd");
  };
  fake.processes.next.onStart = [&](const fake::StartedProcess& game) {
    EXPECT_EQ(game.commandLine, kQ3 +
                                    "\\quake3.exe +set fs_cdpath \"E:\" +exec Kalvenmarque "
                                    "+set fs_basepath \"" +
                                    kQ3 + "\"");
    EXPECT_TRUE(fake.files.IsFile(kQ3 + "\\baseq3\\demos\\Kalvenmarque.dm_48"));
  };
  fake.files.AddDirectory(kQ3 + "\\baseq3\\demos");  // a minimum installation makes none
  EXPECT_TRUE(Play());
  EXPECT_EQ(prompts, 2);
  EXPECT_EQ(Texts()[0],
            "Please insert your Quake 3 Arena CD into your CD-ROM Drive and click retry.");
  EXPECT_EQ(fake.processes.started().size(), 1u);
}

TEST_F(PlayQ3ATest, CancellingTheCdPromptRestoresWithoutAGame) {
  ASSERT_TRUE(fake.files.Delete(Pak(0, ".pk3")).ok());
  fake.files.AddDirectory(kQ3 + "\\baseq3\\demos");
  const auto before = Snapshot(kQ3);
  fake.dialogs.answers = {Answer::Cancel};
  SelectLanguage(2);
  EXPECT_TRUE(Play());
  EXPECT_TRUE(fake.processes.started().empty());
  EXPECT_EQ(Texts(), std::vector<std::string>{"Sit asseblief jou Quake 3 Arena CD in jou CD-ROM "
                                              "en kliek op probeer weer."});
  EXPECT_EQ(Snapshot(kQ3), before);
}

// The four demo command lines and the two of the Launch button, byte for byte.
TEST(Q3ACommandLinesTest, BlanksAndQuotesStandExactlyWhereTheGameExpectsThem) {
  DemoRun run;
  run.dir = "C:\\Q 3";
  run.mod = "osp";
  EXPECT_EQ(Q3ADemoCommandLine(run, ""),
            "C:\\Q 3\\quake3.exe +set fs_basepath \"C:\\Q 3\" +exec Kalvenmarque");
  EXPECT_EQ(Q3ADemoCommandLine(run, "E"),
            "C:\\Q 3\\quake3.exe +set fs_cdpath \"E:\" +exec Kalvenmarque +set fs_basepath "
            "\"C:\\Q 3\"");
  run.useMod = true;
  EXPECT_EQ(Q3ADemoCommandLine(run, ""),
            "C:\\Q 3\\quake3.exe +set fs_basepath \"C:\\Q 3\" +exec Kalvenmarque+set fs_Game osp");
  EXPECT_EQ(Q3ADemoCommandLine(run, "E"),
            "C:\\Q 3\\quake3.exe +set fs_cdpath \"E:\" +exec Kalvenmarque +set fs_basepath "
            "\"C:\\Q 3\" +set fs_Game osp");
  EXPECT_EQ(Q3ALaunchCommandLine("C:\\Q 3", ""),
            "C:\\Q 3\\quake3.exe +set fs_basepath \"C:\\Q 3\"");
  EXPECT_EQ(Q3ALaunchCommandLine("C:\\Q 3", "V"),
            "C:\\Q 3\\quake3.exe +set fs_cdpath \"V:\" +set fs_basepath \"C:\\Q 3\"");
}

// There and back leaves every pak active; a ".bak" whose ".pk3" also exists stays; paks
// above "newestpak" are never touched; read-only files are switched all the same.
TEST_F(PlayQ3ATest, ConversionThereAndBackLeavesEveryPakActive) {
  fake.files.AddFile(Pak(7, ".pk3"), "newer");
  fake.files.AddFile(Pak(3, ".bak"), "stale");
  ASSERT_TRUE(fake.files.SetAttributes(Pak(6, ".pk3"), attr::kReadOnly).ok());
  ASSERT_TRUE(fake.files.SetAttributes(kQ3 + "\\quake3.exe", attr::kReadOnly).ok());
  ASSERT_TRUE(SwitchQuake3(kQ3, "v1_17.Vrk"));
  EXPECT_EQ(fake.files.Contents(kQ3 + "\\quake3.exe"), "exe 117");
  for (int n = 3; n <= 6; ++n) EXPECT_TRUE(fake.files.IsFile(Pak(n, ".bak"))) << n;
  EXPECT_EQ(fake.files.Contents(Pak(3, ".bak")), "stale") << "pak3.pk3 could not be set aside";
  EXPECT_TRUE(fake.files.IsFile(Pak(3, ".pk3")));
  EXPECT_EQ(options().lblQ3AStatus.Caption(), "Quake 3 Arena Status: Found - Version: v1.17");
  ASSERT_TRUE(SwitchQuake3(kQ3, "v1_31.Vrk"));
  for (int n = 1; n <= 7; ++n) EXPECT_TRUE(fake.files.IsFile(Pak(n, ".pk3"))) << n;
  EXPECT_EQ(fake.files.Contents(Pak(3, ".bak")), "stale");
  EXPECT_EQ(fake.files.Contents(Pak(7, ".pk3")), "newer");
  EXPECT_EQ(fake.files.Contents(kQ3 + "\\quake3.exe"), "exe 131");
  EXPECT_TRUE(fake.dialogs.messages().empty()) << "an automatic switch is silent";
}

TEST_F(PlayQ3ATest, ConvertButtonReportsInTheCurrentLanguage) {
  main().cmdConvert.click();
  EXPECT_EQ(Texts(), std::vector<std::string>{"Select a version to convert to."});
  main().comQ3.Select(1);
  main().cmdConvert.click();
  main().comQ3.Select(3);
  SelectLanguage(1);
  main().cmdConvert.click();
  ASSERT_EQ(Texts().size(), 3u);
  EXPECT_EQ(Texts()[1], "Your Quake 3 Arena version has been successfully converted to v1.27h.");
  EXPECT_EQ(Texts()[2],
            "Ihre Quake 3 Arena-Version wurde erfolgreich auf den neuesten Stand "
            "gebracht (v1.31).");
  EXPECT_EQ(fake.dialogs.messages()[2].caption, "Kalvenmarque v1.2.0");
  EXPECT_EQ(fake.dialogs.messages()[2].icon, Icon::Information);
}

// An installation whose executable the store lacks (an empty store, say), but whose paks
// say its release: the user is offered to store it. Yes stores it and the demo plays; a
// store that cannot be written says so and the run is refused as before; an executable
// the paks do not vouch for, or one of a release the store has, is not offered.
TEST_F(PlayQ3ATest, AnInstalledExecutableTheStoreLacksIsOfferedToIt) {
  ASSERT_TRUE(fake.files.Delete(Versions() + "\\Quake3.131").ok());
  const std::string stored = Versions() + "\\Quake3.131";
  fake.dialogs.answers.push_back(Answer::Yes);
  EXPECT_TRUE(Play());
  ASSERT_FALSE(fake.dialogs.messages().empty());
  const fake::ShownMessage& offer = fake.dialogs.messages()[0];
  EXPECT_EQ(offer.text, "The installed " + kQ3 +
                            "\\Quake3.exe is not in the release store yet, so Kalvenmarque could "
                            "not switch back to it. Its pak files say it is release v1.31. Store "
                            "a copy of it as " +
                            stored + " and go on?");
  EXPECT_EQ(offer.buttons, Buttons::YesNo);
  EXPECT_EQ(fake.files.Contents(stored), "exe 131");
  EXPECT_EQ(fake.processes.started().size(), 1u) << "the demo played";
  EXPECT_EQ(fake.files.Contents(kQ3 + "\\Quake3.exe"), "exe 131") << "and was switched back";

  ASSERT_TRUE(fake.files.Delete(stored).ok());
  fake.files.FailPath(stored, err::kPermissionDenied);
  fake.dialogs.answers.push_back(Answer::Yes);
  const std::size_t shown = fake.dialogs.messages().size();
  EXPECT_TRUE(Play());
  ASSERT_EQ(fake.dialogs.messages().size(), shown + 3);
  EXPECT_NE(fake.dialogs.messages()[shown + 1].text.find("could not store the executable as " +
                                                         stored + " (70 Permission denied)"),
            std::string::npos)
      << fake.dialogs.messages()[shown + 1].text;
  EXPECT_EQ(exitCode, 1);
  EXPECT_EQ(fake.processes.started().size(), 1u) << "refused, as without the offer";

  // Without pak6 the paks say v1.30, whose executable the store has: nothing is offered.
  fake.files.FailPath(stored, 0);
  ASSERT_TRUE(fake.files.Rename(Pak(6, ".pk3"), Pak(6, ".bak")).ok());
  const std::size_t before = fake.dialogs.messages().size();
  EXPECT_TRUE(Play());
  ASSERT_EQ(fake.dialogs.messages().size(), before + 1);
  EXPECT_EQ(fake.dialogs.messages().back().buttons, Buttons::Ok);
  EXPECT_FALSE(fake.files.Exists(stored));
}

// A switch that could not be undone, or not be completed, changes nothing at all: no
// success message, no demo, and the folder as it was.
TEST_F(PlayQ3ATest, SwitchThatCouldNotBeUndoneOrCompletedChangesNothing) {
  const auto before = Snapshot(kQ3);
  struct Case {
    const char* what;
    std::function<void()> arrange, undo;
    const char* named;
  };
  const std::vector<Case> cases = {
      {"unknown executable", [&] { fake.files.AddFile(kQ3 + "\\quake3.exe", "exe 132"); },
       [&] { fake.files.AddFile(kQ3 + "\\quake3.exe", "exe 131"); },
       "Quake III Arena\\Quake3.exe is not the executable of any release"},
      {"stored target missing",
       [&] { (void)fake.files.Rename(Versions() + "\\Quake3.127h", Versions() + "\\x"); },
       [&] { (void)fake.files.Rename(Versions() + "\\x", Versions() + "\\Quake3.127h"); },
       "Quake3.127h"},
      // The installed executable is then unknown to the store, which offers to keep it.
      {"stored newest missing, the offer to store it declined",
       [&] {
         (void)fake.files.Rename(Versions() + "\\Quake3.131", Versions() + "\\x");
         fake.dialogs.answers.push_back(Answer::No);
       },
       [&] { (void)fake.files.Rename(Versions() + "\\x", Versions() + "\\Quake3.131"); },
       "Quake3.131"},
      {"game running", [&] { fake.files.HoldOpen(kQ3 + "\\quake3.exe"); },
       [&] { fake.files.ReleaseAll(); }, "Quake3.exe (70 Permission denied)"},
  };
  for (const Case& c : cases) {
    const std::size_t shown = fake.dialogs.messages().size();
    const std::size_t asked = fake.dialogs.answers.size();
    c.arrange();
    const std::size_t questions = fake.dialogs.answers.size() - asked;
    EXPECT_TRUE(Play()) << c.what;
    EXPECT_TRUE(fake.processes.started().empty()) << c.what;
    ASSERT_EQ(fake.dialogs.messages().size(), shown + questions + 1) << c.what;
    const fake::ShownMessage& box = fake.dialogs.messages().back();
    EXPECT_NE(box.text.find(c.named), std::string::npos) << c.what << ": " << box.text;
    EXPECT_EQ(box.icon, Icon::Critical);
    EXPECT_EQ(exitCode, 1) << c.what;
    c.undo();
    EXPECT_EQ(Snapshot(kQ3), before) << c.what;
    EXPECT_FALSE(fake.files.Exists(kQ3 + "\\baseq3\\demos")) << c.what;
  }
  // By hand: the same refusal, and no success message after it.
  fake.files.AddFile(kQ3 + "\\quake3.exe", "patched");
  main().comQ3.Select(0);
  main().cmdConvert.click();
  EXPECT_NE(Texts().back().find("is not the executable of any release"), std::string::npos);
  EXPECT_EQ(fake.files.Contents(kQ3 + "\\quake3.exe"), "patched");
}

// Release files that cannot be trusted give message 170 and change nothing; a huge or
// non-numeric pak count never runs a loop.
TEST_F(PlayQ3ATest, UnusableReleaseFileGivesTheConversionErrorAndChangesNothing) {
  const auto before = Snapshot(kQ3);
  for (const std::string& body :
       {std::string("\x01\xff\x00garbage", 10), std::string("newpak=abc\r\nnewestpak=6"),
        std::string("newpak=2\r\nnewestpak=100000"), std::string("newpak=-1\r\nnewestpak=6")}) {
    fake.files.AddFile(Versions() + "\\v1_27h.Vrk",
                       "[Quake 3 Arena Version]\r\nVersion=v1.27h\r\n"
                       "DemoExt=.dm_48\r\n" +
                           body + "\r\n");
    EXPECT_FALSE(SwitchQuake3(kQ3, "v1_27h.Vrk"));
    EXPECT_EQ(Snapshot(kQ3), before);
  }
  EXPECT_EQ(Texts().size(), 4u);
  EXPECT_EQ(Texts()[0], LoadText(p(), 170));
}

// Launch: the game starts minimized without a switch and the program ends; on a minimum
// installation a cancelled CD prompt brings the main window back.
TEST_F(PlayQ3ATest, LaunchStartsTheGameOrReturnsToTheMainWindow) {
  main().Show();
  ASSERT_TRUE(fake.files.Delete(Pak(0, ".pk3")).ok());
  fake.dialogs.answers = {Answer::Cancel};
  main().cmdQuake3Arena.click();
  EXPECT_TRUE(main().Enabled());
  EXPECT_TRUE(main().Visible());
  EXPECT_TRUE(fake.processes.started().empty());

  fake.files.AddFile(Pak(0, ".pk3"), "pak0");
  EXPECT_TRUE(RunToEnd([&] { main().cmdQuake3Arena.click(); }));
  ASSERT_EQ(fake.processes.started().size(), 1u);
  EXPECT_EQ(fake.processes.started()[0].commandLine,
            kQ3 + "\\quake3.exe +set fs_basepath \"" + kQ3 + "\"");
  EXPECT_EQ(fake.processes.started()[0].show, ShowMode::MinimizedFocus);
  EXPECT_FALSE(main().Enabled());
  EXPECT_EQ(fake.files.Contents(kQ3 + "\\quake3.exe"), "exe 131");
}

// A stored mod label too short to name a mod, and a mod whose folder is gone: no mod is
// loaded for the first, the second is passed on as chosen, and neither stops the demo.
TEST_F(PlayQ3ATest, ShortModLabelAndMissingModFolderDoNotStopTheDemo) {
  Setting("Modification", "Mod:");
  Setting("ModificationOption", "1");
  const auto before = Snapshot(kQ3);
  EXPECT_TRUE(Play());
  EXPECT_EQ(fake.processes.started().back().commandLine,
            kQ3 + "\\quake3.exe +set fs_basepath \"" + kQ3 + "\" +exec Kalvenmarque");
  Setting("Modification", "Mod: gone");
  EXPECT_TRUE(Play());
  EXPECT_EQ(
      fake.processes.started().back().commandLine,
      kQ3 + "\\quake3.exe +set fs_basepath \"" + kQ3 + "\" +exec Kalvenmarque+set fs_Game gone");
  EXPECT_EQ(Snapshot(kQ3), before);
  EXPECT_TRUE(fake.dialogs.messages().empty());
}

}  // namespace
}  // namespace kalv::testing
