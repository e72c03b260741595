// Files that are open: what another program's way of holding a file, and the program's
// own open streams, leave the program free to do.
#include <string>

#include "tests/contract/contract_fixture.h"

namespace kalv::contract {
namespace {

class SharingContract : public ContractTest {
 protected:
  using Hold = ContractBackend::Hold;
};

// A game playing a demo reads it and lets others read and write it, but not delete it.
TEST_F(SharingContract, FileAGameIsReadingCanBeReadAndReplacedButNotDeletedOrRenamed) {
  const std::string demo = At("Kalvenmarque.dm_66");
  Write(demo, "demo");
  Write(At("newer.dm_66"), "newer");
  backend().HoldOpen(demo, Hold::Reading);

  EXPECT_EQ(files().Delete(demo).number(), err::kPermissionDenied);
  EXPECT_EQ(files().Rename(demo, At("moved.dm_66")).number(), err::kPermissionDenied);
  EXPECT_EQ(Read(demo), "demo");
  EXPECT_TRUE(files().Copy(demo, At("copy.dm_66")).ok());
  EXPECT_TRUE(files().Copy(At("newer.dm_66"), demo).ok());
  {
    auto out = files().OpenWrite(demo);
    ASSERT_TRUE(out.ok()) << out.failure().number;
    ASSERT_TRUE(out.value()->Write("N").ok());
  }
  EXPECT_EQ(Read(demo), "Newer");
  EXPECT_TRUE(files().SetAttributes(demo, attr::kArchive).ok());

  backend().ReleaseAll();
  EXPECT_TRUE(files().Delete(demo).ok());
}

// The program's own open file counts as much as another program's.
TEST_F(SharingContract, TheProgramsOwnOpenFilesRefuseWhatTheirOpeningDoesNotShare) {
  const std::string demo = At("demo.dm3");
  Write(demo, "demo");
  Write(At("other.dm3"), "other");
  {
    auto in = files().OpenRead(demo);
    ASSERT_TRUE(in.ok());
    EXPECT_EQ(files().Delete(demo).number(), err::kPermissionDenied);
    EXPECT_EQ(files().Rename(demo, At("moved.dm3")).number(), err::kPermissionDenied);
    EXPECT_TRUE(files().CanOpenForRead(demo).ok());
  }
  {
    auto out = files().OpenWrite(demo);
    ASSERT_TRUE(out.ok());
    EXPECT_TRUE(files().CanOpenForRead(demo).ok());
    EXPECT_TRUE(files().Copy(demo, At("copy.dm3")).ok());
    EXPECT_EQ(files().OpenWrite(demo).failure().number, err::kPermissionDenied);
    EXPECT_EQ(files().Copy(At("other.dm3"), demo).number(), err::kPermissionDenied);
    EXPECT_EQ(files().Delete(demo).number(), err::kPermissionDenied);
  }
  EXPECT_TRUE(files().Delete(demo).ok());
}

}  // namespace
}  // namespace kalv::contract
