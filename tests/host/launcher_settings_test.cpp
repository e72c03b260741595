// The settings store, ReadRegistryString and the game discovery table.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "games/game_table.h"
#include "games/setting_names.h"
#include "launcher/base/settings.h"
#include "platform/fake/fake_platform.h"

namespace kalv {
namespace {

constexpr const char* kStore = "Software\\VB and VBA Program Settings\\Kalvenmarque\\Settings";

class SettingsTest : public ::testing::Test {
 protected:
  fake::FakePlatform fake;
  Program program{fake};
};

TEST_F(SettingsTest, AbsentKeysReadAsTheCallersDefault) {
  EXPECT_EQ(ReadSetting(program, setting::kLanguage, "0"), "0");
  EXPECT_EQ(ReadSetting(program, setting::kUTTimeBased, "1"), "1");
  EXPECT_EQ(ReadSetting(program, setting::kFirstTimeRun, ""), "");
}

TEST_F(SettingsTest, WritingCreatesTheStoreAndReadsBack) {
  ASSERT_TRUE(WriteSetting(program, setting::kLanguage, "1").ok());
  ASSERT_TRUE(WriteSetting(program, setting::kQ3APath, "C:\\Games\\Quake III Arena").ok());
  ASSERT_TRUE(WriteSetting(program, setting::kModificationSTVEF, " /").ok());

  EXPECT_TRUE(fake.registry.KeyExists(RegRoot::CurrentUser, kStore));
  EXPECT_EQ(fake.registry.Value(RegRoot::CurrentUser, kStore, "Language"), "1");
  EXPECT_EQ(ReadSetting(program, setting::kLanguage, "0"), "1");
  EXPECT_EQ(ReadSetting(fake.registry, setting::kQ3APath, ""), "C:\\Games\\Quake III Arena");
  EXPECT_EQ(ReadSetting(program, setting::kModificationSTVEF, ""), " /");
}

TEST_F(SettingsTest, EmptyTextIsStoredAndNotTheDefault) {
  ASSERT_TRUE(WriteSetting(program, setting::kHLPath, "").ok());
  EXPECT_EQ(ReadSetting(program, setting::kHLPath, "default"), "");
}

TEST_F(SettingsTest, LongAndNonAsciiValuesRoundTrip) {
  const std::string path = "C:\\Spiele\\" + std::string(300, 'q') +
                           "\\\xC3\x9C"
                           "ber";
  ASSERT_TRUE(WriteSetting(program, setting::kQ1Path, path).ok());
  EXPECT_EQ(ReadSetting(program, setting::kQ1Path, ""), path);
}

TEST_F(SettingsTest, RefusedWritesReportAFailureAndLeaveTheDefault) {
  fake.registry.RefuseWrites(RegRoot::CurrentUser);
  const Status written = WriteSetting(program, setting::kPath, "C:\\Kalvenmarque");
  EXPECT_FALSE(written.ok());
  EXPECT_EQ(ReadSetting(program, setting::kPath, "none"), "none");
}

TEST(SettingNamesTest, SeventeenDistinctKeys) {
  std::set<std::string> names(std::begin(setting::kAll), std::end(setting::kAll));
  EXPECT_EQ(names.size(), 17u);
  EXPECT_EQ(names.count("Quake 1 Executible"), 1u);
  EXPECT_EQ(names.count("Unreal Tournament - 3rd Person"), 1u);
}

class RegistryStringTest : public ::testing::Test {
 protected:
  void Put(const std::string& value) {
    fake.registry.PutString(RegRoot::LocalMachine, "SOFTWARE\\Id\\Quake III Arena", "Installpath",
                            value);
  }
  std::string Read(
      const std::string& keyPath = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Id\\Quake III Arena") {
    return ReadRegistryString(fake.registry, keyPath, "Installpath");
  }
  fake::FakePlatform fake;
};

TEST_F(RegistryStringTest, PlainValueComesBackExactly) {
  Put("C:\\Games\\Quake3");
  EXPECT_EQ(Read(), "C:\\Games\\Quake3");
}

TEST_F(RegistryStringTest, BlanksAtEitherEndAndTheTerminatorAreDropped) {
  Put(" C:\\Games\\Quake3 ");
  EXPECT_EQ(Read(), "C:\\Games\\Quake3");
  Put(std::string("C:\\Games\\Quake3\0", 16));
  EXPECT_EQ(Read(), "C:\\Games\\Quake3");
  Put(std::string("  C:\\Q3  \0junk after", 20));
  EXPECT_EQ(Read(), "C:\\Q3");
  Put("C:\\Program Files\\Quake III Arena");
  EXPECT_EQ(Read(), "C:\\Program Files\\Quake III Arena") << "inner blanks stay";
}

TEST_F(RegistryStringTest, AbsentOrBlankValuesGiveEmptyText) {
  EXPECT_EQ(Read(), "");
  Put("     ");
  EXPECT_EQ(Read(), "");
  Put("");
  EXPECT_EQ(Read(), "");
}

TEST_F(RegistryStringTest, RootNamesMustBeSpelledOutExactly) {
  Put("C:\\Q3");
  EXPECT_EQ(Read("HKLM\\SOFTWARE\\Id\\Quake III Arena"), "");
  EXPECT_EQ(Read("hkey_local_machine\\SOFTWARE\\Id\\Quake III Arena"), "");
  EXPECT_EQ(Read("HKEY_LOCAL_MACHINESOFTWARE"), "");
  EXPECT_EQ(Read(""), "");
  EXPECT_EQ(Read("HKEY_CURRENT_USER\\SOFTWARE\\Id\\Quake III Arena"), "");
}

TEST_F(RegistryStringTest, EachOfTheFourRootsIsReachable) {
  fake.registry.PutString(RegRoot::ClassesRoot, ".dm_66", "v", "cr");
  fake.registry.PutString(RegRoot::CurrentUser, "Software\\X", "v", "cu");
  fake.registry.PutString(RegRoot::Users, ".DEFAULT\\X", "v", "us");
  EXPECT_EQ(ReadRegistryString(fake.registry, "HKEY_CLASSES_ROOT\\.dm_66", "v"), "cr");
  EXPECT_EQ(ReadRegistryString(fake.registry, "HKEY_CURRENT_USER\\Software\\X", "v"), "cu");
  EXPECT_EQ(ReadRegistryString(fake.registry, "HKEY_USERS\\.DEFAULT\\X", "v"), "us");
}

TEST_F(RegistryStringTest, ValuesOf256CharactersOrMoreAreNotRead) {
  Put(std::string(255, 'a'));
  EXPECT_EQ(Read(), std::string(255, 'a'));
  Put(std::string(256, 'a'));
  EXPECT_EQ(Read(), "");
  Put("C:\\" + std::string(297, 'p'));
  EXPECT_EQ(Read(), "");
}

TEST_F(RegistryStringTest, Utf8TextPassesThrough) {
  Put("C:\\Spiele\\K\xC3\xA4mpfer");
  EXPECT_EQ(Read(), "C:\\Spiele\\K\xC3\xA4mpfer");
}

TEST(DiscoveryTest, ReadsEachGamesInstallerEntry) {
  fake::FakePlatform fake;
  fake.registry.PutString(RegRoot::LocalMachine, "SOFTWARE\\Id\\Quake III Arena", "Installpath",
                          "C:\\Quake III Arena");
  fake.registry.PutString(RegRoot::LocalMachine, "SOFTWARE\\Sierra OnLine\\Setup\\HALFLIFE",
                          "Directory", "C:\\Sierra\\Half-Life ");
  fake.registry.PutString(RegRoot::LocalMachine,
                          "SOFTWARE\\Activision\\Star Trek: Voyager - Elite Force\\v1.0",
                          "INSTALLPATH", "D:\\EF");

  auto discover = [&](const Game& game) {
    return ReadRegistryString(fake.registry, game.installerKey, game.installerValue);
  };
  EXPECT_EQ(discover(*Games()[0]), "C:\\Quake III Arena");
  EXPECT_EQ(discover(*Games()[1]), "C:\\Sierra\\Half-Life");
  EXPECT_EQ(discover(*Games()[2]), "D:\\EF");
  EXPECT_STREQ(Games()[0]->dirSetting, "Quake 3 Arena Path");
  EXPECT_STREQ(Games()[1]->dirSetting, "Half-Life Path");
  EXPECT_STREQ(Games()[2]->dirSetting, "StarTrek Voyager Elite Force Path");
  // The other three games have no installer entry to read.
  for (std::size_t i = 3; i < kGameCount; ++i) EXPECT_STREQ(Games()[i]->installerKey, "");
}

TEST(DiscoveryTest, GameNotInstalledGivesEmptyText) {
  fake::FakePlatform fake;
  for (const Game* game : Games())
    EXPECT_EQ(ReadRegistryString(fake.registry, game->installerKey, game->installerValue), "")
        << game->journalCode;
}

}  // namespace
}  // namespace kalv
