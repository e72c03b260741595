// The advanced options' hand-over to the association updater, and the About window.
#include "games_fixture.h"
#include "platform/windows.h"
#include "ui/resource.h"

namespace kalv::testing {
namespace {

class AdvancedTest : public ProgramFixture {
 protected:
  std::string Updater() { return fake.system.programDirectory + "\\Assocmend.exe"; }
  void Click(int window, int id) { fake.windows.Find(window)->Fire(id, Event::Click); }
};

TEST_F(AdvancedTest, ReinitializeStartsTheUpdaterAndReportsSuccess) {
  fake.files.AddFile(Updater(), "exe");
  fake.dialogs.answers = {Answer::Yes, Answer::Ok};
  Click(IDD_ADVANCED, IDC_ADVANCED_CMDRFA);
  ASSERT_EQ(fake.processes.started().size(), 1u);
  EXPECT_EQ(fake.processes.started()[0].executable, Updater());
  EXPECT_EQ(fake.processes.started()[0].commandLine, "\"" + Updater() + "\" /i");
  ASSERT_EQ(fake.dialogs.messages().size(), 2u);
  EXPECT_EQ(fake.dialogs.messages()[0].buttons, Buttons::YesNo);
  EXPECT_EQ(fake.dialogs.messages()[1].text, "File Associations restored successfully.");
}

// The success message waits for the updater and its exit code 0; an updater that fails
// or does not finish is said so, and meanwhile the window takes no second click.
TEST_F(AdvancedTest, TheOutcomeIsTheUpdatersOwn) {
  fake.files.AddFile(Updater(), "exe");
  bool disabledWhileWaiting = false;
  fake.processes.whileWaiting = [&] {
    if (!fake.processes.started().empty() && !fake.windows.Find(IDD_ADVANCED)->Enabled())
      disabledWhileWaiting = true;
  };
  fake.processes.next.runMilliseconds = 2000;
  Click(IDD_ADVANCED, IDC_ADVANCED_CMDRFA);
  EXPECT_TRUE(disabledWhileWaiting);
  EXPECT_TRUE(fake.windows.Find(IDD_ADVANCED)->Enabled());
  EXPECT_EQ(fake.dialogs.messages().back().text, "File Associations restored successfully.");
  EXPECT_EQ(fake.clock.now(), 2000u) << "the message came once the updater had ended";

  fake.processes.next.exitCode = 1;
  Click(IDD_ADVANCED, IDC_ADVANCED_CMDRFA);
  EXPECT_EQ(fake.dialogs.messages().back().text,
            "The file associations may not have been changed: the association updater ended "
            "with code 1. Changing them for all users needs administrator rights: start "
            "Kalvenmarque as an administrator and try again.");
  EXPECT_EQ(fake.dialogs.messages().back().icon, Icon::Critical);

  fake.processes.next.exitCode = 0;
  fake.processes.next.runMilliseconds = 10000000;
  const std::uint64_t before = fake.clock.now();
  Click(IDD_ADVANCED, IDC_ADVANCED_CMDUFA);
  EXPECT_EQ(fake.clock.now() - before, 30000u);
  EXPECT_NE(fake.dialogs.messages().back().text.find("did not finish within 30 seconds"),
            std::string::npos);
  EXPECT_TRUE(fake.windows.Find(IDD_ADVANCED)->Enabled());
}

TEST_F(AdvancedTest, GermanRemoveAsksAndReportsInGerman) {
  fake.files.AddFile(Updater(), "exe");
  SelectLanguage(1);
  Click(IDD_ADVANCED, IDC_ADVANCED_CMDUFA);
  ASSERT_EQ(fake.dialogs.messages().size(), 2u);
  EXPECT_EQ(fake.dialogs.messages()[0].text, fake.system.strings.at(219));
  EXPECT_EQ(fake.dialogs.messages()[1].text, "Dateiverknüpfungen erfolgreich entfernt.");
  EXPECT_EQ(fake.processes.started()[0].commandLine, "\"" + Updater() + "\" /u");
}

TEST_F(AdvancedTest, NoStartsNothingAndShowsNothingMore) {
  fake.files.AddFile(Updater(), "exe");
  for (int id : {IDC_ADVANCED_CMDRFA, IDC_ADVANCED_CMDUFA, IDC_ADVANCED_CMDUS}) {
    fake.dialogs.answers.push_back(Answer::No);
    Click(IDD_ADVANCED, id);
  }
  EXPECT_TRUE(fake.processes.started().empty());
  EXPECT_EQ(fake.dialogs.messages().size(), 3u);
}

TEST_F(AdvancedTest, UninstallHandsOverAndEndsTheProgram) {
  fake.files.AddFile(Updater(), "exe");
  EXPECT_THROW(Click(IDD_ADVANCED, IDC_ADVANCED_CMDUS), fake::ProgramEnded);
  ASSERT_EQ(fake.processes.started().size(), 1u);
  EXPECT_EQ(fake.processes.started()[0].commandLine, "\"" + Updater() + "\" /fu");
  EXPECT_EQ(fake.dialogs.messages().size(), 1u);
}

TEST_F(AdvancedTest, MissingUpdaterIsReportedAndNothingStarts) {
  SelectLanguage(2);
  Click(IDD_ADVANCED, IDC_ADVANCED_CMDRFA);
  ASSERT_EQ(fake.dialogs.messages().size(), 1u);
  EXPECT_EQ(fake.dialogs.messages()[0].text, fake.system.strings.at(229));
  EXPECT_EQ(fake.dialogs.messages()[0].icon, Icon::Critical);
  EXPECT_TRUE(fake.processes.started().empty());
}

TEST_F(AdvancedTest, OkReturnsToTheOptionsWindow) {
  options().SetEnabled(false);
  p().frmAdvanced.Show();
  Click(IDD_ADVANCED, IDC_ADVANCED_CMDOK);
  EXPECT_TRUE(options().Enabled());
  EXPECT_TRUE(options().Visible());
  EXPECT_FALSE(p().frmAdvanced.Visible());
}

TEST_F(AdvancedTest, AboutShowsTheLanguagesVersionAndDisablesTheMainWindow) {
  main().Show();
  SelectLanguage(1);
  Click(IDD_MAIN, IDC_MAIN_CMDABOUT);
  EXPECT_EQ(p().frmAbout.lblVersion.Caption(), "v1.1.0 Deutsch/German/Duits");
  EXPECT_TRUE(p().frmAbout.Visible());
  EXPECT_FALSE(main().Enabled());
  Click(IDD_ABOUT, IDC_ABOUT_LBLWEBSITE);
  Click(IDD_ABOUT, IDC_ABOUT_LBLEMAIL);
  ASSERT_EQ(fake.processes.shellOpened().size(), 2u);
  EXPECT_EQ(fake.processes.shellOpened()[1].file.rfind("mailto:", 0), 0u);
  fake.windows.Find(IDD_ABOUT)->Fire(0, Event::Close);
  EXPECT_TRUE(main().Enabled());
  EXPECT_FALSE(p().frmAbout.Visible());
}

TEST_F(AdvancedTest, MainWindowCloseEndsTheProgram) {
  EXPECT_THROW(Click(IDD_MAIN, IDC_MAIN_CMDCLOSE), fake::ProgramEnded);
  EXPECT_THROW(fake.windows.Find(IDD_MAIN)->Fire(0, Event::Close), fake::ProgramEnded);
}

}  // namespace
}  // namespace kalv::testing
