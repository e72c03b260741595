// Language switching: captions of every window, the Afrikaans warning, the stored choice
// and the status lines that follow the language.
#include "games_fixture.h"
#include "launcher/base/settings.h"
#include "platform/windows.h"
#include "launcher/language_actions.h"
#include "ui/resource.h"

namespace kalv::testing {
namespace {

class LanguageTest : public ProgramFixture {
 protected:
  // The user picks entry index in the language list.
  void Pick(int index) {
    SelectLanguage(index);
    fake.windows.Find(IDD_OPTIONS)->Fire(IDC_OPTIONS_COMLANGUAGE, Event::Click);
  }
  std::string Stored() { return ReadSetting(fake.registry, "Language", "<absent>"); }
};

TEST_F(LanguageTest, GermanCaptionsOnAllThreeWindows) {
  Pick(1);
  EXPECT_EQ(options().fraUTStatus.Caption(), "Unreal Tournament Status");
  EXPECT_EQ(options().lblUT.Caption(), "Unreal Tournament Pfad:");
  EXPECT_EQ(options().cmdBrowseUT.Caption(), "&Auswahl");
  EXPECT_EQ(options().Caption(), "Kalvenmarque v1.2.0 - Optionen");
  EXPECT_EQ(main().cmdQuake3Arena.Caption(), "&Starte Quake 3");
  EXPECT_EQ(main().fraGameStates.Caption(), "Spiel Stände");
  EXPECT_EQ(p().frmAdvanced.Caption(), "Kalvenmarque v1.2.0 - Erweiterte Optionen");
  EXPECT_EQ(p().frmAdvanced.cmdRFA.Caption(), "Verknüfungen Wiederherstellen");
  EXPECT_EQ(options().lblQ1_exe.Caption(), "Whäle Quake 1 Anwendung aus:");
  EXPECT_EQ(Stored(), "1");
  EXPECT_TRUE(fake.dialogs.messages().empty());
}

TEST_F(LanguageTest, AfrikaansWarnsBeforeAnyCaptionChanges) {
  LanguageChange(p(), false);
  fake.dialogs.answers.push_back(Answer::Ok);
  Pick(2);
  ASSERT_EQ(fake.dialogs.messages().size(), 1u);
  const fake::ShownMessage& warning = fake.dialogs.messages()[0];
  EXPECT_EQ(warning.caption, "Known Bug");
  EXPECT_EQ(warning.icon, Icon::Critical);
  EXPECT_EQ(warning.text.rfind("BETA WARNING\r\nNote: The Afrikaans", 0), 0u);
  EXPECT_EQ(options().Caption(), "Kalvenmarque v1.2.0 - 'Advanced' Opsies");
  EXPECT_EQ(Stored(), "2");
}

TEST_F(LanguageTest, SplashIsOnlyRecaptionedWhenAskedFor) {
  p().frmSplash.lblLicensedto.SetCaption("old");
  Pick(1);
  EXPECT_EQ(p().frmSplash.lblLicensedto.Caption(), "old");
  LanguageChange(p(), true);
  EXPECT_EQ(p().frmSplash.lblLicensedto.Caption(), "Benutzer");
  EXPECT_EQ(p().frmSplash.lblUserName.Caption(), "");
}

TEST_F(LanguageTest, StatusLinesAreRewrittenInTheNewLanguage) {
  fake.files.AddFile("C:\\Q2\\baseq2\\pak0.pak", "");
  options().txtQ2Path.SetText("C:\\Q2");
  EXPECT_EQ(options().lblQ2Status.Caption(), "Quake 2 Status: Found");
  Pick(1);
  EXPECT_EQ(options().lblQ2Status.Caption(), "Quake 2 Status: Gefunden");
  EXPECT_EQ(main().lblUTStatus.Caption(), " Unreal Tournament Status: Nicht Installiert");
}

TEST_F(LanguageTest, NothingHappensWhileTheProgramSetsTheList) {
  p().languageLoading = true;
  Pick(1);
  EXPECT_EQ(Stored(), "<absent>");
  EXPECT_NE(main().cmdClose.Caption(), "&Schließen");
}

TEST_F(LanguageTest, UnknownLanguageSetsNoCaptionButStillDetects) {
  LanguageChange(p(), true);
  p().choices.language = 5;
  fake.files.AddFile("C:\\UT\\System\\BotPack.u", "");
  options().txtUTPath.SetText("C:\\UT");
  options().chkUT_tb.SetEnabled(false);
  LanguageChange(p(), true);
  EXPECT_EQ(main().cmdClose.Caption(), "&Close");
  EXPECT_TRUE(options().chkUT_tb.Enabled());
}

}  // namespace
}  // namespace kalv::testing
