// Quake 1, Quake 2, Half-Life and Unreal Tournament detection, and the choice of the
// Quake 1 executable.
#include "games/game_table.h"
#include "games_fixture.h"
#include "launcher/base/choices.h"
#include "launcher/base/settings.h"
#include "launcher/game_windows.h"

namespace kalv::testing {
namespace {

const std::string kQ1 = "D:\\Games\\Quake";

class DetectQ1Test : public ProgramFixture {
 protected:
  void Install() {
    fake.files.AddFile(kQ1 + "\\id1\\pak0.pak", "");
    fake.files.AddFile(kQ1 + "\\winquake.exe", "");
    fake.files.AddFile(kQ1 + "\\glquake.exe", "");
    fake.files.AddFile(kQ1 + "\\wqpro.exe", "");
    fake.files.AddFile(kQ1 + "\\readme.txt", "");
  }
  // The executable stored earlier, as the program holds it since its start.
  void Store(const std::string& name) {
    ASSERT_TRUE(WriteSetting(p(), "Quake 1 Executible", name).ok());
    p().choices = LoadChoices(p());
  }
};

TEST_F(DetectQ1Test, FoundInstallationListsItsExecutablesInNameOrder) {
  Install();
  options().txtQ1Path.SetText(kQ1);
  EXPECT_EQ(main().lblQ1Status.Caption(), " Quake 1 Status: Found");
  EXPECT_EQ(options().lblQ1Status.Caption(), "Quake 1 Status: Found");
  ASSERT_EQ(options().lstQ1.Count(), 3);
  EXPECT_EQ(options().lstQ1Box.Count(), 3) << "the visible list shows the same names";
  EXPECT_EQ(options().lstQ1.Item(0), "glquake.exe");
  EXPECT_EQ(options().lstQ1.Item(2), "wqpro.exe");
}

TEST_F(DetectQ1Test, ShortOrWrongPathEmptiesTheListInEveryLanguage) {
  Install();
  options().txtQ1Path.SetText(kQ1);
  SelectLanguage(1);
  options().txtQ1Path.SetText("D:\\Games");
  EXPECT_EQ(options().lblQ1Status.Caption(), "Quake 1 Status: Nicht Gefunden");
  EXPECT_EQ(options().lstQ1.Count(), 0);

  options().txtQ1Path.SetText(kQ1);
  EXPECT_EQ(options().lblQ1Status.Caption(), "Quake 1 Status: Gefunden");
  p().choices.language = -1;
  options().txtQ1Path.SetText("D:");
  EXPECT_EQ(options().lstQ1.Count(), 0);
  EXPECT_EQ(options().lblQ1Status.Caption(), "Quake 1 Status: Gefunden");
}

TEST_F(DetectQ1Test, StoredExecutableIsSelectedWhenTheListHoldsIt) {
  Install();
  options().txtQ1Path.SetText(kQ1);
  Store("wqpro.exe");
  EXPECT_EQ(SelectQ1Executable(p()), "wqpro.exe");
  EXPECT_EQ(options().lstQ1.Selected(), 2);
  EXPECT_EQ(options().lstQ1Box.Selected(), 2);
}

TEST_F(DetectQ1Test, FirstEntryStandsInForAMissingOrDifferentlyCasedName) {
  Install();
  options().txtQ1Path.SetText(kQ1);
  EXPECT_EQ(SelectQ1Executable(p()), "glquake.exe") << "nothing stored";
  Store("WQPRO.EXE");
  EXPECT_EQ(SelectQ1Executable(p()), "glquake.exe");
  EXPECT_EQ(options().lstQ1.Selected(), 0);
  Store("gone.exe");
  EXPECT_EQ(SelectQ1Executable(p()), "glquake.exe");
}

TEST_F(DetectQ1Test, EmptyListSelectsNothing) {
  Store("wqpro.exe");
  EXPECT_EQ(SelectQ1Executable(p()), "");
  EXPECT_EQ(options().lstQ1.Selected(), -1);
}

class DetectQ2Test : public ProgramFixture {};

TEST_F(DetectQ2Test, StatusFollowsTheBasePak) {
  fake.files.AddFile("C:\\Q2\\baseq2\\pak0.pak", "");
  options().txtQ2Path.SetText("C:\\Q2");
  EXPECT_EQ(main().lblQ2Status.Caption(), " Quake 2 Status: Found");
  EXPECT_EQ(options().lblQ2Status.Caption(), "Quake 2 Status: Found");
  options().txtQ2Path.SetText("C:\\Q2\\Old");
  EXPECT_EQ(options().lblQ2Status.Caption(), "Quake 2 Status: Not Found");
  options().txtQ2Path.SetText("C:");
  EXPECT_EQ(options().lblQ2Status.Caption(), "Quake 2 Status: Not Installed");
}

class DetectHLTest : public ProgramFixture {
 protected:
  void Version(const std::string& path, std::uint32_t ms, std::uint32_t ls) {
    fake.system.versions[path] = FixedFileVersion{ms, ls};
  }
};

TEST_F(DetectHLTest, VersionOfHlExeIsShown) {
  fake.files.AddFile("C:\\HL\\hl.exe", "");
  fake.files.AddFile("C:\\HL\\valve\\pak0.pak", "");
  Version("C:\\HL\\hl.exe", 0x00010001, 0x00000008);
  options().txtHLPath.SetText("C:\\HL");
  EXPECT_EQ(options().lblHLStatus.Caption(), "Half-Life Status: Found - Version: v1.1.0.8");
  EXPECT_EQ(main().lblHLStatus.Caption(), " Half-Life Status: Found - Version: v1.1.0.8");
}

TEST_F(DetectHLTest, RetailCounterStrikeUsesItsOwnExecutable) {
  fake.files.AddFile("C:\\CS\\cstrike.exe", "");
  fake.files.AddFile("C:\\CS\\valve\\pak0.pak", "");
  Version("C:\\CS\\cstrike.exe", 0x00010006, 0x00020003);
  options().txtHLPath.SetText("C:\\CS");
  EXPECT_EQ(options().lblHLStatus.Caption(), "Half-Life Status: Found - Version: v1.6.2.3");
}

TEST_F(DetectHLTest, ExecutableWithoutGameDataIsNotFound) {
  fake.files.AddFile("C:\\HL\\hl.exe", "");
  options().txtHLPath.SetText("C:\\HL");
  EXPECT_EQ(options().lblHLStatus.Caption(), "Half-Life Status: Not Found");
}

TEST_F(DetectHLTest, GameDataWithoutExecutableNamesNoVersionFromEarlierDirectory) {
  fake.files.AddFile("C:\\HL\\hl.exe", "");
  fake.files.AddFile("C:\\HL\\valve\\pak0.pak", "");
  Version("C:\\HL\\hl.exe", 0x00010001, 0x00000008);
  options().txtHLPath.SetText("C:\\HL");
  fake.files.AddFile("E:\\Copy\\valve\\pak0.pak", "");
  options().txtHLPath.SetText("E:\\Copy");
  EXPECT_EQ(options().lblHLStatus.Caption(), "Half-Life Status: Found");
}

TEST_F(DetectHLTest, ShortPathInAfrikaans) {
  SelectLanguage(2);
  options().txtHLPath.SetText("C");
  EXPECT_EQ(main().lblHLStatus.Caption(), " Half-Life Status: Nie Instaleer Nie");
}

class DetectUTTest : public ProgramFixture {
 protected:
  bool OptionsEnabled() {
    return options().chkUT_nfc.Enabled() && options().chkUT_tb.Enabled() &&
           options().chkUT_3rd.Enabled();
  }
  bool OptionsDisabled() {
    return !options().chkUT_nfc.Enabled() && !options().chkUT_tb.Enabled() &&
           !options().chkUT_3rd.Enabled();
  }
};

TEST_F(DetectUTTest, PlaybackOptionsFollowTheInstallationAndKeepTheirTicks) {
  fake.files.AddFile("C:\\UT\\System\\BotPack.u", "");
  options().chkUT_tb.SetValue(1);
  options().txtUTPath.SetText("C:\\Other");
  EXPECT_EQ(options().lblUTStatus.Caption(), "Unreal Tournament Status: Not Found");
  EXPECT_TRUE(OptionsDisabled());
  options().txtUTPath.SetText("C:\\UT");
  EXPECT_EQ(main().lblUTStatus.Caption(), " Unreal Tournament Status: Found");
  EXPECT_TRUE(OptionsEnabled());
  EXPECT_EQ(options().chkUT_tb.Value(), 1);
  EXPECT_EQ(options().chkUT_nfc.Value(), 0);
}

TEST_F(DetectUTTest, ClearedPathDisablesTheOptionsEvenInAnUnknownLanguage) {
  fake.files.AddFile("C:\\UT\\System\\BotPack.u", "");
  options().txtUTPath.SetText("C:\\UT");
  p().choices.language = 9;
  options().txtUTPath.SetText("");
  EXPECT_TRUE(OptionsDisabled());
  EXPECT_EQ(options().lblUTStatus.Caption(), "Unreal Tournament Status: Found");
}

}  // namespace
}  // namespace kalv::testing

