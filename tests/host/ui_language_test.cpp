// Language switching: captions of every window, the Afrikaans warning, the stored choice
// and the status lines that follow the language.
#include "games/game_table.h"
#include "games/quake3/quake3_texts.h"
#include "games_fixture.h"
#include "launcher/base/settings.h"
#include "platform/windows.h"
#include "launcher/language_actions.h"
#include "ui/resource.h"
#include "ui/string_table.h"
#include "ui/text_ids.h"

namespace kalv::testing {
namespace {

class LanguageTest : public ProgramFixture {
 protected:
  // The user picks entry index in the language list.
  void Pick(int index) {
    options().comLanguage.Select(index);
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
  p().choices.language = 1;
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

namespace kalv::testing {
namespace {

// Every text the code names has its row in each of the three languages, and every
// caption slot a window fills has its three rows: a language added to one and not the
// others would show an empty caption. The permission-denied text is the one that holds
// nothing in every language.
TEST(StringTableRows, EveryNamedTextAndCaptionSlotHasItsThreeLanguages) {
  const auto& table = ui::StringTable();
  auto has = [&table](int id) {
    const auto row = table.find(id);
    return row != table.end() && !row->second.empty();
  };
  const struct {
    int id;
    int step;
  } texts[] = {
      {ids::kDeniedTitle, 2},
      {ids::kErrorIntro, 3},
      {ids::kErrorAdvice, 3},
      {ids::kErrorTitle, 3},
      {ids::kWelcome, 1},
      {q3text::kInsertCd, 1},

      {ids::kSelectVersion, 1},

      {ids::kConvertedToLatest, 1},
      {ids::kConvertedTo, 1},
      {ids::kAboutVersion, 1},
      {ids::kMissingFiles, 1},
      {ids::kConfirmReinitialize, 1},
      {ids::kReinitialized, 1},
      {ids::kConfirmRemove, 1},
      {ids::kRemoved, 1},
      {ids::kConfirmUninstall, 1},
      {ids::kUpdaterMissing, 1},
      {ids::kStatusNotInstalled, 1},
      {ids::kStatusFound, 1},
      {ids::kStatusNotFound, 1},
      {ids::kStatusFoundVersion, 1},
      {ids::kMissingIntro, 1},
      {ids::kMissingAdvice, 1},
      {ids::kAccessIntro, 1},
      {ids::kAccessAdvice, 1},
      {ids::kPromptSelect, 1},
      {ids::kPromptFolder, 1},
      {ids::kPromptMod, 1},
  };
  for (const auto& text : texts)
    for (int language = 0; language < kLanguageCount; ++language)
      EXPECT_TRUE(has(text.id + text.step * language)) << text.id << " in language " << language;
  for (int language = 0; language < kLanguageCount; ++language)
    EXPECT_FALSE(has(ids::kDeniedText + 2 * language)) << language;
  // The messages added since, the player's and every game's own: each in three languages,
  // with the same placeholders.
  std::vector<int> added(std::begin(ids::kAddedMessages), std::end(ids::kAddedMessages));
  added.insert(added.end(), std::begin(needtext::kAll), std::end(needtext::kAll));
  for (const Game* game : Games())
    added.insert(added.end(), game->messages.begin(), game->messages.end());
  for (int id : added) {
    ASSERT_TRUE(has(id)) << id;
    auto placeholders = [](const std::string& text) {
      std::string found;
      for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1))
        if (at + 1 < text.size()) found += text[at + 1];
      std::sort(found.begin(), found.end());
      return found;
    };
    for (int language = 1; language < kLanguageCount; ++language) {
      EXPECT_TRUE(has(id + language)) << id << " in language " << language;
      EXPECT_EQ(placeholders(table.at(id + language)), placeholders(table.at(id))) << id;
    }
  }

  const int slots[] = {slot::kSplashCompany,     slot::kSplashCopyright,  slot::kSplashEmail,
                       slot::kSplashICQ,         slot::kSplashLicensedTo, slot::kSplashPlatform,
                       slot::kSplashStatusLabel, slot::kSplashLoading,    slot::kSplashVersion};
  std::vector<int> every(std::begin(slots), std::end(slots));
  for (int captioned = slot::kMainGameVersionLabel; captioned <= slot::kOptionsUTLabel; ++captioned)
    every.push_back(captioned);
  for (int captioned : every)
    for (int language = 0; language < kLanguageCount; ++language)
      EXPECT_TRUE(table.count(ids::kCaptions + captioned + 100 * language))
          << "slot " << captioned << " in language " << language;
}

}  // namespace
}  // namespace kalv::testing
