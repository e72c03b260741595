// Facts of the machine the run log and the journal rely on.
#include <string>
#include <tuple>

#include "tests/contract/contract_fixture.h"

namespace kalv::contract {
namespace {

class SystemContract : public ContractTest {
 protected:
  System& system() { return platform().system; }
};

// The folder is there for every user, named in full without a trailing backslash, so a
// program may make its own folder below it.
TEST_F(SystemContract, TheLocalApplicationDataFolderExists) {
  auto dir = system().LocalAppDataDirectory();
  ASSERT_TRUE(dir.ok()) << dir.failure().number;
  EXPECT_TRUE(files().DirectoryExists(dir.value())) << dir.value();
  EXPECT_NE(dir.value().back(), '\\');
  EXPECT_EQ(files().FullDirectoryPath(dir.value()).value_or("?"), dir.value());
}

TEST_F(SystemContract, NowIsADateAndTimeOfDayThatDoesNotGoBack) {
  const LocalTime first = system().Now();
  EXPECT_GE(first.year, 2020);
  EXPECT_TRUE(first.month >= 1 && first.month <= 12) << first.month;
  EXPECT_TRUE(first.day >= 1 && first.day <= 31) << first.day;
  EXPECT_TRUE(first.hour >= 0 && first.hour <= 23) << first.hour;
  EXPECT_TRUE(first.minute >= 0 && first.minute <= 59) << first.minute;
  EXPECT_TRUE(first.second >= 0 && first.second <= 59) << first.second;
  EXPECT_TRUE(first.millisecond >= 0 && first.millisecond <= 999) << first.millisecond;
  const LocalTime second = system().Now();
  auto order = [](const LocalTime& t) {
    return std::make_tuple(t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond);
  };
  EXPECT_LE(order(first), order(second));
}

}  // namespace
}  // namespace kalv::contract
