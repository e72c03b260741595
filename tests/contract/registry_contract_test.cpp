// Registry keys and values below HKEY_CURRENT_USER\Software\KalvContract, removed again
// after every case.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/contract/contract_fixture.h"

namespace kalv::contract {
namespace {

constexpr RegRoot kUser = RegRoot::CurrentUser;
const std::string kParent = "Software\\KalvContract";

class RegistryContract : public ContractTest {
 protected:
  void SetUp() override {
    ContractTest::SetUp();
    base_ = kParent + "\\" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    RemoveTree(base_);
  }
  void TearDown() override {
    RemoveTree(base_);
    if (KeyIsEmpty(kParent)) Skip(reg().DeleteKey(kUser, kParent));
    EXPECT_FALSE(reg().KeyExists(kUser, base_));
    ContractTest::TearDown();
  }

  Registry& reg() { return platform().registry; }
  std::string Key(const std::string& sub = "") const {
    return sub.empty() ? base_ : base_ + "\\" + sub;
  }

  void RemoveTree(const std::string& path) {
    if (!reg().KeyExists(kUser, path)) return;
    auto children = reg().SubKeys(kUser, path);
    if (children)
      for (const auto& child : children.value()) RemoveTree(path + "\\" + child);
    Skip(reg().DeleteKey(kUser, path));
  }
  bool KeyIsEmpty(const std::string& path) {
    auto children = reg().SubKeys(kUser, path);
    return children && children.value().empty();
  }

