// What every backend does when asked to start a program.
#include "core/process_wait.h"
#include "tests/contract/contract_fixture.h"

namespace kalv::contract {
namespace {

class ProcessesContract : public ContractTest {
 protected:
  using ChildProgram = ContractBackend::ChildProgram;
};

TEST_F(ProcessesContract, StartingAMissingExecutableIsFileNotFound) {
  const std::string exe = At("quake3.exe");
  auto started = platform().processes.Start(exe, "\"" + exe + "\" +set sv_pure 0",
                                            ShowMode::NormalFocus, scratch());
  ASSERT_FALSE(started.ok());
  EXPECT_EQ(started.failure().number, err::kFileNotFound);
  auto held = platform().processes.Hold(exe, "\"" + exe + "\"", ShowMode::NormalFocus, scratch());
  ASSERT_FALSE(held.ok());
  EXPECT_EQ(held.failure().number, err::kFileNotFound);
}

// A program in a folder that is missing, or a working folder that is missing, is a path
// that is not found; nothing starts.
TEST_F(ProcessesContract, StartingInAMissingFolderIsPathNotFound) {
  const std::string exe = At("Quake3\\quake3.exe");
  auto started = platform().processes.Start(exe, "\"" + exe + "\"", ShowMode::Normal, scratch());
  ASSERT_FALSE(started.ok());
  EXPECT_EQ(started.failure().number, err::kPathNotFound);

  const ChildProgram child = backend().ChildEndingWith(0);
  started = platform().processes.Start(child.executable, child.commandLine, ShowMode::Hidden,
                                       At("Quake3"));
  ASSERT_FALSE(started.ok());
  EXPECT_EQ(started.failure().number, err::kPathNotFound);
}

// Windows may end a sleep up to one timer tick (about 16 ms) early.
TEST_F(ProcessesContract, TheClockMovesOnByASleepAndNeverBack) {
  Processes& processes = platform().processes;
  const std::uint64_t before = processes.Milliseconds();
  processes.Sleep(50);
  const std::uint64_t after = processes.Milliseconds();
  EXPECT_GE(after - before, 34u);
  EXPECT_GE(processes.Milliseconds(), after);
}

// A wait longer than the whole run may take: a wait that misses the end shows as the
// run's time limit.
constexpr unsigned kLongerThanTheRun = 600000;

// A program may end with the still-active code itself; only the process can tell.
TEST_F(ProcessesContract, AProgramEndingWith259IsSeenAsEndedAndTheWaitReturnsAtItsEnd) {
  const ChildProgram child = backend().ChildEndingWith(kStillActive);
  auto watch = platform().processes.Start(child.executable, child.commandLine, ShowMode::Hidden);
  ASSERT_TRUE(watch.ok()) << watch.failure().number;

  WaitForProcessEnd(platform().processes, watch.value().get(), kLongerThanTheRun);
  auto ended = watch.value()->HasEnded();
  ASSERT_TRUE(ended.ok());
  EXPECT_TRUE(ended.value());
  EXPECT_EQ(watch.value()->ExitCode().value_or(0), kStillActive);
}

}  // namespace
}  // namespace kalv::contract
