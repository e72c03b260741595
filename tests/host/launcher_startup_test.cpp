// The first start-up: single instance, splash window captions, closing ends the program.
#include <gtest/gtest.h>

#include "launcher/startup.h"
#include "platform/fake/fake_platform.h"
#include "ui/resource.h"
#include "ui/string_table.h"

namespace kalv {
namespace {

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() { fake.system.strings = ui::StringTable(); }
  fake::FakeControl& Splash(int id) { return fake.windows.Find(IDD_SPLASH)->control(id); }
  fake::FakePlatform fake;
};

TEST_F(StartupTest, SecondInstanceEndsSilentlyWithoutAWindow) {
  fake.system.anotherInstance = true;
  EXPECT_EQ(RunKalvenmarque(fake), 0);
  EXPECT_TRUE(fake.windows.created().empty());
  EXPECT_EQ(fake.processes.messageLoops(), 0);
  EXPECT_TRUE(fake.dialogs.messages().empty());
}

TEST_F(StartupTest, FirstInstanceWithoutDemoOpensTheMainWindowAndRunsTheMessageLoop) {
  fake.files.AddDirectory(fake.system.programDirectory + "\\Versions");
  EXPECT_EQ(RunKalvenmarque(fake), 0);
  ASSERT_NE(fake.windows.Find(IDD_SPLASH), nullptr);
  EXPECT_FALSE(fake.windows.Find(IDD_SPLASH)->Visible());
  ASSERT_NE(fake.windows.Find(IDD_MAIN), nullptr);
  EXPECT_TRUE(fake.windows.Find(IDD_MAIN)->Visible());
  EXPECT_EQ(fake.processes.messageLoops(), 1);
}

TEST_F(StartupTest, RunThatLeavesNoWindowOpenEndsInsteadOfWaiting) {
  fake.files.AddFile("C:\\Demos\\a.efdemo", "");
  fake.system.commandLine = "C:\\Demos\\a.efdemo";
  fake.files.AddDirectory(fake.system.programDirectory + "\\Versions");
  // Elite Force is not set up: the run says so and returns its code without waiting.
  EXPECT_EQ(RunKalvenmarque(fake), 1);
  EXPECT_EQ(fake.processes.messageLoops(), 0);
}

TEST_F(StartupTest, SplashCaptionsComeFromTheEnglishCaptionRows) {
  Program program(fake);
  ShowSplash(program);
  EXPECT_EQ(Splash(IDC_SPLASH_LBLCOMPANY).text, fake.system.strings.at(500));
  EXPECT_EQ(Splash(IDC_SPLASH_LBLCOPYRIGHT).text, fake.system.strings.at(501));
  EXPECT_EQ(Splash(IDC_SPLASH_LBLEMAIL).text, fake.system.strings.at(502));
  EXPECT_EQ(Splash(IDC_SPLASH_LBLICQ).text, fake.system.strings.at(503));
  EXPECT_EQ(Splash(IDC_SPLASH_LBLLICENSEDTO).text, "Current User");
  EXPECT_EQ(Splash(IDC_SPLASH_LBLPLATFORM).text, "Windows 95/98/ME/2000");
  EXPECT_EQ(Splash(IDC_SPLASH_LBLSTATUS0LABEL1).text, "Status:");
  EXPECT_EQ(Splash(IDC_SPLASH_LBLSTATUS1).text, "Loading...");
  EXPECT_EQ(Splash(IDC_SPLASH_LBLVERSION).text, "Version 1.2.0");
  EXPECT_EQ(Splash(IDC_SPLASH_LBLUSERNAME).text, "");
  EXPECT_FALSE(Splash(IDC_SPLASH_PROGRESSBAR).visible);
  EXPECT_TRUE(program.frmSplash.window.Visible());
}

TEST_F(StartupTest, CaptionsFollowTheLanguageAndIgnoreAnUnknownOne) {
  Program program(fake);
  ShowSplash(program);
  SetSplashCaptions(program, 1);
  EXPECT_EQ(Splash(IDC_SPLASH_LBLLICENSEDTO).text, "Benutzer");
  EXPECT_EQ(Splash(IDC_SPLASH_LBLSTATUS1).text, "Ladet...");
  SetSplashCaptions(program, 3);
  EXPECT_EQ(Splash(IDC_SPLASH_LBLLICENSEDTO).text, "Benutzer");
  SetSplashCaptions(program, 2);
  EXPECT_EQ(Splash(IDC_SPLASH_LBLVERSION).text, "Weergawe 1.2.0");
}

TEST_F(StartupTest, ClosingTheSplashEndsTheProgram) {
  Program program(fake);
  ShowSplash(program);
  EXPECT_THROW(fake.windows.Find(IDD_SPLASH)->Fire(0, Event::Close), fake::ProgramEnded);
  EXPECT_EQ(fake.system.endCount, 1);
}

}  // namespace
}  // namespace kalv