namespace kalv::testing {
namespace {

class GameStateTest : public ProgramFixture {};

// A detection's answer is a value, so it holds in a language that writes no status line:
// no folder, a folder without the game, and each game installed with its version.
TEST_F(GameStateTest, EveryGameAnswersWithAValueInAnyLanguage) {
  p().choices.language = 9;
  AddShippedReleases();
  const std::string q3 = "D:\\Q3", ef = "D:\\EF", hl = "D:\\HL", q1 = "D:\\Q1", q2 = "D:\\Q2",
                    ut = "D:\\UT";
  for (const char* f : {"\\quake3.exe", "\\baseq3\\pak0.pk3", "\\baseq3\\pak4.pk3"})
    fake.files.AddFile(q3 + f, "");
  for (const char* f : {"\\baseef\\pak0.pk3", "\\baseef\\pak1.pk3"}) fake.files.AddFile(ef + f, "");
  fake.files.AddFile(hl + "\\valve\\pak0.pak", "");
  fake.files.AddFile(hl + "\\cstrike.exe", "MZ");
  fake.system.versions[hl + "\\cstrike.exe"] = FixedFileVersion{0x00010001u, 0x00000006u};
  fake.files.AddFile(q1 + "\\id1\\pak0.pak", "");
  fake.files.AddFile(q2 + "\\baseq2\\pak0.pak", "");
  fake.files.AddFile(ut + "\\System\\BotPack.u", "");
  using Status = GameState::Status;
  const struct {
    GameCode code;
    std::string dir;
    Status status;
    std::string version;
  } games[] = {
      {GameCode::Q3A, q3, Status::FoundVersion, "1.27h"},
      {GameCode::STVEF, ef, Status::FoundVersion, "1.10"},
      {GameCode::HL, hl, Status::FoundVersion, "1.1.0.6"},
      {GameCode::Q1, q1, Status::Found, ""},
      {GameCode::Q2, q2, Status::Found, ""},
      {GameCode::UT, ut, Status::Found, ""},
  };
  const Install install = p().install();
  for (const auto& game : games) {
    SCOPED_TRACE(game.dir);
    const auto detect = GameOf(game.code).detect;
    const GameState installed = detect(install, game.dir);
    EXPECT_EQ(installed.status, game.status);
    EXPECT_EQ(installed.version, game.version);
    EXPECT_TRUE(installed.found());
    EXPECT_EQ(detect(install, "D:").status, Status::NotInstalled);
    EXPECT_EQ(detect(install, "D:\\Elsewhere").status, Status::NotFound);
    EXPECT_FALSE(detect(install, "D:\\Elsewhere").found());
  }
  EXPECT_EQ(GameOf(GameCode::Q1).detect(install, q1).executables, std::vector<std::string>{})
      << "the folder holds no program";
}

}  // namespace
}  // namespace kalv::testing
