// Registry details of the Windows backend: buffer limits, raw data, name order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/test_support.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/windows_api.h"

namespace kalv::win32 {
namespace {

constexpr RegRoot kUser = RegRoot::CurrentUser;

class Win32RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = "Software\\KalvBackendTest-" + std::to_string(CurrentProcessId());
    RemoveRegistryTree(kUser, base_);
    ASSERT_TRUE(reg_.CreateKey(kUser, base_).ok());
  }
  void TearDown() override {
    RemoveRegistryTree(kUser, base_);
    EXPECT_FALSE(reg_.KeyExists(kUser, base_));
  }
  // Writes raw bytes as the given type, bypassing the backend.
  void PutRaw(const std::string& name, DWORD type, const void* data, DWORD bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, Wide(base_).c_str(), 0, KEY_SET_VALUE, &key),
              ERROR_SUCCESS);
    ASSERT_EQ(
        RegSetValueExW(key, Wide(name).c_str(), 0, type, static_cast<const BYTE*>(data), bytes),
        ERROR_SUCCESS);
    RegCloseKey(key);
  }

  Win32Registry reg_;
  std::string base_;
};

// A 256-character buffer holds 255 characters and the terminator.
TEST_F(Win32RegistryTest, TheBufferCountsTheTerminator) {
  ASSERT_TRUE(reg_.SetString(kUser, base_, "Fits", std::string(255, 'x')).ok());
  ASSERT_TRUE(reg_.SetString(kUser, base_, "TooLong", std::string(256, 'x')).ok());
  auto fits = reg_.QueryString(kUser, base_, "Fits", 256);
  ASSERT_TRUE(fits.ok());
  EXPECT_EQ(fits.value().size(), 255u);
  EXPECT_EQ(reg_.QueryString(kUser, base_, "TooLong", 256).failure().number, err::kInvalidCall);
  EXPECT_FALSE(reg_.QueryString(kUser, base_, "Fits", 0).ok());
}

TEST_F(Win32RegistryTest, DataWithoutATerminatorReadsToItsEndOrFailsWhenItFillsTheBuffer) {
  const std::wstring bare = L"C:\\Games\\Quake3";
  PutRaw("Bare", REG_SZ, bare.data(), static_cast<DWORD>(bare.size() * sizeof(wchar_t)));
  auto value = reg_.QueryString(kUser, base_, "Bare", 256);
  ASSERT_TRUE(value.ok());
  EXPECT_EQ(value.value(), "C:\\Games\\Quake3");
  EXPECT_FALSE(reg_.QueryString(kUser, base_, "Bare", bare.size()).ok());
}

TEST_F(Win32RegistryTest, TextStopsAtTheFirstZero) {
  const wchar_t data[] = L"Quake\0junk";
  PutRaw("Embedded", REG_SZ, data, sizeof data);
  EXPECT_EQ(reg_.QueryString(kUser, base_, "Embedded", 256).value_or("?"), "Quake");
}

TEST_F(Win32RegistryTest, OtherTypesAreNotStringsOrDwords) {
  const wchar_t expand[] = L"%SystemRoot%";
  PutRaw("Expand", REG_EXPAND_SZ, expand, sizeof expand);
  const BYTE bytes[] = {1, 2};
  PutRaw("Binary", REG_BINARY, bytes, sizeof bytes);
  EXPECT_FALSE(reg_.QueryString(kUser, base_, "Expand", 256).ok());
  EXPECT_FALSE(reg_.QueryDword(kUser, base_, "Binary").ok());
  ASSERT_TRUE(reg_.SetString(kUser, base_, "Text", "8").ok());
  EXPECT_FALSE(reg_.QueryDword(kUser, base_, "Text").ok());
}

TEST_F(Win32RegistryTest, NonAsciiNamesAndValuesRoundTrip) {
  const std::string key = base_ + "\\Spi\xC3\xA9le";
  const std::string value = "C:\\Spiele\\Gro\xC3\x9F \xE6\xBC\xA2";
  ASSERT_TRUE(reg_.CreateKey(kUser, key).ok());
  ASSERT_TRUE(reg_.SetString(kUser, key, "Pfad \xC3\xBC", value).ok());
  EXPECT_EQ(reg_.QueryString(kUser, key, "Pfad \xC3\xBC", 256).value_or("?"), value);
  auto children = reg_.SubKeys(kUser, base_);
  ASSERT_TRUE(children.ok());
  EXPECT_EQ(children.value(), std::vector<std::string>{"Spi\xC3\xA9le"});
}

