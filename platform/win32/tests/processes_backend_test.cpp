// Starting real processes: the explicit executable, the command line the child sees,
// its working directory, exit codes and the still-running code.
#include <memory>
#include <string>

#include "core/process_wait.h"
#include "platform/win32/tests/scratch_fixture.h"
#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"

namespace kalv::win32::testing {
namespace {

class Win32ProcessesTest : public ScratchTest {
 protected:
  Processes& processes() { return backend.processes; }

  // Waits (pumping, as the programs do) until the process has ended; its exit code.
  std::uint32_t WaitForExit(ProcessWatch& watch) {
    for (int i = 0; i < 400; ++i) {
      auto code = watch.ExitCode();
      if (!code.ok()) return 0xFFFFFFFEu;
      if (code.value() != kStillActive) return code.value();
      processes().PumpMessages();
      processes().Sleep(50);
    }
    return kStillActive;
  }

  // A copy of this test program at path.
  void CopySelf(const std::string& path) {
    ASSERT_TRUE(CopyFileW(Wide(RunningProgramPath()).c_str(), Wide(path).c_str(), FALSE));
  }

  // A copy of this test program started in a child mode ("--child-wait FILE"), watched.
  std::unique_ptr<ProcessWatch> StartWatchedChild(const std::string& mode) {
    const std::string exe = At("child.exe");
    CopySelf(exe);
    auto watch = processes().Start(exe, "child.exe " + mode, ShowMode::Hidden, "");
    return watch.ok() ? std::move(watch).value() : nullptr;
  }
};

// With an unquoted path containing a blank, a search of the command line would start
// "...\Prog.exe" first; the explicit executable must win.
TEST_F(Win32ProcessesTest, TheNamedExecutableRunsNotAPieceOfAnUnquotedPath) {
  ASSERT_TRUE(backend.files.MakeDirectory(At("Prog Files")).ok());
  const std::string real = At("Prog Files\\child.exe");
  CopySelf(real);
  CopySelf(At("Prog.exe"));
  const std::string log = At("log.txt");
  const std::string line = real + " --child-log " + log;
  auto id = processes().Start(real, line, ShowMode::NormalFocus, "");
  ASSERT_TRUE(id.ok()) << id.failure().number;
  EXPECT_EQ(WaitForExit(*id.value()), 0u);
  const std::string text = ReadText(log);
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.substr(0, text.find('\n')), real);
}

TEST_F(Win32ProcessesTest, TheChildSeesItsCommandLineUnchangedAndRunsInTheGivenDirectory) {
  const std::string exe = At("child.exe");
  CopySelf(exe);
  ASSERT_TRUE(backend.files.MakeDirectory(At("Game Dir")).ok());
  const std::string log = At("log.txt");
  const std::string line = "\"" + exe + "\"   --child-log " + log + " +exec \"kalv.cfg\"  ";
  auto id = processes().Start(exe, line, ShowMode::Hidden, At("Game Dir"));
  ASSERT_TRUE(id.ok());
  EXPECT_EQ(WaitForExit(*id.value()), 0u);
  const std::string text = ReadText(log);
  const std::size_t first = text.find('\n');
  const std::size_t second = text.find('\n', first + 1);
  ASSERT_NE(second, std::string::npos) << text;
  EXPECT_EQ(text.substr(first + 1, second - first - 1), At("Game Dir"));
  EXPECT_EQ(text.substr(second + 1), "--child-log " + log + " +exec \"kalv.cfg\"  ");
}

TEST_F(Win32ProcessesTest, ExitCodeIsStillActiveWhileRunningThenTheProgramsOwn) {
  const std::string exe = At("child.exe");
  const std::string flag = At("go.txt");
  auto watch = StartWatchedChild("--child-wait " + flag);
  ASSERT_TRUE(watch);
  processes().Sleep(200);
  EXPECT_EQ(watch->ExitCode().value_or(0), kStillActive);
  ASSERT_TRUE(WriteTestFile(flag, "go"));
  WaitForProcessEnd(processes(), watch.get(), 50);
  EXPECT_EQ(watch->ExitCode().value_or(0), 3u);

  auto quick = processes().Start(exe, "child.exe --child-exit 7", ShowMode::Hidden, "");
  ASSERT_TRUE(quick.ok());
  EXPECT_EQ(WaitForExit(*quick.value()), 7u);
}

TEST_F(Win32ProcessesTest, StartFailuresAndUnknownProcesses) {
  EXPECT_EQ(processes().Start(At("nodir\\q.exe"), "q.exe", ShowMode::Normal, "").failure().number,
            err::kPathNotFound);
  // A working directory that does not exist stops the start.
  const std::string exe = At("child.exe");
  CopySelf(exe);
  EXPECT_FALSE(
      processes().Start(exe, "child.exe --child-exit 0", ShowMode::Hidden, At("missing")).ok());
  EXPECT_FALSE(processes().IsRunning(0xFFFFFFF0u, exe));
}

TEST_F(Win32ProcessesTest, PumpingLeavesAQuitRequestForTheMessageLoop) {
  PostQuitMessage(5);
  processes().PumpMessages();
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 5u);
}

// Longer than the whole run may take: a wait that misses what it waits for shows as
// the run's time limit.
constexpr unsigned kLongerThanTheRun = 600000;

TEST_F(Win32ProcessesTest, AWindowMessageEndsTheWaitForARunningProcess) {
  const std::string flag = At("go.txt");
  auto watch = StartWatchedChild("--child-wait " + flag);
  ASSERT_TRUE(watch);
  ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), WM_USER + 7, 0, 0));
  processes().WaitForEndOrMessage(watch.get(), kLongerThanTheRun);
  EXPECT_FALSE(watch->HasEnded().value_or(true));
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_USER + 7, WM_USER + 7, PM_REMOVE));
  ASSERT_TRUE(WriteTestFile(flag, "go"));
  WaitForProcessEnd(processes(), watch.get(), kLongerThanTheRun);
  EXPECT_EQ(watch->ExitCode().value_or(0), 3u);
}

// PumpMessages leaves a quit request in the queue; the wait must not wake for it over
// and over, and it must still be there for the message loop afterwards.
TEST_F(Win32ProcessesTest, AWaitingQuitRequestNeitherWakesTheWaitNorGetsLost) {
  auto watch = StartWatchedChild("--child-sleep 300");
  ASSERT_TRUE(watch);
  PostQuitMessage(4);
  int rounds = 0;
  while (rounds < 50 && !watch->HasEnded().value_or(true)) {
    processes().PumpMessages();
    processes().WaitForEndOrMessage(watch.get(), kLongerThanTheRun);
    ++rounds;
  }
  EXPECT_TRUE(watch->HasEnded().value_or(false)) << rounds << " rounds";
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 4u);
}

TEST_F(Win32ProcessesTest, ShellOpenOfAMissingFileFails) {
  const Status opened = processes().ShellOpen(At("absent.txt"), "", "", ShowMode::NormalFocus);
  ASSERT_FALSE(opened.ok());
  EXPECT_EQ(opened.number(), err::kFileNotFound);
}

TEST(ShowModes, EachModeHasItsWindowsShowCommand) {
  EXPECT_EQ(ShowCommand(ShowMode::Normal), SW_SHOWNOACTIVATE);
  EXPECT_EQ(ShowCommand(ShowMode::NormalFocus), SW_SHOWNORMAL);
  EXPECT_EQ(ShowCommand(ShowMode::MinimizedFocus), SW_SHOWMINIMIZED);
  EXPECT_EQ(ShowCommand(ShowMode::Hidden), SW_HIDE);
}

}  // namespace
}  // namespace kalv::win32::testing
