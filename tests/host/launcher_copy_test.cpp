// CopyFileWithProgress: the copy itself, the progress it shows, and how it ends when the
// destination cannot take the copy.
#include <gtest/gtest.h>

#include <string>

#include "launcher/copy_progress.h"
#include "platform/fake/fake_platform.h"
#include "ui/resource.h"
#include "ui/string_table.h"

namespace kalv {
namespace {

class CopyTest : public ::testing::Test {
 protected:
  CopyTest() {
    fake.system.strings = ui::StringTable();
    fake.system.commandLine = "C:\\Demos\\Duel.dm_66";
    program.commandLine = fake.system.commandLine;
    program.frmSplash.Create(fake.windows);
  }

  fake::FakeControl& bar() {
    return fake.windows.Find(IDD_SPLASH)->control(IDC_SPLASH_PROGRESSBAR);
  }

  static std::string Bytes(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 31 + 7) & 0xFF);
    return s;
  }

  fake::FakePlatform fake;
  Program program{fake};
};

TEST_F(CopyTest, FiveThousandBytesGoInThreeBlocksWithProgress41_82_100) {
  const std::string demo = Bytes(5000);
  fake.files.AddFile("C:\\Demos\\Duel.dm_66", demo);
  fake.files.AddDirectory("C:\\Games\\Quake3\\baseq3\\demos");

  const auto total = CopyFileWithProgress(program, "C:\\Demos\\Duel.dm_66",
                                          "C:\\Games\\Quake3\\baseq3\\demos\\Kalvenmarque.dm_66");

  EXPECT_EQ(total, 5000u);
  EXPECT_EQ(fake.files.Contents("C:\\Games\\Quake3\\baseq3\\demos\\Kalvenmarque.dm_66"), demo);
  EXPECT_EQ(bar().valueHistory, (std::vector<int>{41, 82, 100}));
  // With no time passing, the first value is painted at once and the last at the end.
  EXPECT_EQ(bar().paintedValues, (std::vector<int>{41, 100}));
  EXPECT_FALSE(bar().visible);
  EXPECT_TRUE(fake.dialogs.messages().empty());
}

TEST_F(CopyTest, ExactMultipleOfTheBlockEndsAtOneHundred) {
  fake.files.AddFile("C:\\a.dm_66", Bytes(4096));
  EXPECT_EQ(CopyFileWithProgress(program, "C:\\a.dm_66", "C:\\b.dm_66"), 4096u);
  EXPECT_EQ(bar().valueHistory, (std::vector<int>{50, 100}));
  EXPECT_EQ(fake.files.Contents("C:\\b.dm_66"), Bytes(4096));
}

TEST_F(CopyTest, LargeCopyMovesTheBarOncePerPercentUpToOneHundred) {
  const std::string demo = Bytes(1 << 20);  // 512 blocks
  fake.files.AddFile("C:\\big.dm_66", demo);
  EXPECT_EQ(CopyFileWithProgress(program, "C:\\big.dm_66", "C:\\copy.dm_66"), demo.size());
  EXPECT_EQ(fake.files.Contents("C:\\copy.dm_66"), demo);

  const std::vector<int>& values = bar().valueHistory;
  ASSERT_FALSE(values.empty());
  EXPECT_EQ(values.back(), 100);
  for (std::size_t i = 1; i < values.size(); ++i) EXPECT_LT(values[i - 1], values[i]);
  // 100 - floor(remaining * 100 / total) rounds up: the first block (0.19 %) shows 1, and
  // every percent from there to 100 is shown once.
  EXPECT_EQ(values.front(), 1);
  EXPECT_EQ(values.size(), 100u);
}

// A frame lasts about 16 ms: the bar is painted at most once a frame, however long the
// copy's steps take, and always at 100 when the copy ends.
TEST_F(CopyTest, TheBarIsPaintedAtMostOnceAFrameAndAlwaysAtTheEnd) {
  struct Case {
    std::uint64_t msPerStep;
    std::size_t fewest, most;
  };
  for (const Case c : {Case{0, 2, 2}, Case{5, 20, 30}, Case{20, 100, 100}}) {
    fake::FakePlatform platform;
    Program copying(platform);
    copying.frmSplash.Create(platform.windows);
    platform.files.AddFile("C:\\big.dm_66", Bytes(1 << 20));
    platform.clock.advancePerReading = c.msPerStep;
    CopyFileWithProgress(copying, "C:\\big.dm_66", "C:\\copy.dm_66");

    const fake::FakeControl& shown =
        platform.windows.Find(IDD_SPLASH)->control(IDC_SPLASH_PROGRESSBAR);
    EXPECT_EQ(shown.valueHistory.size(), 100u) << c.msPerStep;
    ASSERT_FALSE(shown.paintedValues.empty()) << c.msPerStep;
    EXPECT_EQ(shown.paintedValues.front(), 1) << c.msPerStep;
    EXPECT_EQ(shown.paintedValues.back(), 100) << c.msPerStep;
    EXPECT_GE(shown.paintedValues.size(), c.fewest) << c.msPerStep;
    EXPECT_LE(shown.paintedValues.size(), c.most) << c.msPerStep;
  }
}

