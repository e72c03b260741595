// File rules the Windows backend must add to what the API gives by itself.
#include <string>
#include <vector>

#include "platform/win32/tests/scratch_fixture.h"
#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"

namespace kalv::win32::testing {
namespace {

using Names = std::vector<std::string>;

class Win32FilesTest : public ScratchTest {
 protected:
  Files& files() { return backend.files; }
};

// FindFirstFile alone matches "*.Vrk" against 8.3 short names too, which would list
// "v1_30.Vrkold" (short name V1_30~1.VRK) as a release file.
TEST_F(Win32FilesTest, ListingMatchesLongNamesOnly) {
  ASSERT_TRUE(WriteTestFile(At("v1_30.Vrk"), "a"));
  ASSERT_TRUE(WriteTestFile(At("v1_30.Vrkold"), "b"));
  ASSERT_TRUE(WriteTestFile(At("LongReleaseName.vrk"), "c"));
  auto names = files().List(scratch(), "*.Vrk");
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names.value(), (Names{"LongReleaseName.vrk", "v1_30.Vrk"}));
}

// Routes to a file the in-memory backend has no counterpart for.
TEST_F(Win32FilesTest, AShortNameAndAHardLinkReachTheSameFile) {
  const std::string demo = At("a long demo name.dm_66");
  ASSERT_TRUE(WriteTestFile(demo, "demo"));
  wchar_t shortName[MAX_PATH];
  const DWORD n = GetShortPathNameW(Wide(demo).c_str(), shortName, MAX_PATH);
  ASSERT_GT(n, 0u);
  ASSERT_LT(n, static_cast<DWORD>(MAX_PATH));
  const std::string shortPath = Utf8(shortName, n);
  ASSERT_NE(shortPath, demo);
  EXPECT_TRUE(files().SameFile(shortPath, demo));

  const std::string link = At("link.dm_66");
  ASSERT_TRUE(CreateHardLinkW(Wide(link).c_str(), Wide(demo).c_str(), nullptr));
  EXPECT_TRUE(files().SameFile(link, shortPath));
  ASSERT_TRUE(files().Delete(demo).ok());
  EXPECT_FALSE(files().SameFile(link, demo));
}

TEST_F(Win32FilesTest, ListingADirectoryGivenWithItsBackslashOrAsADriveRoot) {
  ASSERT_TRUE(WriteTestFile(At("a.isu"), "a"));
  auto names = files().List(scratch() + "\\", "*.isu");
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names.value(), Names{"a.isu"});
  // A drive root lists without a doubled backslash in the search pattern.
  EXPECT_TRUE(files().List("C:\\", "*").ok());
}

TEST_F(Win32FilesTest, FullDirectoryPathMakesARelativeDirectoryAbsolute) {
  ASSERT_TRUE(files().MakeDirectory(At("Demos")).ok());
  const std::wstring wscratch = Wide(scratch());
  wchar_t previous[MAX_PATH];
  const DWORD n = GetCurrentDirectoryW(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryW(wscratch.c_str()));
  auto full = files().FullDirectoryPath("Demos");
  auto here = files().FullDirectoryPath(".");
  SetCurrentDirectoryW(std::wstring(previous, n).c_str());
  ASSERT_TRUE(full.ok());
  EXPECT_EQ(full.value(), At("Demos"));
  ASSERT_TRUE(here.ok());
  EXPECT_EQ(here.value(), scratch());
}

TEST_F(Win32FilesTest, AFileIsNotADirectoryForTheFullPath) {
  ASSERT_TRUE(WriteTestFile(At("x.dem"), "x"));
  EXPECT_EQ(files().FullDirectoryPath(At("x.dem")).failure().number, err::kPathNotFound);
}

TEST_F(Win32FilesTest, BadCharactersInANameAreABadFileName) {
  EXPECT_EQ(files().OpenWrite(At("a<b>.cfg")).failure().number, err::kBadFileName);
  EXPECT_EQ(files().CanOpenForRead(At("a|b.cfg")).number(), err::kBadFileName);
}

TEST_F(Win32FilesTest, AttributesKeepOnlyTheClassicBits) {
  ASSERT_TRUE(WriteTestFile(At("config.cfg"), "x"));
  // The directory bit cannot be given to a file; the rest is applied.
  ASSERT_TRUE(files().SetAttributes(At("config.cfg"), attr::kReadOnly | attr::kDirectory).ok());
  auto a = files().GetAttributes(At("config.cfg"));
  ASSERT_TRUE(a.ok());
  EXPECT_EQ(a.value() & (attr::kReadOnly | attr::kDirectory), attr::kReadOnly);
  auto d = files().GetAttributes(scratch());
  ASSERT_TRUE(d.ok());
  EXPECT_TRUE(d.value() & attr::kDirectory);
  ASSERT_TRUE(files().SetAttributes(At("config.cfg"), attr::kNormal).ok());
  EXPECT_EQ(files().GetAttributes(At("config.cfg")).value_or(99) & attr::kReadOnly, 0u);
  EXPECT_EQ(files().GetAttributes(At("nodir\\x")).failure().number, err::kPathNotFound);
}

TEST_F(Win32FilesTest, ReadOnlyDestinationRefusesACopyButAMissingSourceSaysSo) {
  ASSERT_TRUE(WriteTestFile(At("new.cfg"), "new"));
  ASSERT_TRUE(WriteTestFile(At("kept.cfg"), "kept"));
  ASSERT_TRUE(files().SetAttributes(At("kept.cfg"), attr::kReadOnly).ok());
  EXPECT_EQ(files().Copy(At("absent.cfg"), At("kept.cfg")).number(), err::kFileNotFound);
  EXPECT_EQ(files().Copy(At("new.cfg"), At("kept.cfg")).number(), err::kPathFileAccess);
  EXPECT_EQ(ReadText(At("kept.cfg")), "kept");
  ASSERT_TRUE(files().SetAttributes(At("kept.cfg"), attr::kNormal).ok());
}

TEST_F(Win32FilesTest, LengthOfADirectoryIsNotAFileLength) {
  ASSERT_TRUE(files().MakeDirectory(At("baseq3")).ok());
  EXPECT_FALSE(files().Length(At("baseq3")).ok());
}

TEST_F(Win32FilesTest, LargeReadsAndWritesCrossTheChunkSize) {
  std::string bytes(3 * 1024 * 1024 + 17, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 31 % 251);
  {
    auto out = files().OpenWrite(At("big.dm_66"));
    ASSERT_TRUE(out.ok());
    ASSERT_TRUE(out.value()->Write(bytes).ok());
  }
  auto in = files().OpenRead(At("big.dm_66"));
  ASSERT_TRUE(in.ok());
  auto back = in.value()->Read(bytes.size() + 100);
  ASSERT_TRUE(back.ok());
  EXPECT_TRUE(back.value() == bytes);
}

}  // namespace
}  // namespace kalv::win32::testing
