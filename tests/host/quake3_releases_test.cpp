// The Quake 3 Arena releases the installation ships, read from installdata itself: the pak
// history they record, the file names of their stored executables, and a 1.32
// installation detected as such, switched to every release and back.
#include <string>
#include <vector>

#include "games/quake3/conversion.h"
#include "games/quake3/release_store.h"
#include "games_fixture.h"

namespace kalv::testing {
namespace {

const std::string kQ3 = "C:\\Games\\Quake III Arena";

struct ShippedRelease {
  std::string file, version, demoExt, storedExecutable;
  int newpak;
};
// Each point release added numbered paks (pak1 and pak2 by 1.17, pak3 and pak4 by 1.27,
// pak5 by 1.30, pak6 by 1.31, pak7 and pak8 by 1.32) and records its demos under its
// protocol's ending.
const std::vector<ShippedRelease> kShipped = {
    {"v1_17.Vrk", "v1.17", ".dm3", "Quake3.117", 2},
    {"v1_27h.Vrk", "v1.27h", ".dm_48", "Quake3.127h", 4},
    {"v1_30.Vrk", "v1.30", ".dm_66", "Quake3.130", 5},
    {"v1_31.Vrk", "v1.31", ".dm_67", "Quake3.131", 6},
    {"v1_32.Vrk", "v1.32", ".dm_68", "Quake3.132", 8},
};
constexpr int kNewestPak = 8;

class ShippedReleasesTest : public ProgramFixture {
 protected:
  ShippedReleasesTest() {
    AddReleaseFilesAsShipped();
    for (const ShippedRelease& release : kShipped)
      fake.files.AddFile(Versions() + "\\" + release.storedExecutable, "exe " + release.version);
  }
  std::string Pak(int n, const char* ending) const {
    return kQ3 + "\\baseq3\\pak" + std::to_string(n) + ending;
  }
  // An installation of release 1.32: its executable and pak0 to pak8.
  void Install132() {
    fake.files.AddFile(kQ3 + "\\quake3.exe", "exe v1.32");
    for (int n = 0; n <= kNewestPak; ++n) fake.files.AddFile(Pak(n, ".pk3"), std::to_string(n));
    UseFolder(GameCode::Q3A, kQ3);
    DetectGame(p(), GameCode::Q3A);
  }
};

TEST_F(ShippedReleasesTest, ReleaseFilesRecordThePakHistoryAndNameTheirFiles) {
  const auto releases = ReadReleases(p().install());
  ASSERT_TRUE(releases.ok());
  ASSERT_EQ(releases.value().size(), kShipped.size());
  for (std::size_t i = 0; i < kShipped.size(); ++i) {
    const Release& read = releases.value()[i];
    const ShippedRelease& shipped = kShipped[i];
    EXPECT_EQ(read.file, shipped.file);
    EXPECT_EQ(read.version, shipped.version);
    EXPECT_EQ(read.demoExt, shipped.demoExt);
    EXPECT_EQ(PakNumber(read.newpak), shipped.newpak) << shipped.file;
    EXPECT_EQ(PakNumber(read.newestpak), kNewestPak) << shipped.file << ": sets aside up to pak8";
    const auto files = FilesOfVersion(p().install(), read.version);
    ASSERT_TRUE(files);
    EXPECT_EQ(files->releaseFile, shipped.file) << "the switch finds the file by its version";
    EXPECT_EQ(files->storedExecutable, Versions() + "\\" + shipped.storedExecutable);
  }
  EXPECT_EQ(NewestRelease(p().install())->version, "v1.32");
}

// From 1.32 to each release and back: the release's executable and exactly its paks
// active, the later ones set aside as ".bak" (1.27h: pak5 to pak8), the status line naming
// the release; afterwards the installation as it was.
TEST_F(ShippedReleasesTest, Release132InstallationSwitchesToEveryReleaseAndBack) {
  Install132();
  EXPECT_EQ(main().lblQ3AStatus.Caption(), " Quake 3 Arena Status: Found - Version: v1.32");
  const auto before = Snapshot(kQ3);
  for (const ShippedRelease& release : kShipped) {
    ASSERT_TRUE(SwitchQuake3(kQ3, release.file)) << release.file;
    EXPECT_EQ(fake.files.Contents(kQ3 + "\\Quake3.exe"), "exe " + release.version);
    for (int n = 1; n <= kNewestPak; ++n) {
      const bool active = n <= release.newpak;
      EXPECT_EQ(fake.files.IsFile(Pak(n, ".pk3")), active) << release.file << " pak" << n;
      EXPECT_EQ(fake.files.IsFile(Pak(n, ".bak")), !active) << release.file << " pak" << n;
    }
    EXPECT_EQ(options().lblQ3AStatus.Caption(),
              "Quake 3 Arena Status: Found - Version: " + release.version);
    ASSERT_TRUE(SwitchQuake3(kQ3, "v1_32.Vrk"));
    EXPECT_EQ(Snapshot(kQ3), before) << "back from " << release.file;
  }
  EXPECT_TRUE(fake.dialogs.messages().empty());
}

// A switch that needs a stored executable the user has not put in the store changes
// nothing and says which release's Quake3.exe to copy where, under which name.
TEST_F(ShippedReleasesTest, MissingStoredExecutableIsNamedWithItsReleaseFolderAndName) {
  Install132();
  const auto before = Snapshot(kQ3);
  for (const ShippedRelease& release : kShipped) {
    const std::string stored = Versions() + "\\" + release.storedExecutable;
    ASSERT_TRUE(fake.files.Rename(stored, stored + ".away").ok());
    const std::size_t shown = fake.dialogs.messages().size();
    EXPECT_FALSE(SwitchQuake3(kQ3, release.file));
    ASSERT_EQ(fake.dialogs.messages().size(), shown + 1);
    EXPECT_EQ(fake.dialogs.messages().back().text,
              "Kalvenmarque could not switch the Quake 3 Arena release: the executable of "
              "release " +
                  release.version +
                  " is missing from the release store. Nothing was changed. Copy Quake3.exe of a "
                  "Quake 3 Arena installation on release " +
                  release.version + " into " + Versions() + " and name the copy " +
                  release.storedExecutable + ", without .exe.");
    EXPECT_EQ(Snapshot(kQ3), before) << release.file;
    ASSERT_TRUE(fake.files.Rename(stored + ".away", stored).ok());
  }
}

// What a run remembers of the store lasts while the files stay as they were: a release
// file or an executable changed during the run (another switch, the user) is read anew.
TEST_F(ShippedReleasesTest, WhatTheRunReadOfTheStoreIsReadAgainOnceAFileChanged) {
  Install132();
  const auto install = p().install();
  const std::string releaseFile = Versions() + "\\v1_30.Vrk";
  EXPECT_EQ(ReadRelease(install, "v1_30.Vrk").demoExt, ".dm_66");
  fake.files.AddFile(releaseFile, "[Quake 3 Arena Version]\r\nVersion=v1.30\r\nDemoExt=.dm_99\r\n");
  EXPECT_EQ(ReadRelease(install, "v1_30.Vrk").demoExt, ".dm_99");
  ASSERT_TRUE(fake.files.Delete(releaseFile).ok());
  EXPECT_EQ(ReadRelease(install, "v1_30.Vrk").demoExt, release::kMissing);

  const std::string stored = Versions() + "\\Quake3.132";
  const std::string installed = kQ3 + "\\quake3.exe";
  auto askedTwice = [&](bool same) {
    EXPECT_EQ(install.SameContents(stored, installed).value(), same);
    EXPECT_EQ(install.SameContents(stored, installed).value(), same);
  };
  askedTwice(true);
  EXPECT_EQ(fake.files.BytesRead(stored), 9u) << "the second answer is the first";
  fake.files.AddFile(installed, "exe v1.3X");  // the same length
  askedTwice(false);
  fake.files.AddFile(stored, "exe v1.3X");
  askedTwice(true);
  EXPECT_EQ(fake.files.BytesRead(stored), 27u) << "read once for each change";
}

}  // namespace
}  // namespace kalv::testing