 private:
  std::string base_;
};

TEST_F(RegistryContract, CreateKeyMakesTheMissingParents) {
  ASSERT_TRUE(reg().CreateKey(kUser, Key("Settings\\Deep")).ok());
  EXPECT_TRUE(reg().KeyExists(kUser, Key()));
  EXPECT_TRUE(reg().KeyExists(kUser, Key("Settings")));
  EXPECT_TRUE(reg().KeyExists(kUser, Key("SETTINGS\\deep")));
  EXPECT_FALSE(reg().KeyExists(kUser, Key("Other")));
  // Creating an existing key again is fine.
  EXPECT_TRUE(reg().CreateKey(kUser, Key("Settings")).ok());
  auto children = reg().SubKeys(kUser, Key());
  ASSERT_TRUE(children.ok());
  EXPECT_EQ(children.value(), std::vector<std::string>{"Settings"});
  // Letters outside ASCII have their other case too.
  ASSERT_TRUE(reg().CreateKey(kUser, Key("Spi\xC3\xA9le\\\xD0\xB6")).ok());  // "Spiéle\ж"
  EXPECT_TRUE(reg().KeyExists(kUser, Key("SPI\xC3\x89LE\\\xD0\x96")));
}

TEST_F(RegistryContract, StringsAndDwordsRoundTrip) {
  ASSERT_TRUE(reg().CreateKey(kUser, Key("Settings")).ok());
  ASSERT_TRUE(
      reg().SetString(kUser, Key("Settings"), "Quake 3 Arena Path", "C:\\Games\\Quake3").ok());
  ASSERT_TRUE(reg().SetString(kUser, Key("Settings"), "Empty", "").ok());
  ASSERT_TRUE(reg().SetDword(kUser, Key("Settings"), "EditFlags", 0x10000u).ok());

  auto path = reg().QueryString(kUser, Key("settings"), "QUAKE 3 ARENA PATH", 256);
  ASSERT_TRUE(path.ok());
  EXPECT_EQ(path.value(), "C:\\Games\\Quake3");
  auto empty = reg().QueryString(kUser, Key("Settings"), "Empty", 256);
  ASSERT_TRUE(empty.ok());
  EXPECT_EQ(empty.value(), "");
  auto flags = reg().QueryDword(kUser, Key("Settings"), "EditFlags");
  ASSERT_TRUE(flags.ok());
  EXPECT_EQ(flags.value(), 0x10000u);

  // A second write replaces the value.
  ASSERT_TRUE(reg().SetString(kUser, Key("Settings"), "Quake 3 Arena Path", "D:\\Q3").ok());
  EXPECT_EQ(reg().QueryString(kUser, Key("Settings"), "Quake 3 Arena Path", 256).value_or("?"),
            "D:\\Q3");
  // A value of another type is not a string.
  EXPECT_FALSE(reg().QueryString(kUser, Key("Settings"), "EditFlags", 256).ok());
}

TEST_F(RegistryContract, DefaultValueIsTheEmptyName) {
  ASSERT_TRUE(reg().CreateKey(kUser, Key(".dm_66")).ok());
  EXPECT_FALSE(reg().QueryString(kUser, Key(".dm_66"), "", 256).ok());
  ASSERT_TRUE(reg().SetString(kUser, Key(".dm_66"), "", "Kalvenmarque.dm_66").ok());
  auto value = reg().QueryString(kUser, Key(".dm_66"), "", 256);
  ASSERT_TRUE(value.ok());
  EXPECT_EQ(value.value(), "Kalvenmarque.dm_66");
}

TEST_F(RegistryContract, WritingIntoAMissingKeyFails) {
  EXPECT_FALSE(reg().SetString(kUser, Key("Absent"), "Name", "value").ok());
  EXPECT_FALSE(reg().SetDword(kUser, Key("Absent"), "Name", 1).ok());
  EXPECT_FALSE(reg().KeyExists(kUser, Key("Absent")));
}

TEST_F(RegistryContract, DeleteRefusesAKeyWithSubkeysAndAnAbsentKey) {
  ASSERT_TRUE(reg().CreateKey(kUser, Key("Kalvenmarque.dm3\\shell\\open")).ok());
  EXPECT_FALSE(reg().DeleteKey(kUser, Key("Kalvenmarque.dm3")).ok());
  EXPECT_TRUE(reg().KeyExists(kUser, Key("Kalvenmarque.dm3\\shell\\open")));
  EXPECT_TRUE(reg().DeleteKey(kUser, Key("Kalvenmarque.dm3\\shell\\open")).ok());
  EXPECT_TRUE(reg().DeleteKey(kUser, Key("Kalvenmarque.dm3\\shell")).ok());
  EXPECT_TRUE(reg().DeleteKey(kUser, Key("Kalvenmarque.dm3")).ok());
  EXPECT_FALSE(reg().KeyExists(kUser, Key("Kalvenmarque.dm3")));
  EXPECT_FALSE(reg().DeleteKey(kUser, Key("Kalvenmarque.dm3")).ok());
}

TEST_F(RegistryContract, AValueLongerThanTheBufferFails) {
  ASSERT_TRUE(reg().CreateKey(kUser, Key()).ok());
  const std::string value(300, 'p');
  ASSERT_TRUE(reg().SetString(kUser, Key(), "Long", value).ok());
  EXPECT_FALSE(reg().QueryString(kUser, Key(), "Long", 256).ok());
  auto fits = reg().QueryString(kUser, Key(), "Long", 301);
  ASSERT_TRUE(fits.ok());
  EXPECT_EQ(fits.value(), value);
}

TEST_F(RegistryContract, AbsentValuesAndKeysFail) {
  ASSERT_TRUE(reg().CreateKey(kUser, Key()).ok());
  EXPECT_FALSE(reg().QueryString(kUser, Key(), "Nothing", 256).ok());
  EXPECT_FALSE(reg().QueryDword(kUser, Key(), "Nothing").ok());
  EXPECT_FALSE(reg().QueryString(kUser, Key("Absent"), "Nothing", 256).ok());
  EXPECT_FALSE(reg().SubKeys(kUser, Key("Absent")).ok());
  EXPECT_FALSE(reg().ValueNames(kUser, Key("Absent")).ok());
}

// The names come as first written, in name order without regard to case, the default
// value as "".
TEST_F(RegistryContract, ValueNamesListsEveryValueOfTheKeyOnly) {
  ASSERT_TRUE(reg().CreateKey(kUser, Key("Entry\\Child")).ok());
  ASSERT_TRUE(reg().SetString(kUser, Key("Entry"), "Step 1", "delete|C:\\x").ok());
  ASSERT_TRUE(reg().SetString(kUser, Key("Entry"), "complete", "1").ok());
  ASSERT_TRUE(reg().SetDword(kUser, Key("Entry"), "Process", 42).ok());
  ASSERT_TRUE(reg().SetString(kUser, Key("Entry\\Child"), "Other", "x").ok());
  auto names = reg().ValueNames(kUser, Key("Entry"));
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names.value(), (std::vector<std::string>{"complete", "Process", "Step 1"}));
  ASSERT_TRUE(reg().SetString(kUser, Key("Entry"), "", "default").ok());
  EXPECT_EQ(reg().ValueNames(kUser, Key("Entry")).value_or({}).front(), "");
  EXPECT_EQ(reg().ValueNames(kUser, Key("Entry\\Child")).value_or({}),
            std::vector<std::string>{"Other"});
}

// A flush returns once the key's values are on the disk; they read back unchanged.
TEST_F(RegistryContract, FlushingAKeyKeepsItsValuesAndAnAbsentKeyIsFileNotFound) {
  ASSERT_TRUE(reg().CreateKey(kUser, Key("Restore Journal\\Q3A")).ok());
  ASSERT_TRUE(reg().SetString(kUser, Key("Restore Journal\\Q3A"), "Complete", "1").ok());
  EXPECT_TRUE(reg().Flush(kUser, Key("Restore Journal\\Q3A")).ok());
  EXPECT_TRUE(reg().Flush(kUser, Key("restore journal")).ok());
  EXPECT_EQ(reg().QueryString(kUser, Key("Restore Journal\\Q3A"), "Complete", 256).value_or("?"),
            "1");
  EXPECT_EQ(reg().Flush(kUser, Key("Absent")).number(), err::kFileNotFound);
  EXPECT_FALSE(reg().KeyExists(kUser, Key("Absent")));
}

}  // namespace
}  // namespace kalv::contract
