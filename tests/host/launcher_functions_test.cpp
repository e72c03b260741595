// Whether an installation has a file, the string table's rows in the user's language, and
// a file's version text.
#include <gtest/gtest.h>

#include "games/game.h"
#include "launcher/base/localized.h"
#include "platform/fake/fake_platform.h"
#include "ui/string_table.h"

namespace kalv {
namespace {

class FunctionsTest : public ::testing::Test {
 protected:
  FunctionsTest() { fake.system.strings = ui::StringTable(); }
  fake::FakePlatform fake;
  Program program{fake};
};

TEST_F(FunctionsTest, AnInstallHasOnlyFilesThatCanBeRead) {
  fake.files.AddFile("C:\\Games\\Quake3\\quake3.exe", "MZ");
  fake.files.AddFile("C:\\Games\\Quake3\\held.cfg", "x");
  fake.files.HoldOpen("C:\\Games\\Quake3\\held.cfg");
  fake.files.AddDirectory("C:\\Games\\Quake3\\baseq3");

  EXPECT_TRUE(program.install().Has("C:\\Games\\Quake3\\quake3.exe"));
  EXPECT_TRUE(program.install().Has("c:\\games\\QUAKE3\\Quake3.EXE"));
  EXPECT_FALSE(program.install().Has("C:\\Games\\Quake3\\held.cfg"));
  EXPECT_FALSE(program.install().Has("C:\\Games\\Quake3\\baseq3"));
  EXPECT_FALSE(program.install().Has("C:\\Games\\Quake3\\missing.exe"));
  EXPECT_FALSE(program.install().Has(""));
}

TEST_F(FunctionsTest, LoadTextReadsRowsAndGivesEmptyTextOtherwise) {
  EXPECT_EQ(LoadText(program, 119), "Welcome...");
  EXPECT_EQ(LoadText(program, 120), "Wilkommen...");
  EXPECT_EQ(LoadText(program, 122), "");
  fake.system.strings[70000] = "not a 16-bit id";
  fake.system.strings[-1] = "negative";
  EXPECT_EQ(LoadText(program, 70000), "");
  EXPECT_EQ(LoadText(program, -1), "");
}

TEST_F(FunctionsTest, VersionTextIsFourUnsignedSixteenBitParts) {
  fake.system.versions["C:\\Sierra\\Half-Life\\hl.exe"] =
      FixedFileVersion{0x00010001u, 0x00000008u};
  fake.system.versions["C:\\max.exe"] = FixedFileVersion{0xFFFFFFFFu, 0x8000FFFEu};

  EXPECT_EQ(FileVersionText(program.install(), "C:\\Sierra\\Half-Life\\hl.exe"), "1.1.0.8");
  EXPECT_EQ(FileVersionText(program.install(), "C:\\max.exe"), "65535.65535.32768.65534");
}

TEST_F(FunctionsTest, FileWithoutVersionResourceGivesZeros) {
  fake.files.AddFile("C:\\plain.exe", "MZ");
  EXPECT_EQ(FileVersionText(program.install(), "C:\\plain.exe"), "0.0.0.0");
  EXPECT_EQ(FileVersionText(program.install(), "C:\\missing.exe"), "0.0.0.0");
}

TEST_F(FunctionsTest, LocalizedRowStepsWithTheLanguageAndIsNothingForAnUnknownOne) {
  int& language = program.choices.language;
  EXPECT_EQ(Localized(program, 119), "Welcome...");
  language = 2;
  EXPECT_EQ(Localized(program, 119), "Welkom...");
  EXPECT_EQ(Localized(program, 105, 2), "Kalvenmarque - Geen Toegang (70)");
  EXPECT_EQ(Localized(program, 112, 3), "Kalvenmarque - Fout");
  EXPECT_EQ(Localized(program, 500, 100), LoadText(program, 700));
  for (int unknown : {-1, 3, 7}) {
    language = unknown;
    EXPECT_EQ(Localized(program, 119), std::nullopt) << unknown;
  }
}

TEST(ProgramTest, TakesTheRawCommandLineAndDefaultsToEnglish) {
  fake::FakePlatform fake;
  fake.system.commandLine = "D:\\Demos\\Final.DM_66";
  Program program(fake);
  EXPECT_EQ(program.commandLine, "D:\\Demos\\Final.DM_66");
  EXPECT_EQ(program.Language(), 0);
}

// The start-up's phases, each as long as from the mark before it, for the run log.
TEST(ProgramTest, StartupTimesNameEachPhaseWithItsMilliseconds) {
  fake::FakePlatform fake;
  Program program(fake);
  EXPECT_EQ(program.StartupTimes(), "");
  fake.system.now = LocalTime{2026, 12, 9, 23, 59, 59, 990};
  program.Mark("begin");
  EXPECT_EQ(program.StartupTimes(), "");
  fake.system.now.millisecond = 994;
  program.Mark("replay");
  fake.system.now = LocalTime{2026, 12, 10, 0, 0, 0, 20};  // past midnight
  program.Mark("windows");
  EXPECT_EQ(program.StartupTimes(), "replay 4 ms, windows 0 ms");
}

}  // namespace
}  // namespace kalv
