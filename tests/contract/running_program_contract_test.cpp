// A started program: the watch its start gives, whether it still runs (asked by its id,
// whatever the spelling of its file), and what its file allows while it runs.
#include <memory>
#include <string>

#include "core/process_wait.h"
#include "tests/contract/contract_fixture.h"

namespace kalv::contract {
namespace {

// Longer than the whole run may take: a wait that misses the end shows as the run's time
// limit.
constexpr unsigned kLongerThanTheRun = 600000;

class RunningProgramContract : public ContractTest {
 protected:
  Processes& processes() { return platform().processes; }

  // Starts a program at exe that runs until EndChild; fails the case when it cannot.
  std::unique_ptr<ProcessWatch> StartChild(const std::string& exe) {
    const ContractBackend::ChildProgram child = backend().ChildWaitingFor(exe, Flag());
    auto watch = processes().Start(child.executable, child.commandLine, ShowMode::Hidden);
    if (!watch) {
      ADD_FAILURE() << "start of " << exe << ": " << watch.failure().number;
      return nullptr;
    }
    return std::move(watch).value();
  }
  // Tells the children to end and returns once this one has.
  void EndChild(ProcessWatch& watch) {
    Write(Flag(), "end");
    WaitForProcessEnd(processes(), &watch, kLongerThanTheRun);
    EXPECT_EQ(watch.ExitCode().value_or(0), 3u);
  }
  std::string Flag() const { return At("end.flag"); }
};

// A held program is started by its release and then runs as any started one; a hold let go
// of unreleased leaves no process behind to keep its file.
TEST_F(RunningProgramContract, AHeldProgramRunsOnceReleasedAndAHoldLetGoLeavesNothing) {
  const std::string exe = At("Quake3.exe");
  ContractBackend::ChildProgram child = backend().ChildWaitingFor(exe, Flag());
  {
    auto held = processes().Hold(child.executable, child.commandLine, ShowMode::Hidden);
    ASSERT_TRUE(held.ok()) << held.failure().number;
  }
  bool deleted = false;  // an ended process lets its file go a moment later
  for (int tries = 0; !deleted && tries < 250; ++tries) {
    deleted = files().Delete(exe).ok();
    if (!deleted) processes().Sleep(20);
  }
  EXPECT_TRUE(deleted);

  child = backend().ChildWaitingFor(exe, Flag());
  auto held = processes().Hold(child.executable, child.commandLine, ShowMode::Hidden);
  ASSERT_TRUE(held.ok()) << held.failure().number;
  auto watch = held.value()->Release();
  ASSERT_TRUE(watch.ok()) << watch.failure().number;
  EXPECT_TRUE(processes().IsRunning(watch.value()->Id(), exe));
  EXPECT_FALSE(files().Delete(exe).ok());
  EndChild(*watch.value());
}

// A game folder written with a trailing backslash, with forward slashes, with "." and
// "..", in other letter case (a non-ASCII name included), through its short name or
// through another drive letter still names the game that runs.
TEST_F(RunningProgramContract, TheRunningCheckKnowsTheProgramByItsFileNotByTheSpelling) {
  const std::string folder =
      At("Sp\xC3\xAF"
         "ele \xC3\x89"
         "dition");  // "Spïele Édition"
  ASSERT_TRUE(files().MakeDirectory(folder).ok());
  const std::string exe = folder + "\\Quake3.exe";
  auto watch = StartChild(exe);
  ASSERT_TRUE(watch);
  const ProcessId id = watch->Id();
  EXPECT_NE(id, 0u);

  std::string slashes = exe;
  for (char& c : slashes)
    if (c == '\\') c = '/';
  const std::string upper =
      At("SP\xC3\x8F"
         "ELE \xC3\x89"
         "DITION\\QUAKE3.EXE");
  const std::string lower =
      At("sp\xC3\xAF"
         "ele \xC3\xA9"
         "dition\\quake3.exe");
  for (const std::string& name : {exe, folder + "\\\\Quake3.exe", slashes, upper, lower,
                                  At(".\\Sp\xC3\xAF"
                                     "ele \xC3\x89"
                                     "dition\\..\\Sp\xC3\xAF"
                                     "ele \xC3\x89"
                                     "dition\\Quake3.exe"),
                                  backend().OtherRouteTo(exe)})
    EXPECT_TRUE(processes().IsRunning(id, name)) << name;
  const std::string shortName = backend().ShortNameOf(exe);
  if (!shortName.empty()) {
    EXPECT_TRUE(processes().IsRunning(id, shortName)) << shortName;
  }

  // Another file, even with the same bytes and name, is another program; so is a missing one.
  ASSERT_TRUE(files().MakeDirectory(At("Other")).ok());
  ASSERT_TRUE(files().Copy(exe, At("Other\\Quake3.exe")).ok());
  EXPECT_FALSE(processes().IsRunning(id, At("Other\\Quake3.exe")));
  EXPECT_FALSE(processes().IsRunning(id, folder + "\\Quake3.dat"));

  EndChild(*watch);
  EXPECT_TRUE(watch->HasEnded().value_or(false));
  EXPECT_FALSE(processes().IsRunning(id, exe));
}

// Two programs at once: each id names its own program, and a second start's id is new.
TEST_F(RunningProgramContract, AnIdNamesOnlyTheProgramThatHasIt) {
  ASSERT_TRUE(files().MakeDirectory(At("a")).ok());
  ASSERT_TRUE(files().MakeDirectory(At("b")).ok());
  auto first = StartChild(At("a\\game.exe"));
  auto second = StartChild(At("b\\game.exe"));
  ASSERT_TRUE(first && second);
  EXPECT_NE(first->Id(), second->Id());
  EXPECT_TRUE(processes().IsRunning(first->Id(), At("a\\game.exe")));
  EXPECT_FALSE(processes().IsRunning(first->Id(), At("b\\game.exe")));
  EXPECT_TRUE(processes().IsRunning(second->Id(), At("b\\game.exe")));
  EXPECT_FALSE(processes().IsRunning(second->Id(), At("a\\game.exe")));
  EXPECT_FALSE(first->HasEnded().value_or(true));
  EXPECT_EQ(first->ExitCode().value_or(0), kStillActive);
  EndChild(*first);
  EndChild(*second);
}

// The program itself is running as its own file: a journal entry naming it as its writer
// is kept while it runs.
TEST_F(RunningProgramContract, ThisProgramIsRunningAsItsOwnFile) {
  const ProcessId own = processes().OwnId();
  EXPECT_NE(own, 0u);
  EXPECT_TRUE(processes().IsRunning(own, platform().system.ProgramFile()));
  EXPECT_FALSE(processes().IsRunning(own, platform().system.ProgramDirectory() + "\\other.exe"));
}

// Windows keeps a running program's file mapped: it reads and renames as any file, but
// opening it for writing is refused as in use, deleting it as a file access error, and a
// copy or a replacing move onto it fail. Once the program has ended it is a file again.
TEST_F(RunningProgramContract, ARunningProgramsFileCanBeReadAndRenamedButNotWrittenOrDeleted) {
  ASSERT_TRUE(files().MakeDirectory(At("Quake3")).ok());
  const std::string exe = At("Quake3\\quake3.exe");
  auto watch = StartChild(exe);
  ASSERT_TRUE(watch);
  Write(At("Quake3\\quake3.new"), "another release");
  auto length = files().Length(exe);
  ASSERT_TRUE(length.ok());

  EXPECT_TRUE(files().CanOpenForRead(exe).ok());
  EXPECT_EQ(Read(exe).size(), length.value());
  EXPECT_EQ(files().OpenWrite(exe).failure().number, err::kPermissionDenied);
  EXPECT_EQ(files().OpenAppend(exe).failure().number, err::kPermissionDenied);
  EXPECT_EQ(files().Copy(At("Quake3\\quake3.new"), exe).number(), err::kPermissionDenied);
  EXPECT_EQ(files().Replace(At("Quake3\\quake3.new"), exe).number(), err::kPermissionDenied);
  EXPECT_EQ(files().Delete(exe).number(), err::kPathFileAccess);
  EXPECT_EQ(files().Length(exe).value_or(0), length.value());
  EXPECT_EQ(Read(At("Quake3\\quake3.new")), "another release");

  ASSERT_TRUE(files().Rename(exe, At("Quake3\\quake3.old")).ok());
  EXPECT_EQ(files().Delete(At("Quake3\\quake3.old")).number(), err::kPathFileAccess);
  ASSERT_TRUE(files().Rename(At("Quake3\\quake3.old"), exe).ok());

  EndChild(*watch);
  EXPECT_TRUE(files().Replace(At("Quake3\\quake3.new"), exe).ok());
  EXPECT_EQ(Read(exe), "another release");
  EXPECT_TRUE(files().Delete(exe).ok());
}

}  // namespace
}  // namespace kalv::contract
