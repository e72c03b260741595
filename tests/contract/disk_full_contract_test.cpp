// A disk that fills up during a copy or a write: the failure is 61, and the destination
// has already lost what it held. Nothing promises that the part that fit is kept, nor
// that it is not.
#include <string>

#include "tests/contract/contract_fixture.h"

namespace kalv::contract {
namespace {

class DiskFullContract : public ContractTest {
 protected:
  void SetUp() override {
    ContractTest::SetUp();
    drive_ = backend().FolderOnASmallDrive();
    ASSERT_FALSE(drive_.folder.empty()) << "the backend has no small drive to fill up";
    ASSERT_GT(drive_.freeBytes, 0u);
  }
  std::string OnTheSmallDrive(const std::string& name) const { return drive_.folder + "\\" + name; }
  // More bytes than the drive has room for, none of them alike for long.
  std::string MoreThanFits() const {
    std::string bytes(static_cast<std::size_t>(2 * drive_.freeBytes + 12345), '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 % 251);
    return bytes;
  }
  // What a path holds now: its bytes, or nothing when it is gone.
  std::string LeftAt(const std::string& path) {
    auto bytes = ReadWholeFile(files(), path);
    if (!bytes) {
      EXPECT_EQ(bytes.failure().number, err::kFileNotFound) << path;
    }
    return bytes.value_or("");
  }

 private:
  ContractBackend::SmallDrive drive_;
};

bool IsPrefix(const std::string& part, const std::string& whole) {
  return part.size() <= whole.size() && whole.compare(0, part.size(), part) == 0;
}

TEST_F(DiskFullContract, ACopyThatFillsTheDiskFailsAndTheDestinationHasLostItsBytes) {
  const std::string source = At("big.dm_66");
  const std::string bytes = MoreThanFits();
  Write(source, bytes);
  const std::string target = OnTheSmallDrive("Kalvenmarque.dm_66");
  Write(target, "the demo that was there");

  EXPECT_EQ(files().Copy(source, target).number(), err::kDiskFull);
  const std::string left = LeftAt(target);
  EXPECT_LT(left.size(), bytes.size());
  EXPECT_TRUE(IsPrefix(left, bytes)) << left.size() << " bytes left, not the source's first";
  EXPECT_EQ(Read(source), bytes);

  // The room comes back with the file: the drive takes a small copy again.
  if (files().CanOpenForRead(target).ok()) {
    ASSERT_TRUE(files().Delete(target).ok());
  }
  Write(At("small.cfg"), "bind F1 pause");
  EXPECT_TRUE(files().Copy(At("small.cfg"), target).ok());
  EXPECT_EQ(Read(target), "bind F1 pause");
}

// Each write that succeeded is on the file; the one that did not fit fails with 61 and
// may have put any first part of its bytes there.
TEST_F(DiskFullContract, AWriteThatFillsTheDiskFailsAfterTheWritesBeforeIt) {
  const std::string path = OnTheSmallDrive("q3config.cfg");
  const std::string first = "seta name player\n";
  const std::string bytes = MoreThanFits();
  {
    auto out = files().OpenWrite(path);
    ASSERT_TRUE(out.ok()) << out.failure().number;
    ASSERT_TRUE(out.value()->Write(first).ok());
    const Status full = out.value()->Write(bytes);
    EXPECT_EQ(full.number(), err::kDiskFull);
    EXPECT_EQ(full.failure().description, "Disk full");
  }
  const std::string left = LeftAt(path);
  ASSERT_GE(left.size(), first.size());
  EXPECT_EQ(left.substr(0, first.size()), first);
  EXPECT_TRUE(IsPrefix(left.substr(first.size()), bytes));
  EXPECT_LT(left.size(), first.size() + bytes.size());

  ASSERT_TRUE(files().Delete(path).ok());
  Write(path, first);
  EXPECT_EQ(Read(path), first);
}

}  // namespace
}  // namespace kalv::contract
