// Facts of the running program: its string table and version resource (the test
// program carries the main program's resources), its directory, the single-instance
// test, and the machine's drives and directories.
#include <string>

#include "platform/win32/tests/scratch_fixture.h"
#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"
#include "ui/string_table.h"

namespace kalv::win32::testing {
namespace {

class Win32SystemTest : public ScratchTest {
 protected:
  System& system() { return backend.system; }
};

// Every row of the table comes back from the resource byte for byte, umlauts included;
// empty rows read as absent, as LoadString reports them.
TEST_F(Win32SystemTest, EveryStringRowRoundTripsThroughTheResource) {
  int checked = 0;
  for (const auto& [id, text] : ui::StringTable()) {
    auto loaded = system().LoadString(id);
    if (text.empty()) {
      EXPECT_FALSE(loaded.has_value()) << id;
    } else {
      ASSERT_TRUE(loaded.has_value()) << id;
      EXPECT_EQ(*loaded, text) << id;
      ++checked;
    }
  }
  EXPECT_GT(checked, 100);
  // The German error text, as a user sees it.
  const std::wstring german = Wide(system().LoadString(114).value_or(""));
  EXPECT_NE(german.find(L"f\u00fcr bekannte Fehler. Zus\u00e4tzliche"), std::wstring::npos);
}

TEST_F(Win32SystemTest, AbsentStringIdsHaveNoRow) {
  EXPECT_FALSE(system().LoadString(9999).has_value());
  EXPECT_FALSE(system().LoadString(-1).has_value());
  EXPECT_FALSE(system().LoadString(70000).has_value());
}

TEST_F(Win32SystemTest, FileVersionOfAnExecutableAndOfFilesWithout) {
  auto own = system().FileVersion(RunningProgramPath());
  ASSERT_TRUE(own.has_value());
  EXPECT_EQ(own->fileVersionMS, 0x00010002u);
  EXPECT_EQ(own->fileVersionLS, 0x00000000u);
  ASSERT_TRUE(WriteTestFile(At("Quake3.117"), std::string(4096, 'x')));
  EXPECT_FALSE(system().FileVersion(At("Quake3.117")).has_value());
  EXPECT_FALSE(system().FileVersion(At("absent.exe")).has_value());
}

TEST_F(Win32SystemTest, ProgramDirectoryHoldsTheProgramAndHasNoTrailingBackslash) {
  const std::string dir = system().ProgramDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_NE(dir.back(), '\\');
  const std::string path = RunningProgramPath();
  EXPECT_EQ(path.substr(0, dir.size() + 1), dir + "\\");
  EXPECT_EQ(path.find('\\', dir.size() + 1), std::string::npos);
}

TEST_F(Win32SystemTest, ASecondCopyOfTheSameProgramSeesTheFirst) {
  EXPECT_FALSE(system().AnotherInstanceRunning());
  EXPECT_FALSE(system().AnotherInstanceRunning());  // asking again does not count itself
  const std::string log = At("instance.txt");
  const std::string exe = RunningProgramPath();
  auto watch = backend.processes.Start(exe, "self --child-instance " + log, ShowMode::Hidden, "");
  ASSERT_TRUE(watch.ok());
  for (int i = 0; i < 200 && watch.value()->ExitCode().value_or(0) == kStillActive; ++i)
    backend.processes.Sleep(50);
  EXPECT_EQ(ReadText(log), "1");
}

TEST(InstanceNames, TheNameIgnoresCaseAndDiffersPerProgram) {
  EXPECT_EQ(InstanceMutexName(L"Kalvenmarque.exe"), InstanceMutexName(L"KALVENMARQUE.EXE"));
  EXPECT_NE(InstanceMutexName(L"Kalvenmarque.exe"), InstanceMutexName(L"Assocmend.exe"));
  EXPECT_EQ(InstanceMutexName(L"a.exe").find(L'\\'), 5u);  // only the "Local\" prefix
}

TEST_F(Win32SystemTest, MachineFacts) {
  EXPECT_EQ(system().DriveType("C:\\"), drive::kFixed);
  EXPECT_EQ(system().DriveType("Q:\\"), drive::kNoRootDir);
  auto windows = system().WindowsDirectory();
  ASSERT_TRUE(windows.ok());
  EXPECT_TRUE(backend.files.DirectoryExists(windows.value()));
  EXPECT_NE(windows.value().back(), '\\');
  auto user = system().UserName();
  ASSERT_TRUE(user.ok());
  EXPECT_FALSE(user.value().empty());
  EXPECT_EQ(user.value().find('\0'), std::string::npos);
}

}  // namespace
}  // namespace kalv::win32::testing
