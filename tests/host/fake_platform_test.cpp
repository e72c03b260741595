// What only the in-memory platform can show: drives, free space, forced failures, the
// clock and process table, scripted dialogs, the registry journal, windows kept for
// read-back.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/fake/fake_platform.h"

namespace kalv::fake {
namespace {

using Names = std::vector<std::string>;

// ---------------------------------------------------------------- files

TEST(FakeFilesSetUp, AddedFilesCreateTheirDirectoriesAndDrives) {
  FakeFiles files;
  files.AddFile("E:\\Quake3\\Quake3.exe", "exe", attr::kReadOnly);
  EXPECT_TRUE(files.DirectoryExists("E:\\Quake3"));
  EXPECT_TRUE(files.DirectoryExists("e:\\"));
  EXPECT_TRUE(files.IsFile("e:\\QUAKE3\\quake3.EXE"));
  EXPECT_FALSE(files.IsFile("E:\\Quake3"));
  EXPECT_EQ(files.Attributes("E:\\Quake3\\Quake3.exe"), attr::kReadOnly);
  EXPECT_EQ(files.FullDirectoryPath("E:").value_or("?"), "E:\\");
  EXPECT_EQ(files.FullDirectoryPath("C:").value_or("?"), "C:\\");
  EXPECT_EQ(files.FullDirectoryPath("D:\\").failure().number, err::kPathNotFound);
  EXPECT_EQ(files.OpenWrite("D:\\new.txt").failure().number, err::kPathNotFound);
  EXPECT_THROW(files.AddFile("C:\\bad|name", ""), std::invalid_argument);
}

TEST(FakeFilesSetUp, ReadBackListsEveryFileBelowInFirstSpelling) {
  FakeFiles files;
  files.AddFile("C:\\Games\\Quake3\\baseq3\\pak0.pk3", "p");
  files.AddFile("C:\\Games\\Quake3\\Quake3.exe", "e");
  files.AddDirectory("C:\\Games\\Quake3\\baseq3\\demos");
  files.AddFile("C:\\Games\\Other.txt", "o");
  EXPECT_EQ(files.FilesBelow("c:\\games\\quake3"),
            (Names{"C:\\Games\\Quake3\\baseq3\\pak0.pk3", "C:\\Games\\Quake3\\Quake3.exe"}));
  EXPECT_EQ(files.Contents("C:\\GAMES\\other.TXT"), std::optional<std::string>("o"));
  EXPECT_FALSE(files.Contents("C:\\Games").has_value());
}

TEST(FakeFilesPaths, TrailingAndDoubledBackslashesBehaveAsOnWindows) {
  FakeFiles files;
  files.AddFile("C:\\Quake3\\baseq3\\q3config.cfg", "cfg");
  EXPECT_TRUE(files.CanOpenForRead("C:\\Quake3\\\\baseq3\\q3config.cfg").ok());
  EXPECT_TRUE(files.CanOpenForRead("C:/Quake3/baseq3/q3config.cfg").ok());
  // A final backslash names a directory; a file is not reached and not created through it.
  EXPECT_EQ(files.CanOpenForRead("C:\\Quake3\\baseq3\\q3config.cfg\\").number(), err::kBadFileName);
  EXPECT_FALSE(files.OpenWrite("C:\\Quake3\\new.cfg\\").ok());
  EXPECT_FALSE(files.Exists("C:\\Quake3\\new.cfg"));
  EXPECT_TRUE(files.MakeDirectory("C:\\Quake3\\demos\\").ok());
  EXPECT_TRUE(files.DirectoryExists("C:\\Quake3\\demos"));
  EXPECT_EQ(files.FullDirectoryPath("C:\\quake3\\..\\Quake3\\.\\").value_or("?"), "C:\\Quake3");
}

TEST(FakeFilesPaths, FirstSpellingIsKeptThroughOtherSpellings) {
  FakeFiles files;
  files.AddDirectory("C:\\Demos");
  ASSERT_TRUE(WriteWholeFile(files, "C:\\demos\\Match.DM3", "a").ok());
  {
    auto again = files.OpenWrite("C:\\DEMOS\\match.dm3");
    ASSERT_TRUE(again.ok());
    ASSERT_TRUE(again.value()->Write("b").ok());
  }
  EXPECT_EQ(files.Contents("C:\\Demos\\Match.DM3"), std::optional<std::string>("b"));
  EXPECT_EQ(files.List("C:\\demos", "*").value(), Names{"Match.DM3"});
  EXPECT_EQ(files.FullDirectoryPath("c:\\DEMOS").value_or("?"), "C:\\Demos");
  // A rename that only changes case is a rename, not a clash.
  ASSERT_TRUE(files.Rename("C:\\Demos\\Match.DM3", "C:\\Demos\\match.dm3").ok());
  EXPECT_EQ(files.List("C:\\Demos", "*").value(), Names{"match.dm3"});
}

// Windows limits the resolved path and each name in UTF-16 units; a character outside
// the basic plane takes two.
TEST(FakeFilesPaths, LimitsCountUtf16UnitsOfTheResolvedPath) {
  FakeFiles files;
  files.AddDirectory("C:\\Games");
  files.SetCurrentDirectory("C:\\Games");
  EXPECT_TRUE(files.OpenWrite(std::string(250, 'n')).ok());  // "C:\Games\" + 250 = 259
  EXPECT_EQ(files.OpenWrite(std::string(251, 'n')).failure().number, err::kPathNotFound);

  std::string e255;
  for (int i = 0; i < 255; ++i) e255 += "\xC3\xA9";
  EXPECT_TRUE(files.OpenWrite("C:\\" + e255).ok());
  EXPECT_EQ(files.OpenWrite("C:\\" + e255 + "\xC3\xA9").failure().number, err::kBadFileName);
  std::string pairs;
  for (int i = 0; i < 127; ++i) pairs += "\xF0\x9F\x98\x80";
  EXPECT_TRUE(files.OpenWrite("C:\\" + pairs).ok());
  EXPECT_EQ(files.OpenWrite("C:\\" + pairs + "\xF0\x9F\x98\x80").failure().number,
            err::kBadFileName);
}

TEST(FakeFilesPaths, CurrentDirectoriesPerDriveAndMappedDrives) {
  FakeFiles files;
  files.AddFile("C:\\Games\\Quake3\\q3config.cfg", "q");
  files.AddFile("E:\\Demos\\match.dm_66", "demo");
  files.SetCurrentDirectory("c:\\games");
  EXPECT_EQ(files.Contents("Quake3\\q3config.cfg"), std::optional<std::string>("q"));
  EXPECT_EQ(files.FullDirectoryPath("E:").value_or("?"), "E:\\");
  files.SetDriveDirectory("e:", "E:\\Demos");
  EXPECT_EQ(files.Contents("E:match.dm_66"), std::optional<std::string>("demo"));
  EXPECT_EQ(files.FullDirectoryPath("E:").value_or("?"), "E:\\Demos");
  // On its own drive the current directory wins; C: remembers nothing once left.
  files.SetCurrentDirectory("E:\\");
  EXPECT_FALSE(files.Contents("E:match.dm_66").has_value());
  EXPECT_EQ(files.Contents("\\Demos\\match.dm_66"), std::optional<std::string>("demo"));
  EXPECT_EQ(files.FullDirectoryPath("C:").value_or("?"), "C:\\");
  EXPECT_THROW(files.SetCurrentDirectory("C:\\Missing"), std::invalid_argument);

  files.MapDrive("S:", "C:\\Games");
  EXPECT_TRUE(files.SameFile("s:\\quake3\\Q3CONFIG.CFG", "C:\\Games\\Quake3\\q3config.cfg"));
  EXPECT_EQ(files.FullDirectoryPath("s:\\quake3").value_or("?"), "S:\\Quake3");
  EXPECT_EQ(files.FullDirectoryPath("S:").value_or("?"), "S:\\");
}

TEST(FakeFilesRules, ErrorNumbersOfDirectoriesAndParents) {
  FakeFiles files;
  files.AddFile("C:\\Q\\file.txt", "x");
  EXPECT_EQ(files.MakeDirectory("C:\\Q").number(), err::kPathFileAccess);
  EXPECT_EQ(files.MakeDirectory("C:\\Q\\file.txt").number(), err::kPathFileAccess);
  EXPECT_EQ(files.MakeDirectory("C:\\Missing\\Sub").number(), err::kPathNotFound);
  EXPECT_EQ(files.CanOpenForRead("C:\\Q").number(), err::kPathFileAccess);
  EXPECT_EQ(files.CanOpenForRead("C:\\Q\\file.txt\\inner").number(), err::kPathNotFound);
  EXPECT_EQ(files.Delete("C:\\Q").number(), err::kPathFileAccess);
  EXPECT_EQ(files.Copy("C:\\Q\\file.txt", "C:\\Q").number(), err::kPathFileAccess);
  EXPECT_EQ(files.Copy("C:\\Q\\file.txt", "C:\\Q\\FILE.TXT").number(), err::kPermissionDenied);
  EXPECT_EQ(files.OpenWrite("C:\\" + std::string(300, 'n')).failure().number, err::kPathNotFound);
  EXPECT_EQ(files.OpenWrite("C:\\" + std::string(256, 'n')).failure().number, err::kBadFileName);
}

TEST(FakeFilesRules, HeldOpenFileKeepsItsAttributesReachableAndItsDirectoryInPlace) {
  FakeFiles files;
  files.AddFile("C:\\Q\\q3config.cfg", "cfg");
  files.HoldOpen("c:\\q\\Q3CONFIG.CFG");
  EXPECT_EQ(files.Length("C:\\Q\\q3config.cfg").value_or(0), 3u);
  EXPECT_TRUE(files.SetAttributes("C:\\Q\\q3config.cfg", attr::kReadOnly).ok());
  EXPECT_EQ(files.Attributes("C:\\Q\\q3config.cfg"), attr::kReadOnly);
  // A directory holding an open file cannot be renamed.
  EXPECT_EQ(files.Rename("C:\\Q", "C:\\R").number(), err::kPermissionDenied);
  EXPECT_FALSE(files.Exists("C:\\R"));
  files.Release("C:\\Q\\q3config.cfg");
  EXPECT_TRUE(files.Rename("C:\\Q", "C:\\R").ok());
}

TEST(FakeFilesRules, RenamingADirectoryMovesEverythingBelowIt) {
  FakeFiles files;
  files.AddFile("C:\\Q3\\baseq3\\pak0.pk3", "0");
  files.AddFile("C:\\Q3\\baseq3\\demos\\a.dm3", "a");
  auto stream = files.OpenWrite("C:\\Q3\\baseq3\\demos\\a.dm3");
  ASSERT_TRUE(stream.ok());
  ASSERT_TRUE(files.Rename("C:\\Q3\\baseq3", "C:\\Q3\\BaseQ3.old").ok());
  EXPECT_EQ(files.FilesBelow("C:\\Q3"),
            (Names{"C:\\Q3\\BaseQ3.old\\demos\\a.dm3", "C:\\Q3\\BaseQ3.old\\pak0.pk3"}));
  EXPECT_FALSE(files.Exists("C:\\Q3\\baseq3"));
  // An open stream follows its file.
  ASSERT_TRUE(stream.value()->Write("b").ok());
  EXPECT_EQ(files.Contents("C:\\Q3\\baseq3.old\\demos\\a.dm3"), std::optional<std::string>("b"));
  EXPECT_EQ(files.Rename("C:\\Q3\\BaseQ3.old", "C:\\Q3\\BaseQ3.old\\inside").number(),
            err::kPathFileAccess);
}

TEST(FakeFilesRules, ReadStreamRefusesWritesAndCopyTakesTheSourceAttributes) {
  FakeFiles files;
  files.AddFile("C:\\a.cfg", "abc", attr::kReadOnly);
  auto in = files.OpenRead("C:\\a.cfg");
  ASSERT_TRUE(in.ok());
  EXPECT_EQ(in.value()->Write("x").number(), err::kPathFileAccess);
  ASSERT_TRUE(files.Copy("C:\\a.cfg", "C:\\b.cfg").ok());
  EXPECT_TRUE(*files.Attributes("C:\\b.cfg") & attr::kReadOnly);
  EXPECT_EQ(files.Contents("C:\\a.cfg"), std::optional<std::string>("abc"));
  EXPECT_EQ(files.WriteCount(), 0);
}

TEST(FakeFilesRules, ListShowsFilesOnlyAndAnEmptyPatternShowsNothing) {
  FakeFiles files;
  files.AddFile("C:\\V\\b.Vrk", "");
  files.AddFile("C:\\V\\a.vrk", "");
  files.AddDirectory("C:\\V\\dir.vrk");
  EXPECT_EQ(files.List("C:\\V", "*.VRK").value(), (Names{"a.vrk", "b.Vrk"}));
  EXPECT_TRUE(files.List("C:\\V", "").value().empty());
  EXPECT_EQ(files.List("C:\\V\\a.vrk", "*").failure().number, err::kPathNotFound);
}

// ---------------------------------------------------------------- free space and forced failures

TEST(FakeDiskSpace, AWriteThatDoesNotFitWritesWhatFitsAndFails) {
  FakeFiles files;
  files.AddDirectory("E:\\Games");
  files.SetFreeSpace("e:", 10);
  auto out = files.OpenWrite("E:\\Games\\demo.dm3");
  ASSERT_TRUE(out.ok());
  ASSERT_TRUE(out.value()->Write("123456").ok());
  const Status full = out.value()->Write("78901");
  EXPECT_EQ(full.number(), err::kDiskFull);
  EXPECT_EQ(full.failure().description, "Disk full");
  EXPECT_EQ(files.Contents("E:\\Games\\demo.dm3"), std::optional<std::string>("1234567890"));
  EXPECT_EQ(out.value()->Write("x").number(), err::kDiskFull);
  EXPECT_EQ(files.Contents("E:\\Games\\demo.dm3"), std::optional<std::string>("1234567890"));
  EXPECT_EQ(files.WriteCount(), 3);
}

TEST(FakeDiskSpace, OverwritingCostsNothingAndDeletingGivesSpaceBack) {
  FakeFiles files;
  files.AddFile("E:\\big.bin", std::string(8, 'b'));
  files.AddFile("C:\\src.bin", std::string(5, 's'));
  files.SetFreeSpace("E:\\", 4);
  {
    auto out = files.OpenWrite("E:\\big.bin");
    ASSERT_TRUE(out.ok());
    ASSERT_TRUE(out.value()->Write(std::string(8, 'o')).ok());
  }
  EXPECT_EQ(files.Copy("C:\\src.bin", "E:\\src.bin").number(), err::kDiskFull);
  EXPECT_EQ(files.Contents("E:\\src.bin"), std::optional<std::string>("ssss"));
  ASSERT_TRUE(files.Delete("E:\\big.bin").ok());
  // The copy's own old bytes make room for it again.
  EXPECT_TRUE(files.Copy("C:\\src.bin", "E:\\src.bin").ok());
  EXPECT_EQ(files.Contents("E:\\src.bin"), std::optional<std::string>("sssss"));
  // Other drives are not limited, and the limit can be lifted.
  EXPECT_TRUE(files.Copy("C:\\src.bin", "C:\\copy.bin").ok());
  files.SetFreeSpace("E:", std::nullopt);
  EXPECT_TRUE(WriteWholeFile(files, "E:\\huge.bin", std::string(1000, 'h')).ok());
}

TEST(FakeFailPath, EveryOperationOnThePathFailsWithTheNumberUntilCleared) {
  FakeFiles files;
  files.AddFile("C:\\d\\f.cfg", "abc");
  auto stream = files.OpenWrite("C:\\d\\f.cfg");
  ASSERT_TRUE(stream.ok());
  files.FailPath("c:\\D\\F.cfg", err::kDeviceIO);
  EXPECT_EQ(files.CanOpenForRead("C:\\d\\f.cfg").number(), err::kDeviceIO);
  EXPECT_EQ(files.Delete("C:\\d\\f.cfg").number(), err::kDeviceIO);
  EXPECT_EQ(files.Copy("C:\\d\\f.cfg", "C:\\d\\g.cfg").number(), err::kDeviceIO);
  EXPECT_EQ(files.Rename("C:\\d\\f.cfg", "C:\\d\\g.cfg").number(), err::kDeviceIO);
  EXPECT_EQ(files.GetAttributes("C:\\d\\f.cfg").failure().number, err::kDeviceIO);
  EXPECT_EQ(stream.value()->Write("x").number(), err::kDeviceIO);
  EXPECT_EQ(files.Contents("C:\\d\\f.cfg"), std::optional<std::string>("abc"));
  files.FailPath("C:\\d\\f.cfg", 0);
  EXPECT_TRUE(stream.value()->Write("x").ok());
  stream.value().reset();  // an open file cannot be deleted
  EXPECT_TRUE(files.Delete("C:\\d\\f.cfg").ok());
}

// ---------------------------------------------------------------- profile

TEST(FakeProfileReader, FilesThatCannotBeOpenedReadAsMissing) {
  FakePlatform fake;
  fake.files.AddFile("C:\\V\\v1_30.Vrk", "[S]\nK=value\n");
  EXPECT_EQ(fake.profile.ReadString("C:\\V\\v1_30.Vrk", "S", "K", "Error"), "value");
  fake.files.HoldOpen("C:\\V\\v1_30.Vrk");
  EXPECT_EQ(fake.profile.ReadString("C:\\V\\v1_30.Vrk", "S", "K", "Error"), "Error");
  EXPECT_EQ(fake.profile.ReadString("C:\\V", "S", "K", "Error"), "Error");
}

TEST(FakeProfileReader, WindowsReaderDetails) {
  FakePlatform fake;
  static const char kIni[] =
      "\xEF\xBB\xBF[S]\r\n"
      "NoEquals\r\n"
      "Mixed=\"abc'\r\n"
      "Single='x y'\r\n"
      "Inner=a=b ; not a comment\r\n"
      "Nul=ab\0cd\r\n"
      "[s]\r\n"
      "Second=section\r\n"
      "[Broken\r\n"
      "After=broken\r\n"
      "[Later]\r\n"
      "Key=later\r\n";
  fake.files.AddFile("C:\\p.ini", std::string(kIni, sizeof kIni - 1));
  auto get = [&](const std::string& key, std::size_t buffer = kProfileBufferChars) {
    return fake.profile.ReadString("C:\\p.ini", "S", key, "Def  ", buffer);
  };
  EXPECT_EQ(get("NoEquals"), "Def");  // no value, and the default loses its final blanks
  EXPECT_EQ(get("Mixed"), "\"abc'");
  EXPECT_EQ(get("Single"), "x y");
  EXPECT_EQ(get("Inner"), "a=b ; not a comment");
  EXPECT_EQ(get("Nul"), "ab");
  EXPECT_EQ(get("Second"), "Def");  // only the first section of a name is searched
  EXPECT_EQ(fake.profile.ReadString("C:\\p.ini", "Later", "Key", "Def"), "later");
  EXPECT_EQ(get("Single", 1), "");
  EXPECT_EQ(get("Single", 0), "");
  EXPECT_EQ(get("Missing", 3), "De");
}

// ---------------------------------------------------------------- registry

TEST(FakeRegistryJournal, RecordsSuccessfulMutationsInOrder) {
  FakeRegistry reg;
  ASSERT_TRUE(reg.CreateKey(RegRoot::ClassesRoot, ".dm3").ok());
  ASSERT_TRUE(reg.SetString(RegRoot::ClassesRoot, ".dm3", "", "Kalvenmarque.dm3").ok());
  ASSERT_TRUE(reg.CreateKey(RegRoot::LocalMachine, "Software\\X\\").ok());
  ASSERT_TRUE(reg.SetDword(RegRoot::LocalMachine, "Software\\X", "EditFlags", 65536).ok());
  EXPECT_FALSE(reg.SetString(RegRoot::Users, "Absent", "n", "v").ok());
  EXPECT_FALSE(reg.DeleteKey(RegRoot::LocalMachine, "Software").ok());
  ASSERT_TRUE(reg.DeleteKey(RegRoot::ClassesRoot, ".DM3").ok());
  EXPECT_EQ(reg.Journal(), (Names{"create HKCR\\.dm3", "set HKCR\\.dm3\\(default)=Kalvenmarque.dm3",
                                  "create HKLM\\Software\\X",
                                  "set HKLM\\Software\\X\\EditFlags=65536", "delete HKCR\\.DM3"}));
  EXPECT_EQ(reg.Value(RegRoot::LocalMachine, "software\\x", "EDITFLAGS"),
            std::optional<std::string>("65536"));
  EXPECT_EQ(reg.Keys(RegRoot::LocalMachine), (Names{"Software", "Software\\X"}));
  EXPECT_TRUE(reg.Keys(RegRoot::ClassesRoot).empty());
}

TEST(FakeRegistryRules, RefusedRootFailsWithPermissionDeniedAndChangesNothing) {
  FakeRegistry reg;
  reg.PutString(RegRoot::ClassesRoot, ".dm3", "", "old");
  reg.RefuseWrites(RegRoot::ClassesRoot);
  EXPECT_EQ(reg.CreateKey(RegRoot::ClassesRoot, ".dm_66").number(), err::kPermissionDenied);
  EXPECT_EQ(reg.SetString(RegRoot::ClassesRoot, ".dm3", "", "new").number(),
            err::kPermissionDenied);
  EXPECT_EQ(reg.SetDword(RegRoot::ClassesRoot, ".dm3", "n", 1).number(), err::kPermissionDenied);
  EXPECT_EQ(reg.DeleteKey(RegRoot::ClassesRoot, ".dm3").number(), err::kPermissionDenied);
  EXPECT_EQ(reg.Value(RegRoot::ClassesRoot, ".dm3", ""), std::optional<std::string>("old"));
  EXPECT_FALSE(reg.KeyExists(RegRoot::ClassesRoot, ".dm_66"));
  EXPECT_TRUE(reg.Journal().empty());
  EXPECT_TRUE(reg.CreateKey(RegRoot::CurrentUser, "Software\\Kalvenmarque").ok());
  reg.RefuseWrites(RegRoot::ClassesRoot, false);
  EXPECT_TRUE(reg.CreateKey(RegRoot::ClassesRoot, ".dm_66").ok());
}

TEST(FakeRegistryRules, QueryNeedsRoomForTheTerminator) {
  FakeRegistry reg;
  reg.PutString(RegRoot::LocalMachine, "SOFTWARE\\Id\\Quake III Arena", "Installpath",
                std::string(255, 'q'));
  EXPECT_TRUE(
      reg.QueryString(RegRoot::LocalMachine, "Software\\id\\quake iii arena", "INSTALLPATH", 256)
          .ok());
  reg.PutString(RegRoot::LocalMachine, "SOFTWARE\\Id\\Quake III Arena", "Installpath",
                std::string(256, 'q'));
  EXPECT_FALSE(
      reg.QueryString(RegRoot::LocalMachine, "SOFTWARE\\Id\\Quake III Arena", "Installpath", 256)
          .ok());
  EXPECT_TRUE(reg.Journal().empty());  // set-up is not a mutation of the program
}

// ---------------------------------------------------------------- clock and processes

TEST(FakeProcessTable, AProcessRunsForItsFakeTimeAndCanBeEndedEarly) {
  FakePlatform fake;
  fake.files.AddFile("C:\\Q3\\quake3.exe", "exe");
  fake.processes.Sleep(100);
  fake.processes.next.runMilliseconds = 900;
  fake.processes.next.exitCode = 7;
  auto watch = fake.processes.Start("c:\\q3\\QUAKE3.EXE", "quake3.exe +demo x",
                                    ShowMode::NormalFocus, "C:\\Q3");
  ASSERT_TRUE(watch.ok());
  ASSERT_EQ(fake.processes.started().size(), 1u);
  const StartedProcess& started = fake.processes.started()[0];
  EXPECT_EQ(started.commandLine, "quake3.exe +demo x");
  EXPECT_EQ(started.show, ShowMode::NormalFocus);
  EXPECT_EQ(started.workingDir, "C:\\Q3");
  EXPECT_EQ(started.startedAt, 100u);

  fake.processes.Sleep(899);
  EXPECT_EQ(watch.value()->ExitCode().value_or(0), kStillActive);
  fake.processes.Sleep(1);
  EXPECT_EQ(watch.value()->ExitCode().value_or(0), 7u);
  EXPECT_EQ(fake.clock.now(), 1000u);
  EXPECT_EQ(fake.clock.sleptTotal, 1000u);
  EXPECT_EQ(fake.clock.sleeps, 3);

  auto second = fake.processes.Start("C:\\Q3\\quake3.exe", "again", ShowMode::Normal);
  ASSERT_TRUE(second.ok());
  const ProcessId secondId = second.value()->Id();
  EXPECT_NE(secondId, watch.value()->Id());
  EXPECT_EQ(fake.processes.ExitCodeNow(secondId).value_or(0), kStillActive);
  fake.processes.Exit(secondId, 3);
  EXPECT_EQ(fake.processes.ExitCodeNow(secondId).value_or(0), 3u);
}

TEST(FakeProcessTable, AWaitLastsToTheProcesssEndOrItsBoundAndIsCounted) {
  FakePlatform fake;
  fake.files.AddFile("C:\\game.exe", "");
  fake.processes.next.runMilliseconds = 700;
  fake.processes.next.exitCode = kStillActive;
  auto watch = fake.processes.Start("C:\\game.exe", "game", ShowMode::Normal);
  ASSERT_TRUE(watch.ok());
  int hooks = 0;
  fake.processes.whileWaiting = [&] { ++hooks; };

  fake.processes.WaitForEndOrMessage(watch.value().get(), 450);
  EXPECT_EQ(fake.clock.now(), 450u);
  EXPECT_FALSE(watch.value()->HasEnded().value_or(true));
  fake.processes.WaitForEndOrMessage(watch.value().get(), 450);
  EXPECT_EQ(fake.clock.now(), 700u);
  EXPECT_TRUE(watch.value()->HasEnded().value_or(false));
  EXPECT_EQ(watch.value()->ExitCode().value_or(0), kStillActive);
  // An ended process lets no time pass; without a watch the whole bound passes.
  fake.processes.WaitForEndOrMessage(watch.value().get(), 450);
  fake.processes.WaitForEndOrMessage(nullptr, 300);
  EXPECT_EQ(fake.clock.now(), 1000u);
  EXPECT_EQ(fake.clock.waits, 4);
  EXPECT_EQ(fake.clock.waitedTotal, 1000u);
  EXPECT_EQ(fake.clock.sleeps, 0);
  EXPECT_EQ(hooks, 4);
}

TEST(FakeProcessTable, AProgramThatWaitsForeverIsStopped) {
  FakePlatform fake;
  auto waitForever = [&] {
    for (;;) {
      fake.processes.Sleep(450);
      fake.processes.WaitForEndOrMessage(nullptr, 450);
    }
  };
  EXPECT_THROW(waitForever(), std::runtime_error);
  EXPECT_EQ(fake.clock.sleeps + fake.clock.waits, FakeProcesses::kRunawayLimit);
}

TEST(FakeProcessTable, StartNeedsAnExistingExecutableFile) {
  FakePlatform fake;
  fake.files.AddDirectory("C:\\Q3\\quake3.exe");
  EXPECT_EQ(fake.processes.Start("C:\\Q3\\quake3.exe", "", ShowMode::Normal).failure().number,
            err::kFileNotFound);
  EXPECT_EQ(fake.processes.Start("C:\\Q3\\hl.exe", "", ShowMode::Normal).failure().number,
            err::kFileNotFound);
  EXPECT_EQ(fake.processes.Start("C:\\Gone\\hl.exe", "", ShowMode::Normal).failure().number,
            err::kPathNotFound);
  EXPECT_TRUE(fake.processes.started().empty());
  EXPECT_FALSE(fake.processes.IsRunning(1000, "C:\\Q3\\hl.exe"));
}

// The program's file is a running program's until the process ends, whether its fake
// time runs out or a test ends it; a test's ReleaseAll does not end it.
TEST(FakeProcessTable, AProgramsFileIsHeldWhileItsProcessRuns) {
  FakePlatform fake;
  fake.files.AddFile("C:\\Q3\\quake3.exe", "exe");
  fake.files.AddFile("C:\\HL\\hl.exe", "exe");
  fake.processes.next.runMilliseconds = 500;
  auto q3 = fake.processes.Start("C:\\Q3\\quake3.exe", "", ShowMode::Normal);
  auto hl = fake.processes.Start("C:\\HL\\hl.exe", "", ShowMode::Normal);
  ASSERT_TRUE(q3.ok() && hl.ok());
  fake.files.ReleaseAll();
  EXPECT_EQ(fake.files.Delete("C:\\Q3\\quake3.exe").number(), err::kPathFileAccess);
  EXPECT_EQ(fake.files.Rename("C:\\Q3", "C:\\Q3.old").number(), err::kPermissionDenied);
  fake.processes.Exit(hl.value()->Id());
  EXPECT_TRUE(fake.files.Delete("C:\\HL\\hl.exe").ok());
  EXPECT_EQ(fake.files.Delete("C:\\Q3\\quake3.exe").number(), err::kPathFileAccess);
  fake.processes.Sleep(500);
  EXPECT_TRUE(fake.files.Rename("C:\\Q3", "C:\\Q3.old").ok());
  EXPECT_TRUE(fake.files.Delete("C:\\Q3.old\\quake3.exe").ok());
}

TEST(FakeProcessTable, HooksRunAtStartAndWhileWaiting) {
  FakePlatform fake;
  fake.files.AddFile("C:\\game.exe", "");
  fake.processes.next.cannotOpen = true;
  std::string seen;
  fake.processes.next.onStart = [&](const StartedProcess& p) { seen = p.commandLine; };
  int waits = 0;
  fake.processes.whileWaiting = [&] { ++waits; };
  auto watch = fake.processes.Start("C:\\game.exe", "game +x", ShowMode::Normal);
  ASSERT_TRUE(watch.ok());
  EXPECT_EQ(seen, "game +x");
  // A process that cannot be opened by its id is not seen by the running check; its watch
  // still sees it run.
  EXPECT_FALSE(fake.processes.IsRunning(watch.value()->Id(), "C:\\game.exe"));
  EXPECT_FALSE(watch.value()->HasEnded().value_or(true));
  fake.processes.PumpMessages();
  fake.processes.Sleep(450);
  EXPECT_EQ(waits, 2);
  EXPECT_EQ(fake.processes.pumps(), 1);
  fake.processes.shellOpenResult = Status::Fail(err::kFileNotFound);
  EXPECT_EQ(fake.processes.ShellOpen("C:\\Kalv\\Assocmend.exe", "/i", "C:\\Kalv", ShowMode::Normal)
                .number(),
            err::kFileNotFound);
  ASSERT_EQ(fake.processes.shellOpened().size(), 1u);
  EXPECT_EQ(fake.processes.shellOpened()[0].parameters, "/i");
}

// ---------------------------------------------------------------- dialogs and system

TEST(FakeDialogBoxes, ScriptedAnswersThenTheFirstButton) {
  FakePlatform fake;
  auto window = fake.windows.CreateWindowFromTemplate(101);
  fake.dialogs.answers = {Answer::Cancel};
  EXPECT_EQ(fake.dialogs.MessageBox("insert CD", "CD-Check", Icon::Information,
                                    Buttons::RetryCancel, window.get()),
            Answer::Cancel);
  EXPECT_EQ(fake.dialogs.MessageBox("again", "", Icon::Information, Buttons::RetryCancel),
            Answer::Retry);
  EXPECT_EQ(fake.dialogs.MessageBox("q", "", Icon::Question, Buttons::YesNo), Answer::Yes);
  ASSERT_EQ(fake.dialogs.messages().size(), 3u);
  EXPECT_EQ(fake.dialogs.messages()[0].owner, window->Native());
  EXPECT_EQ(fake.dialogs.messages()[0].answer, Answer::Cancel);
  EXPECT_EQ(fake.dialogs.messages()[1].owner, 0u);

  fake.dialogs.folders = {std::string("D:\\Games\\Half-Life")};
  EXPECT_EQ(fake.dialogs.BrowseForFolder(window.get(), "Half-Life"),
            std::optional<std::string>("D:\\Games\\Half-Life"));
  EXPECT_FALSE(fake.dialogs.BrowseForFolder(nullptr, "Quake 2").has_value());
  EXPECT_EQ(fake.dialogs.folderDialogs()[1].title, "Quake 2");
}

TEST(FakeDialogBoxes, AProgramThatAsksForeverIsStopped) {
  FakeDialogs dialogs;
  auto askForever = [&] {
    while (dialogs.MessageBox("insert CD", "", Icon::Information, Buttons::RetryCancel) ==
           Answer::Retry) {
    }
  };
  EXPECT_THROW(askForever(), std::runtime_error);
  EXPECT_EQ(dialogs.messages().size(), FakeDialogs::kRunawayLimit);
}

TEST(FakeMachine, DrivesVersionsNamesAndTheEnd) {
  FakeSystem system;
  system.driveTypes["E:\\"] = drive::kCdRom;
  EXPECT_EQ(system.DriveType("e:\\"), drive::kCdRom);
  EXPECT_EQ(system.DriveType("D:\\"), drive::kFixed);
  system.versions["C:\\Q3\\quake3.exe"] = FixedFileVersion{0x00010001, 0x00000008};
  ASSERT_TRUE(system.FileVersion("c:\\q3\\QUAKE3.exe").has_value());
  EXPECT_EQ(system.FileVersion("c:\\q3\\QUAKE3.exe")->fileVersionLS, 8u);
  EXPECT_FALSE(system.FileVersion("C:\\Q3\\other.exe").has_value());
  EXPECT_EQ(system.UserName().value_or("?"), "Player");
  system.userName.reset();
  EXPECT_FALSE(system.UserName().ok());
  EXPECT_THROW(system.EndProgram(3), ProgramEnded);
  EXPECT_EQ(system.endCount, 1);
  EXPECT_EQ(system.exitCode, 3);
}

// ---------------------------------------------------------------- windows

TEST(FakeWindows, WindowsOutliveTheProgramsHandleAndKeepTheirState) {
  FakeWindowFactory factory;
  int clicks = 0;
  {
    auto handle = factory.CreateWindowFromTemplate(200);
    EXPECT_FALSE(handle->Visible());
    handle->SetVisible(true);
    handle->SetText("Kalvenmarque v1.2.0");
    ControlHandle& list = handle->Control(7);
    list.AddItem("v1_17.Vrk");
    list.AddItem("v1_27.Vrk");
    list.SetSelection(1);
    handle->OnEvent(7, Event::Click, [&] { ++clicks; });
  }
  FakeWindow* window = factory.Find(200);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->Visible());
  EXPECT_EQ(window->Text(), "Kalvenmarque v1.2.0");
  EXPECT_EQ(window->control(7).Selection(), 1);
  window->control(7).SetSelection(5);
  EXPECT_EQ(window->control(7).Selection(), -1);
  EXPECT_EQ(window->control(7).Item(9), "");
  EXPECT_TRUE(window->HasHandler(7, Event::Click));
  EXPECT_FALSE(window->HasHandler(7, Event::Change));
  window->Fire(7, Event::Click);
  window->Fire(7, Event::Change);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(factory.Find(201), nullptr);
}

}  // namespace
}  // namespace kalv::fake
