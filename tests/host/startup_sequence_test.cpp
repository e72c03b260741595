// The start-up sequence: instance test, language, user name, settings into the options
// window, first-run discovery, the command line and its failures.
#include <vector>

#include "games_fixture.h"
#include "games/run_plan.h"
#include "launcher/base/choices.h"
#include "launcher/base/settings.h"
#include "ui/resource.h"

namespace kalv::testing {
namespace {

class StartupSequenceTest : public ::testing::Test {
 protected:
  StartupSequenceTest() {
    fake.system.strings = ui::StringTable();
    const std::string versions = fake.system.programDirectory + "\\Versions";
    fake.files.AddFile(
        versions + "\\v1_30.Vrk",
        "[Quake 3 Arena Version]\r\nVersion=v1.30\r\nDemoExt=.dm_66\r\nnewpak=5\r\n");
    fake.files.AddFile(
        versions + "\\v1_31.Vrk",
        "[Quake 3 Arena Version]\r\nVersion=v1.31\r\nDemoExt=.dm_67\r\nnewpak=6\r\n");
  }
  void Setting(const std::string& key, const std::string& value) {
    ASSERT_TRUE(WriteSetting(fake.registry, key, value).ok());
  }
  std::string Stored(const std::string& key) { return ReadSetting(fake.registry, key, "<absent>"); }
  // Runs the start-up with recording play operations; true when it ended the program.
  bool Start() {
    program = std::make_unique<Program>(fake.platform());
    try {
      return LoadKalvenmarque(*program, noting.table()).has_value();
    } catch (const fake::ProgramEnded&) {
      return true;
    }
  }
  bool MainWindowShown() { return program->frmDemPla.Visible(); }

