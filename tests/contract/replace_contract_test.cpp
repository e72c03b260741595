// The replacing move: a file takes the place of another in one step, or nothing changes.
#include <string>

#include "tests/contract/contract_fixture.h"

namespace kalv::contract {
namespace {

class ReplaceContract : public ContractTest {
 protected:
  using Hold = ContractBackend::Hold;
  // Both files still hold what they held.
  void ExpectUntouched(const std::string& from, const std::string& to, const std::string& fromBytes,
                       const std::string& toBytes) {
    EXPECT_EQ(Read(from), fromBytes);
    EXPECT_EQ(Read(to), toBytes);
  }
};

// The moved file keeps its own bytes and attributes; the one it replaced is gone.
TEST_F(ReplaceContract, AFileTakesThePlaceOfAMissingOrAnExistingOne) {
  Write(At("Quake3.exe.new"), "release 1.27h");
  ASSERT_TRUE(files().Replace(At("Quake3.exe.new"), At("Quake3.exe")).ok());
  EXPECT_EQ(Read(At("Quake3.exe")), "release 1.27h");
  EXPECT_EQ(files().CanOpenForRead(At("Quake3.exe.new")).number(), err::kFileNotFound);

  Write(At("Quake3.exe.new"), "release 1.31");
  ASSERT_TRUE(files().SetAttributes(At("Quake3.exe.new"), attr::kReadOnly).ok());
  ASSERT_TRUE(files().Replace(At("Quake3.exe.new"), At("QUAKE3.EXE")).ok());
  EXPECT_EQ(Read(At("Quake3.exe")), "release 1.31");
  EXPECT_TRUE(files().GetAttributes(At("Quake3.exe")).value_or(0) & attr::kReadOnly);
  EXPECT_EQ(files().CanOpenForRead(At("Quake3.exe.new")).number(), err::kFileNotFound);
  // One file is left (Windows names it as the move says, Wine as it was).
  auto names = files().List(scratch(), "*");
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names.value().size(), 1u);
  ASSERT_TRUE(files().SetAttributes(At("Quake3.exe"), attr::kNormal).ok());

  EXPECT_EQ(files().Replace(At("absent.exe"), At("Quake3.exe")).number(), err::kFileNotFound);
  Write(At("x.new"), "x");
  EXPECT_EQ(files().Replace(At("x.new"), At("nodir\\x")).number(), err::kPathNotFound);
  ExpectUntouched(At("x.new"), At("Quake3.exe"), "x", "release 1.31");
}

// A read-only destination, or one that another program or this one has open, however it
// shares, is refused with 70; neither file changes.
TEST_F(ReplaceContract, AReadOnlyOrOpenDestinationRefusesAndNothingChanges) {
  const std::string from = At("q3config.cfg.tmp");
  const std::string to = At("q3config.cfg");
  Write(from, "new");
  Write(to, "user's own");

  ASSERT_TRUE(files().SetAttributes(to, attr::kReadOnly).ok());
  EXPECT_EQ(files().Replace(from, to).number(), err::kPermissionDenied);
  ASSERT_TRUE(files().SetAttributes(to, attr::kNormal).ok());
  ExpectUntouched(from, to, "new", "user's own");

  for (Hold hold : {Hold::Exclusive, Hold::Reading}) {
    backend().HoldOpen(to, hold);
    EXPECT_EQ(files().Replace(from, to).number(), err::kPermissionDenied);
    backend().ReleaseAll();
    ExpectUntouched(from, to, "new", "user's own");
  }
  {
    auto reading = files().OpenRead(to);
    ASSERT_TRUE(reading.ok());
    EXPECT_EQ(files().Replace(from, to).number(), err::kPermissionDenied);
  }
  ExpectUntouched(from, to, "new", "user's own");

  // A folder in the way is no file to replace.
  ASSERT_TRUE(files().MakeDirectory(At("folder.cfg")).ok());
  EXPECT_EQ(files().Replace(from, At("folder.cfg")).number(), err::kPathFileAccess);
  EXPECT_TRUE(files().DirectoryExists(At("folder.cfg")));

  EXPECT_TRUE(files().Replace(from, to).ok());
  EXPECT_EQ(Read(to), "new");
}

// A move between drives is a copy and a delete, never one step: it is refused.
TEST_F(ReplaceContract, AFileFromAnotherDriveIsRefused) {
  const ContractBackend::SmallDrive drive = backend().FolderOnASmallDrive();
  ASSERT_FALSE(drive.folder.empty()) << "the backend has no second drive";
  const std::string from = drive.folder + "\\Quake3.exe.new";
  Write(from, "new");
  Write(At("Quake3.exe"), "old");
  EXPECT_EQ(files().Replace(from, At("Quake3.exe")).number(), err::kPathFileAccess);
  ExpectUntouched(from, At("Quake3.exe"), "new", "old");
  EXPECT_EQ(files().Replace(from, At("missing.exe")).number(), err::kPathFileAccess);
  EXPECT_EQ(files().CanOpenForRead(At("missing.exe")).number(), err::kFileNotFound);
}

}  // namespace
}  // namespace kalv::contract