TEST_F(CopyTest, ReadOnlyDestinationIsOverwritten) {
  fake.files.AddFile("C:\\new.dem", "new contents");
  fake.files.AddFile("C:\\Games\\old.dem", std::string(9000, 'x'),
                     attr::kReadOnly | attr::kArchive);

  EXPECT_EQ(CopyFileWithProgress(program, "C:\\new.dem", "C:\\Games\\old.dem"), 12u);
  EXPECT_EQ(fake.files.Contents("C:\\Games\\old.dem"), "new contents");
  EXPECT_EQ(fake.files.Attributes("C:\\Games\\old.dem").value_or(attr::kReadOnly) & attr::kReadOnly,
            0u);
}

// A demo copied onto itself (another letter case, another route to the file) once ended
// as a 0-byte file reported as copied.
TEST_F(CopyTest, SourceThatIsTheDestinationItselfIsLeftAsItIs) {
  fake.files.AddFile("E:\\Quake3\\baseq3\\demos\\Kalvenmarque.dm_66", Bytes(5000));
  fake.files.MapDrive("F:", "E:\\Quake3");
  for (const char* same :
       {"e:\\QUAKE3\\BASEQ3\\DEMOS\\kalvenmarque.DM_66", "F:\\baseq3\\demos\\Kalvenmarque.dm_66",
        "E:\\Quake3\\baseq3\\..\\baseq3\\demos\\Kalvenmarque.dm_66"}) {
    EXPECT_EQ(CopyFileWithProgress(program, "E:\\Quake3\\baseq3\\demos\\Kalvenmarque.dm_66", same),
              5000u)
        << same;
    EXPECT_EQ(fake.files.Contents("E:\\Quake3\\baseq3\\demos\\Kalvenmarque.dm_66"), Bytes(5000))
        << same;
  }
}

TEST_F(CopyTest, ZeroLengthSourceMakesAnEmptyDestinationWithoutPercentage) {
  fake.files.AddFile("C:\\empty.dem", "");
  fake.files.AddFile("C:\\out.dem", "stale");

  EXPECT_EQ(CopyFileWithProgress(program, "C:\\empty.dem", "C:\\out.dem"), 0u);
  EXPECT_EQ(fake.files.Contents("C:\\out.dem"), std::string());
  EXPECT_TRUE(bar().valueHistory.empty());
  EXPECT_FALSE(bar().visible);
}

// The caller's handler reports it (the driver of a run, with the general error message).
TEST_F(CopyTest, MissingSourceRaisesFileNotFoundAndLeavesTheDestination) {
  fake.files.AddFile("C:\\out.dem", "kept");
  try {
    CopyFileWithProgress(program, "C:\\Demos\\gone.dem", "C:\\out.dem");
    FAIL() << "a missing source must reach the caller's handler";
  } catch (const RaisedFailure& raised) {
    EXPECT_EQ(raised.failure().number, err::kFileNotFound);
    EXPECT_EQ(raised.failure().description, "File not found");
  }
  EXPECT_TRUE(fake.dialogs.messages().empty());
  EXPECT_EQ(fake.files.Contents("C:\\out.dem"), "kept");
  EXPECT_FALSE(bar().visible);
}

TEST_F(CopyTest, FullDiskStopsRaises61AndRemovesThePartialCopy) {
  fake.files.AddFile("C:\\big.dem", Bytes(10000));
  fake.files.AddDirectory("D:\\Games");
  fake.files.SetFreeSpace("D:", 3000);

  try {
    CopyFileWithProgress(program, "C:\\big.dem", "D:\\Games\\copy.dem");
    FAIL() << "a copy onto a full disk must not succeed";
  } catch (const RaisedFailure& raised) {
    EXPECT_EQ(raised.failure().number, err::kDiskFull);
    EXPECT_EQ(raised.failure().description, "Disk full");
  }
  EXPECT_FALSE(fake.files.Exists("D:\\Games\\copy.dem"));
  EXPECT_FALSE(bar().visible);
  EXPECT_TRUE(fake.dialogs.messages().empty()) << "the caller's handler reports it";
}