  fake::FakePlatform fake;
  std::unique_ptr<Program> program;
  NotingTable noting;
  std::vector<std::string>& played = noting.played;
  const std::string& demoAtPlay = noting.demo.path;
};

TEST_F(StartupSequenceTest, SecondInstanceEndsBeforeAnyWindow) {
  fake.system.anotherInstance = true;
  EXPECT_TRUE(Start());
  EXPECT_TRUE(fake.windows.created().empty());
  EXPECT_TRUE(fake.dialogs.messages().empty());
}

TEST_F(StartupSequenceTest, NoArgumentsOpensTheMainWindowAfterTheWelcome) {
  EXPECT_FALSE(Start());
  EXPECT_TRUE(MainWindowShown());
  EXPECT_FALSE(program->frmSplash.window.Visible());
  EXPECT_EQ(program->frmSplash.lblStatus1.Caption(), "Welcome...");
  EXPECT_EQ(fake.clock.sleptTotal, 2450u);
  ASSERT_EQ(program->frmDemPla.comQ3.Count(), 2);
  EXPECT_EQ(program->frmDemPla.comQ3.Text(), "Quake 3 Arena v1.31");
  EXPECT_TRUE(fake.dialogs.messages().empty());
  EXPECT_EQ(Stored("Path"), fake.system.programDirectory);
}

// The main window is made during the welcome: the time that takes comes off the pause, so
// the welcome shows as long as ever and the window opens at its end.
TEST_F(StartupSequenceTest, TheWelcomeLastsThePauseHoweverLongTheMainWindowTakes) {
  fake.clock.advancePerReading = 30;
  EXPECT_FALSE(Start());
  EXPECT_TRUE(MainWindowShown());
  EXPECT_EQ(fake.clock.sleptTotal, 2450u - 30u);
}

TEST_F(StartupSequenceTest, OpenProgramMarkerIgnoresTheDemo) {
  fake.system.commandLine = "*./\\.* c:\\demos\\a.dm_66";
  fake.files.AddFile("c:\\demos\\a.dm_66", "");
  EXPECT_FALSE(Start());
  EXPECT_TRUE(played.empty());
  EXPECT_TRUE(MainWindowShown());
  EXPECT_EQ(program->demoPath, "");
}

TEST_F(StartupSequenceTest, DemoPathIsLowerCasedWithItsDirectoryNormalised) {
  fake.files.AddFile("C:\\Demos\\Final.DM_66", "");
  fake.system.commandLine = "C:\\Demos\\Final.DM_66";
  Start();
  EXPECT_EQ(played, std::vector<std::string>{"Q3A"});
  EXPECT_EQ(demoAtPlay, "c:\\demos\\final.dm_66");
}

// "Open with", shortcuts and scripts quote the path; anything but exactly one quoted path
// stays verbatim.
TEST_F(StartupSequenceTest, CommandLineThatIsOneQuotedPathNamesThatPath) {
  fake.files.AddFile("C:\\My Demos\\Final.DM_66", "");
  fake.system.commandLine = "\"C:\\My Demos\\Final.DM_66\"";
  Start();
  EXPECT_EQ(played, std::vector<std::string>{"Q3A"});
  EXPECT_EQ(demoAtPlay, "c:\\my demos\\final.dm_66");

  played.clear();
  fake.system.commandLine = "\"C:\\My Demos\\Final.DM_66\" \"x\"";
  EXPECT_TRUE(Start());
  EXPECT_TRUE(played.empty());
}

// "D:" alone names the current folder of drive D, which here holds a demo of the same
// name: the demo in the root is the one opened.
TEST_F(StartupSequenceTest, DemoInADriveRootKeepsOneBackslash) {
  fake.files.AddFile("D:\\x.dem", "HLDEMO");
  fake.files.AddFile("D:\\elsewhere\\x.dem", "an Unreal Tournament demo");
  fake.files.SetDriveDirectory("D:", "D:\\elsewhere");
  fake.system.commandLine = "D:\\x.dem";
  EXPECT_TRUE(Start());
  EXPECT_EQ(demoAtPlay, "d:\\x.dem");
  EXPECT_EQ(played, std::vector<std::string>{"HL"});
}

TEST_F(StartupSequenceTest, MissingDemoDirectoryShowsTheErrorWithTheRawCommandLine) {
  fake.system.commandLine = "E:\\Nowhere\\A.dm_66";
  EXPECT_TRUE(Start());
  ASSERT_EQ(fake.dialogs.messages().size(), 1u);
  EXPECT_EQ(fake.dialogs.messages()[0].caption, "Kalvenmarque Kalvenmarque - Error (76)");
  EXPECT_NE(fake.dialogs.messages()[0].text.find(" E:\\Nowhere\\A.dm_66"), std::string::npos);
  EXPECT_TRUE(played.empty());
}

TEST_F(StartupSequenceTest, PermissionDeniedShowsOnlyItsTitleAndOpensTheMainWindow) {
  fake.files.AddFile("C:\\Demos\\a.dm_66", "");
  fake.system.commandLine = "C:\\Demos\\a.dm_66";
  fake.system.programDirectory = "C:\\Kalv";
  fake.files.AddFile("C:\\Kalv\\Versions\\v1_30.Vrk",
                     "[Quake 3 Arena Version]\r\nVersion=v1.30\r\nDemoExt=.dm_66\r\n");
  program = std::make_unique<Program>(fake.platform());
  noting.raise = err::kPermissionDenied;
  EXPECT_FALSE(LoadKalvenmarque(*program, noting.table()).has_value());
  ASSERT_EQ(fake.dialogs.messages().size(), 1u);
  EXPECT_EQ(fake.dialogs.messages()[0].caption, "Kalvenmarque - Permission Denied (70)");
  EXPECT_EQ(fake.dialogs.messages()[0].text, "");
  EXPECT_TRUE(program->frmDemPla.Visible());
}

TEST_F(StartupSequenceTest, MissingReleaseStoreEndsWithTheMissingFilesMessage) {
  fake.system.programDirectory = "C:\\Empty";
  Setting("Language", "1");
  EXPECT_TRUE(Start());
  ASSERT_EQ(fake.dialogs.messages().size(), 1u);
  EXPECT_EQ(fake.dialogs.messages()[0].text, fake.system.strings.at(183));
}

TEST_F(StartupSequenceTest, StoredLanguageCaptionsEveryWindowAndTheSplash) {
  Setting("Language", "1");
  Start();
  EXPECT_EQ(program->frmOptions.comLanguage.Selected(), 1);
  EXPECT_EQ(program->frmSplash.lblLicensedto.Caption(), "Benutzer");
  EXPECT_EQ(program->frmDemPla.cmdClose.Caption(), "&Schließen");
  EXPECT_EQ(program->frmSplash.lblStatus1.Caption(), "Wilkommen...");
  EXPECT_EQ(Stored("Language"), "1");
}

TEST_F(StartupSequenceTest, UnusableStoredLanguageFallsBackToEnglishAndStays) {
  for (const char* bad : {"7", "abc", "-1"}) {
    Setting("Language", bad);
    fake.windows = fake::FakeWindowFactory();
    Start();
    EXPECT_EQ(program->frmOptions.comLanguage.Selected(), 0) << bad;
    EXPECT_EQ(program->frmDemPla.cmdClose.Caption(), "&Close") << bad;
    EXPECT_EQ(Stored("Language"), bad);
    EXPECT_TRUE(fake.dialogs.messages().empty());
  }
}

TEST_F(StartupSequenceTest, UserNameIsShownOrLeftEmpty) {
  fake.system.userName = std::string("Jörg");
  Start();
  EXPECT_EQ(program->frmSplash.lblUserName.Caption(), "Jörg");
  fake.system.userName.reset();
  Start();
  EXPECT_EQ(program->frmSplash.lblUserName.Caption(), "");
}

// A demo that plays needs no status: the folders are looked at only for the main window.
TEST_F(StartupSequenceTest, StoredDirectoriesReachTheProgramTheBoxesAndTheStatus) {
  fake.files.AddFile("C:\\Q2\\baseq2\\pak0.pak", "");
  fake.files.AddFile("C:\\Demos\\a.dm2", "");
  Setting("First Time Run", "True");
  Setting("Quake 2 Path", "C:\\Q2");
  Setting("Unreal Tournament Path", "C:\\UT");
  fake.system.commandLine = "C:\\Demos\\a.dm2";
  Start();
  EXPECT_EQ(played, std::vector<std::string>{"Q2"});
  EXPECT_EQ(program->frmOptions.txtQ2Path.Text(), "C:\\Q2");
  EXPECT_NE(program->frmDemPla.lblQ2Status.Caption(), " Quake 2 Status: Found");

  fake.system.commandLine = "";
  fake.windows = fake::FakeWindowFactory();
  Start();
  EXPECT_EQ(program->choices.dir(GameCode::Q2), "C:\\Q2");
  EXPECT_EQ(program->choices.dir(GameCode::UT), "C:\\UT");
  EXPECT_EQ(program->frmOptions.txtQ2Path.Text(), "C:\\Q2");
  EXPECT_EQ(program->frmDemPla.lblQ2Status.Caption(), " Quake 2 Status: Found");
  EXPECT_EQ(program->frmDemPla.lblUTStatus.Caption(), " Unreal Tournament Status: Not Found");
}

TEST_F(StartupSequenceTest, StoredQuakeOneExecutableIsSelected) {
  fake.files.AddFile("C:\\Q1\\id1\\pak0.pak", "");
  fake.files.AddFile("C:\\Q1\\a.exe", "");
  fake.files.AddFile("C:\\Q1\\b.exe", "");
  Setting("Quake 1 Path", "C:\\Q1");
  Setting("Quake 1 Executible", "b.exe");
  Start();
  EXPECT_EQ(program->frmOptions.lstQ1.FileName(), "b.exe");
}

TEST_F(StartupSequenceTest, FirstRunWithNothingInstalledStoresThreeEmptyPaths) {
  Start();
  EXPECT_EQ(Stored("Quake 3 Arena Path"), "");
  EXPECT_EQ(Stored("Half-Life Path"), "");
  EXPECT_EQ(Stored("StarTrek Voyager Elite Force Path"), "");
  EXPECT_EQ(Stored("Quake 1 Path"), "<absent>");
  EXPECT_EQ(Stored("First Time Run"), "True");
}

TEST_F(StartupSequenceTest, FirstRunTakesTheInstallersDirectoriesOnlyOnce) {
  fake.registry.PutString(RegRoot::LocalMachine, "SOFTWARE\\Id\\Quake III Arena", "Installpath",
                          "C:\\Games\\Quake3");
  fake.files.AddFile("C:\\Games\\Quake3\\quake3.exe", "");
  Start();
  EXPECT_EQ(Stored("Quake 3 Arena Path"), "C:\\Games\\Quake3");
  EXPECT_EQ(program->choices.dir(GameCode::Q3A), "C:\\Games\\Quake3");
  EXPECT_EQ(program->frmOptions.lblQ3AStatus.Caption(), "Quake 3 Arena Status: Found");

  Setting("Quake 3 Arena Path", "");
  fake.windows = fake::FakeWindowFactory();
  Start();
  EXPECT_EQ(program->frmOptions.txtQ3APath.Text(), "") << "the registry is not read again";
}

}  // namespace
}  // namespace kalv::testing
