// The run log: one stamped line per event, the folder made when missing, the older half
// dropped when the log is full, and nothing that could fail a run.
#include <string>

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "core/run_log.h"

namespace kalv {
namespace {

const std::string kLog = "C:\\Users\\Player\\AppData\\Local\\Kalvenmarque\\Kalvenmarque.log";

TEST(RunLogTest, EventsBecomeStampedLinesInTheUsersOwnFolder) {
  fake::FakePlatform fake;
  fake.files.AddDirectory("C:\\Users\\Player\\AppData\\Local");
  EXPECT_EQ(RunLogPath(fake.system), kLog);
  RunLog player(fake.files, fake.system, "player");
  player.Write("demo c:\\demos\\a.dm_66 is Quake 3 Arena, release 1.30");
  fake.system.now.second = 6;
  player.Write("line one\r\nline two\nend");
  RunLog(fake.files, fake.system, "companion").Write("game ended with 0");
  EXPECT_EQ(fake.files.Contents(kLog).value_or(""),
            "2026-12-09 14:30:05.250 player: demo c:\\demos\\a.dm_66 is Quake 3 Arena, release "
            "1.30\r\n"
            "2026-12-09 14:30:06.250 player: line one / line two / end\r\n"
            "2026-12-09 14:30:06.250 companion: game ended with 0\r\n");
}

TEST(RunLogTest, AFullLogKeepsItsNewerHalfFromALineStart) {
  fake::FakePlatform fake;
  std::string old;
  for (int i = 0; old.size() < kRunLogLimitBytes - 40; ++i)
    old += "2026-01-01 00:00:00.000 player: event " + std::to_string(i) + "\r\n";
  fake.files.AddFile(kLog, old);
  RunLog(fake.files, fake.system, "player").Write("the newest event");

  const std::string now = fake.files.Contents(kLog).value_or("");
  const std::string newest = "2026-12-09 14:30:05.250 player: the newest event\r\n";
  ASSERT_GT(now.size(), newest.size());
  EXPECT_NEAR(static_cast<double>(now.size()), kRunLogLimitBytes / 2.0, 100.0);
  // The older lines kept are the end of the old log, whole lines only, then the new one.
  const std::string kept = now.substr(0, now.size() - newest.size());
  EXPECT_EQ(kept, old.substr(old.size() - kept.size()));
  EXPECT_EQ(kept.substr(0, 11), "2026-01-01 ");
  EXPECT_EQ(now.substr(kept.size()), newest);
  EXPECT_FALSE(fake.files.Exists(kLog + ".new"));
}

TEST(RunLogTest, ALogThatCannotBeWrittenIsLeftAlone) {
  fake::FakePlatform fake;
  fake.system.localAppData.reset();
  EXPECT_EQ(RunLogPath(fake.system), "");
  RunLog(fake.files, fake.system, "player").Write("nowhere to go");

  fake::FakePlatform held;
  held.files.AddFile(kLog, "before\r\n");
  held.files.HoldOpen(kLog);
  RunLog(held.files, held.system, "player").Write("held by another program");
  EXPECT_EQ(held.files.Contents(kLog).value_or(""), "before\r\n");
}

}  // namespace
}  // namespace kalv