TEST_F(Win32RegistryTest, SubKeysComeInNameOrderWithoutCase) {
  for (const char* name : {"shell", "DefaultIcon", "Apple", "zeta"})
    ASSERT_TRUE(reg_.CreateKey(kUser, base_ + "\\" + name).ok());
  auto children = reg_.SubKeys(kUser, base_);
  ASSERT_TRUE(children.ok());
  EXPECT_EQ(children.value(), (std::vector<std::string>{"Apple", "DefaultIcon", "shell", "zeta"}));
}

// Keys stay open between calls; what another program does to them meanwhile still counts.
TEST_F(Win32RegistryTest, AKeyAnotherProgramDeletesOrMakesAgainIsSeenAsItIsNow) {
  const std::string key = base_ + "\\Journal";
  ASSERT_TRUE(reg_.CreateKey(kUser, key).ok());
  ASSERT_TRUE(reg_.SetString(kUser, key, "Step", "old").ok());
  ASSERT_EQ(reg_.QueryString(kUser, key, "Step", 256).value_or("?"), "old");

  RemoveRegistryTree(kUser, key);
  EXPECT_FALSE(reg_.KeyExists(kUser, key));
  EXPECT_EQ(reg_.QueryString(kUser, key, "Step", 256).failure().number, err::kFileNotFound);
  EXPECT_EQ(reg_.SetString(kUser, key, "Step", "lost").number(), err::kFileNotFound);

  HKEY made = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Wide(key).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &made, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(made);
  ASSERT_TRUE(reg_.KeyExists(kUser, key));
  ASSERT_TRUE(reg_.SetString(kUser, key, "Step", "new").ok());
  RemoveRegistryTree(kUser, key);
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Wide(key).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &made, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(made);
  // Written into the key as it is now, where another program reads it.
  ASSERT_TRUE(reg_.SetDword(kUser, key, "Count", 3).ok());
  HKEY read = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, Wide(key).c_str(), 0, KEY_QUERY_VALUE, &read),
            ERROR_SUCCESS);
  DWORD count = 0;
  DWORD bytes = sizeof count;
  EXPECT_EQ(
      RegQueryValueExW(read, L"Count", nullptr, nullptr, reinterpret_cast<BYTE*>(&count), &bytes),
      ERROR_SUCCESS);
  RegCloseKey(read);
  EXPECT_EQ(count, 3u);
  EXPECT_FALSE(reg_.QueryString(kUser, key, "Step", 256).ok());
}

// More keys than are kept open, each written and read back twice over.
TEST_F(Win32RegistryTest, ManyKeysInTurnKeepTheirOwnValues) {
  for (int round = 0; round < 2; ++round) {
    for (int n = 0; n < 20; ++n) {
      const std::string key = base_ + "\\Key" + std::to_string(n);
      ASSERT_TRUE(reg_.CreateKey(kUser, key).ok());
      ASSERT_TRUE(reg_.SetString(kUser, key, "N", std::to_string(n * 10 + round)).ok());
    }
    for (int n = 0; n < 20; ++n)
      EXPECT_EQ(
          reg_.QueryString(kUser, base_ + "\\KEY" + std::to_string(n), "N", 256).value_or("?"),
          std::to_string(n * 10 + round));
  }
  // Deleting a key lets go of it and of what is below it, and nothing else.
  ASSERT_TRUE(reg_.DeleteKey(kUser, base_ + "\\Key19").ok());
  EXPECT_FALSE(reg_.KeyExists(kUser, base_ + "\\Key19"));
  EXPECT_EQ(reg_.QueryString(kUser, base_ + "\\Key18", "N", 256).value_or("?"), "181");
}

TEST_F(Win32RegistryTest, AMissingKeyIsFileNotFound) {
  EXPECT_EQ(reg_.SetString(kUser, base_ + "\\Absent", "", "x").number(), err::kFileNotFound);
  EXPECT_EQ(reg_.DeleteKey(kUser, base_ + "\\Absent").number(), err::kFileNotFound);
}

}  // namespace
}  // namespace kalv::win32