TEST_F(CopyTest, DestinationHeldOpenRaises70AndLeavesTheOtherProgramsFile) {
  fake.files.AddFile("C:\\a.dem", Bytes(5000));
  fake.files.AddFile("C:\\Games\\held.dem", "theirs");
  fake.files.HoldOpen("C:\\Games\\held.dem");

  try {
    CopyFileWithProgress(program, "C:\\a.dem", "C:\\Games\\held.dem");
    FAIL() << "a locked destination must not count as copied";
  } catch (const RaisedFailure& raised) {
    EXPECT_EQ(raised.failure().number, err::kPermissionDenied);
  }
  fake.files.Release("C:\\Games\\held.dem");
  EXPECT_EQ(fake.files.Contents("C:\\Games\\held.dem"), "theirs");
}

TEST_F(CopyTest, DestinationThatKeepsFailingRaisesItsFailure) {
  fake.files.AddFile("C:\\a.dem", Bytes(3000));
  fake.files.FailPath("C:\\Games\\bad.dem", err::kDeviceIO);
  try {
    CopyFileWithProgress(program, "C:\\a.dem", "C:\\Games\\bad.dem");
    FAIL();
  } catch (const RaisedFailure& raised) {
    EXPECT_EQ(raised.failure().number, err::kDeviceIO);
  }
  for (int value : bar().valueHistory) EXPECT_EQ(value, 0) << "nothing was copied";
  EXPECT_LE(bar().valueHistory.size(), 1u);
  EXPECT_FALSE(bar().visible);
}

TEST_F(CopyTest, MissingDestinationDirectoryRaisesPathNotFound) {
  fake.files.AddFile("C:\\a.dem", Bytes(100));
  try {
    CopyFileWithProgress(program, "C:\\a.dem", "C:\\NoSuchDir\\a.dem");
    FAIL();
  } catch (const RaisedFailure& raised) {
    EXPECT_EQ(raised.failure().number, err::kPathNotFound);
  }
  EXPECT_FALSE(fake.files.Exists("C:\\NoSuchDir\\a.dem"));
}

TEST_F(CopyTest, OverlongPathsGiveAClearFailure) {
  const std::string deep = "C:\\" + std::string(293, 'd') + ".dem";  // 300 characters
  ASSERT_EQ(deep.size(), 300u);
  fake.files.AddFile("C:\\a.dem", Bytes(100));
  try {
    CopyFileWithProgress(program, "C:\\a.dem", deep);
    FAIL() << "a destination the file system refuses must not count as copied";
  } catch (const RaisedFailure& raised) {
    EXPECT_NE(raised.failure().number, 0);
    EXPECT_FALSE(raised.failure().description.empty());
  }
  try {
    CopyFileWithProgress(program, deep, "C:\\b.dem");
    FAIL() << "an overlong source cannot be read";
  } catch (const RaisedFailure& raised) {
    EXPECT_EQ(raised.failure().number, err::kFileNotFound);
  }
}

TEST_F(CopyTest, NonAsciiPathsCopyByteForByte) {
  const std::string source = "C:\\D\xC3\xA9mos\\K\xC3\xA4mpfer \xE6\x88\xA6.dm_66";
  const std::string destination =
      "C:\\Spi\xC3\xABle\\\xC3\x9C"
      "bung.dm_66";
  fake.files.AddFile(source, Bytes(2500));
  fake.files.AddDirectory("C:\\Spi\xC3\xABle");

  EXPECT_EQ(CopyFileWithProgress(program, source, destination), 2500u);
  EXPECT_EQ(fake.files.Contents(destination), Bytes(2500));
  EXPECT_EQ(bar().valueHistory, (std::vector<int>{82, 100}));
}

TEST_F(CopyTest, WorksBeforeTheSplashWindowExists) {
  fake::FakePlatform bare;
  Program early(bare);
  bare.files.AddFile("C:\\a.dem", Bytes(3000));
  EXPECT_EQ(CopyFileWithProgress(early, "C:\\a.dem", "C:\\b.dem"), 3000u);
  EXPECT_EQ(bare.files.Contents("C:\\b.dem"), Bytes(3000));
}

}  // namespace
}  // namespace kalv
