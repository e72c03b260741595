// Quake 3 Arena and Elite Force detection: status lines, the controls they enable, the
// installed release and the Elite Force version.
#include "games/quake3/release_store.h"
#include "games_fixture.h"
#include "launcher/game_windows.h"

namespace kalv::testing {
namespace {

const std::string kQ3 = "C:\\Games\\Quake3";
const std::string kEF = "D:\\EF";

class DetectQ3ATest : public ProgramFixture {
 protected:
  void Install(std::initializer_list<int> paks) {
    fake.files.AddFile(kQ3 + "\\quake3.exe", "exe");
    for (int pak : paks)
      fake.files.AddFile(kQ3 + "\\baseq3\\pak" + std::to_string(pak) + ".pk3", "");
  }
  bool Q3AControlsEnabled() {
    return main().cmdConvert.Enabled() && main().cmdQuake3Arena.Enabled() &&
           options().cmdBrowseQ3A_Mod.Enabled();
  }
};

TEST_F(DetectQ3ATest, NewestReleaseWhosePakIsPresentIsShownOnBothWindows) {
  AddShippedReleases();
  Install({0, 1, 2, 3, 4, 5, 6});
  options().txtQ3APath.SetText(kQ3);
  EXPECT_EQ(main().lblQ3AStatus.Caption(), " Quake 3 Arena Status: Found - Version: v1.31");
  EXPECT_EQ(options().lblQ3AStatus.Caption(), "Quake 3 Arena Status: Found - Version: v1.31");
  EXPECT_TRUE(Q3AControlsEnabled());
  EXPECT_EQ(p().choices.dir(GameCode::Q3A), kQ3);
  EXPECT_EQ(ReleaseOfPaks(p().install(), kQ3)->file, "v1_31.Vrk");
}

TEST_F(DetectQ3ATest, PaksSetAsideByAConversionReportTheOlderRelease) {
  AddShippedReleases();
  Install({0, 1, 2, 3, 4, 5});
  fake.files.AddFile(kQ3 + "\\baseq3\\pak6.bak", "");
  options().txtQ3APath.SetText(kQ3);
  EXPECT_EQ(options().lblQ3AStatus.Caption(), "Quake 3 Arena Status: Found - Version: v1.30");
  EXPECT_EQ(ReleaseOfPaks(p().install(), kQ3)->file, "v1_30.Vrk");
}

TEST_F(DetectQ3ATest, ShortPathIsNotInstalledEvenWithAGameInTheDriveRoot) {
  fake.files.AddFile("C:\\quake3.exe", "exe");
  options().txtQ3APath.SetText("C:");
  EXPECT_EQ(options().lblQ3AStatus.Caption(), "Quake 3 Arena Status: Not Installed");
  EXPECT_FALSE(main().cmdConvert.Enabled());
  EXPECT_FALSE(main().cmdQuake3Arena.Enabled());
  EXPECT_FALSE(options().chkModQ3A.Enabled());
  EXPECT_FALSE(options().cmdBrowseQ3A_Mod.Enabled());
}

TEST_F(DetectQ3ATest, DirectoryWithoutTheGameIsNotFoundAndKeepsTheOldDirectory) {
  AddShippedReleases();
  Install({6});
  options().txtQ3APath.SetText(kQ3);
  options().txtQ3APath.SetText("E:\\Nothing");
  EXPECT_EQ(main().lblQ3AStatus.Caption(), " Quake 3 Arena Status: Not Found");
  EXPECT_FALSE(Q3AControlsEnabled());
  EXPECT_EQ(p().choices.dir(GameCode::Q3A), kQ3);
}

TEST_F(DetectQ3ATest, GameWithoutAnyStoredReleasesPakIsFoundWithoutVersion) {
  AddShippedReleases();
  Install({0});
  main().lblQ3AStatus.SetCaption("stale");
  options().txtQ3APath.SetText(kQ3);
  EXPECT_EQ(main().lblQ3AStatus.Caption(), " Quake 3 Arena Status: Found");
  EXPECT_EQ(options().lblQ3AStatus.Caption(), "Quake 3 Arena Status: Found");
  EXPECT_TRUE(Q3AControlsEnabled());
}

TEST_F(DetectQ3ATest, ReleaseFileWithoutVersionNamesNoRelease) {
  fake.files.AddFile(Versions() + "\\v9_99.Vrk", "[Quake 3 Arena Version]\r\nnewpak=0\r\n");
  Install({0});
  options().txtQ3APath.SetText(kQ3);
  EXPECT_EQ(options().lblQ3AStatus.Caption(), "Quake 3 Arena Status: Found");
}

TEST_F(DetectQ3ATest, ModCheckBoxIsEnabledOnlyWhenAModWasChosenAndNeverTicked) {
  AddShippedReleases();
  Install({6});
  options().chkModQ3A.SetEnabled(false);
  options().txtQ3APath.SetText(kQ3);
  EXPECT_FALSE(options().chkModQ3A.Enabled()) << "no mod chosen (\" /\")";

  options().txtQ3APath.SetText("");
  p().choices.q3aMod.label = "Mod: osp";
  options().chkModQ3A.SetValue(0);
  options().txtQ3APath.SetText(kQ3);
  EXPECT_TRUE(options().chkModQ3A.Enabled());
  EXPECT_EQ(options().chkModQ3A.Value(), 0);
}

TEST_F(DetectQ3ATest, GermanTextAndNoCaptionForAnUnknownLanguage) {
  AddShippedReleases();
  Install({6});
  SelectLanguage(1);
  options().txtQ3APath.SetText(kQ3);
  EXPECT_EQ(options().lblQ3AStatus.Caption(), "Quake 3 Arena Status: Gefunden - Version: v1.31");

  p().choices.language = 3;
  options().txtQ3APath.SetText("E:\\Nothing");
  EXPECT_EQ(options().lblQ3AStatus.Caption(), "Quake 3 Arena Status: Gefunden - Version: v1.31");
  EXPECT_FALSE(main().cmdConvert.Enabled()) << "everything but the captions still happens";
}

class DetectSTVEFTest : public ProgramFixture {
 protected:
  void Install(std::initializer_list<int> paks) {
    for (int pak : paks)
      fake.files.AddFile(kEF + "\\baseef\\pak" + std::to_string(pak) + ".pk3", "");
  }
};

TEST_F(DetectSTVEFTest, VersionFollowsTheNewestNumberedPak) {
  Install({0, 1, 2});
  options().txtSTVEFPath.SetText(kEF);
  EXPECT_EQ(main().lblSTVEFStatus.Caption(), " Star Trek Voyager Status: Found - Version: v1.20");
  EXPECT_EQ(options().lblSTVEFStatus.Caption(), "Star Trek Voyager Status: Found - Version: v1.20");
  EXPECT_EQ(p().choices.dir(GameCode::STVEF), kEF);
  EXPECT_TRUE(options().cmdBrowseSTVEF_Mod.Enabled());

  fake.files.Delete(kEF + "\\baseef\\pak2.pk3").ok();
  options().txtSTVEFPath.SetText("");
  options().txtSTVEFPath.SetText(kEF);
  EXPECT_EQ(options().lblSTVEFStatus.Caption(), "Star Trek Voyager Status: Found - Version: v1.10");

  fake.files.Delete(kEF + "\\baseef\\pak1.pk3").ok();
  options().txtSTVEFPath.SetText("");
  options().txtSTVEFPath.SetText(kEF);
  EXPECT_EQ(options().lblSTVEFStatus.Caption(), "Star Trek Voyager Status: Found - Version: v1.00");
}

TEST_F(DetectSTVEFTest, MissingOrShortDirectoryDisablesTheModControls) {
  p().choices.stvefMod.label = "Mod: x";
  options().txtSTVEFPath.SetText("D:\\Other");
  EXPECT_EQ(options().lblSTVEFStatus.Caption(), "Star Trek Voyager Status: Not Found");
  EXPECT_FALSE(options().cmdBrowseSTVEF_Mod.Enabled());
  EXPECT_FALSE(options().chkModSTVEF.Enabled());
  EXPECT_TRUE(p().choices.dir(GameCode::STVEF).empty());

  options().txtSTVEFPath.SetText("D:");
  SelectLanguage(2);
  DetectGame(p(), GameCode::STVEF);
  EXPECT_EQ(main().lblSTVEFStatus.Caption(), " Star Trek Voyager Status: Nie Instaleer Nie");
}

TEST_F(DetectSTVEFTest, ChosenModEnablesItsCheckBox) {
  Install({0});
  p().choices.stvefMod.label = "Mod: x";
  options().chkModSTVEF.SetEnabled(false);
  options().txtSTVEFPath.SetText(kEF);
  EXPECT_TRUE(options().chkModSTVEF.Enabled());
}

}  // namespace
}  // namespace kalv::testing
