// The file rules every backend must give, as Windows gives them.
#include <string>
#include <vector>

#include "tests/contract/contract_fixture.h"

namespace kalv::contract {
namespace {

using Names = std::vector<std::string>;

class FilesContract : public ContractTest {};

TEST_F(FilesContract, NamesCompareWithoutCaseAndKeepTheirFirstSpelling) {
  Write(At("Demo.DM3"), "abc");
  EXPECT_TRUE(files().CanOpenForRead(At("demo.dm3")).ok());
  EXPECT_EQ(Read(At("DEMO.Dm3")), "abc");
  auto length = files().Length(At("dEMO.dm3"));
  ASSERT_TRUE(length.ok());
  EXPECT_EQ(length.value(), 3u);

  // Writing through another spelling changes the same file, not a second one.
  auto stream = files().OpenWrite(At("DEMO.DM3"));
  ASSERT_TRUE(stream.ok());
  ASSERT_TRUE(stream.value()->Write("X").ok());
  stream.value().reset();
  EXPECT_EQ(Read(At("Demo.DM3")), "Xbc");
  auto names = files().List(scratch(), "*");
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names.value(), Names{"Demo.DM3"});
}

TEST_F(FilesContract, ReadOnlyFileRefusesDeleteAndOverwriteUntilMadeNormal) {
  Write(At("q3config.cfg"), "seta name player");
  Write(At("other.cfg"), "other");
  ASSERT_TRUE(files().SetAttributes(At("q3config.cfg"), attr::kReadOnly).ok());
  auto attributes = files().GetAttributes(At("q3config.cfg"));
  ASSERT_TRUE(attributes.ok());
  EXPECT_TRUE(attributes.value() & attr::kReadOnly);

  EXPECT_EQ(files().Delete(At("q3config.cfg")).number(), err::kPathFileAccess);
  EXPECT_EQ(files().OpenWrite(At("q3config.cfg")).failure().number, err::kPathFileAccess);
  EXPECT_EQ(files().Copy(At("other.cfg"), At("q3config.cfg")).number(), err::kPathFileAccess);
  EXPECT_EQ(Read(At("q3config.cfg")), "seta name player");

  ASSERT_TRUE(files().SetAttributes(At("q3config.cfg"), attr::kNormal).ok());
  attributes = files().GetAttributes(At("q3config.cfg"));
  ASSERT_TRUE(attributes.ok());
  EXPECT_FALSE(attributes.value() & attr::kReadOnly);
  EXPECT_TRUE(files().Copy(At("other.cfg"), At("q3config.cfg")).ok());
  EXPECT_EQ(Read(At("q3config.cfg")), "other");
  EXPECT_TRUE(files().Delete(At("q3config.cfg")).ok());
  EXPECT_EQ(files().CanOpenForRead(At("q3config.cfg")).number(), err::kFileNotFound);
}

TEST_F(FilesContract, ReadOnlyFileCanBeRenamed) {
  Write(At("pak3.pk3"), "pak");
  ASSERT_TRUE(files().SetAttributes(At("pak3.pk3"), attr::kReadOnly).ok());
  EXPECT_TRUE(files().Rename(At("pak3.pk3"), At("pak3.bak")).ok());
  EXPECT_EQ(Read(At("pak3.bak")), "pak");
  EXPECT_EQ(files().CanOpenForRead(At("pak3.pk3")).number(), err::kFileNotFound);
  auto attributes = files().GetAttributes(At("pak3.bak"));
  ASSERT_TRUE(attributes.ok());
  EXPECT_TRUE(attributes.value() & attr::kReadOnly);
  ASSERT_TRUE(files().SetAttributes(At("pak3.bak"), attr::kNormal).ok());
}

TEST_F(FilesContract, FileHeldOpenByAnotherProgramRefusesEverythingUntilReleased) {
  Write(At("locked.dm3"), "demo");
  Write(At("source.dm3"), "new");
  backend().HoldOpen(At("locked.dm3"));

  EXPECT_EQ(files().CanOpenForRead(At("locked.dm3")).number(), err::kPermissionDenied);
  EXPECT_EQ(files().OpenRead(At("locked.dm3")).failure().number, err::kPermissionDenied);
  EXPECT_EQ(files().OpenWrite(At("locked.dm3")).failure().number, err::kPermissionDenied);
  EXPECT_EQ(files().Delete(At("locked.dm3")).number(), err::kPermissionDenied);
  EXPECT_EQ(files().Rename(At("locked.dm3"), At("moved.dm3")).number(), err::kPermissionDenied);
  EXPECT_EQ(files().Copy(At("locked.dm3"), At("copy.dm3")).number(), err::kPermissionDenied);
  EXPECT_EQ(files().Copy(At("source.dm3"), At("locked.dm3")).number(), err::kPermissionDenied);
  EXPECT_EQ(files().CanOpenForRead(At("moved.dm3")).number(), err::kFileNotFound);

  // Attributes are not data: reading and changing them is not refused.
  auto length = files().Length(At("locked.dm3"));
  ASSERT_TRUE(length.ok());
  EXPECT_EQ(length.value(), 4u);
  ASSERT_TRUE(files().SetAttributes(At("locked.dm3"), attr::kReadOnly).ok());
  auto attributes = files().GetAttributes(At("locked.dm3"));
  ASSERT_TRUE(attributes.ok());
  EXPECT_TRUE(attributes.value() & attr::kReadOnly);
  ASSERT_TRUE(files().SetAttributes(At("locked.dm3"), attr::kNormal).ok());

  backend().ReleaseAll();
  EXPECT_EQ(Read(At("locked.dm3")), "demo");
  EXPECT_TRUE(files().Delete(At("locked.dm3")).ok());
}

TEST_F(FilesContract, DirectoryIsNotAFile) {
  ASSERT_TRUE(files().MakeDirectory(At("demos")).ok());
  EXPECT_TRUE(files().DirectoryExists(At("demos")));
  EXPECT_TRUE(files().DirectoryExists(At("demos") + "\\"));
  EXPECT_EQ(files().CanOpenForRead(At("demos")).number(), err::kPathFileAccess);
  EXPECT_FALSE(files().OpenRead(At("demos")).ok());
  EXPECT_FALSE(files().Delete(At("demos")).ok());
  EXPECT_TRUE(files().DirectoryExists(At("demos")));

  Write(At("plain.txt"), "x");
  EXPECT_FALSE(files().DirectoryExists(At("plain.txt")));
  EXPECT_FALSE(files().DirectoryExists(At("nothing")));
}

TEST_F(FilesContract, MakeDirectoryRefusesAnExistingNameAndAMissingParent) {
  ASSERT_TRUE(files().MakeDirectory(At("baseq3")).ok());
  EXPECT_FALSE(files().MakeDirectory(At("baseq3")).ok());
  EXPECT_EQ(files().MakeDirectory(At("missing\\demos")).number(), err::kPathNotFound);
  EXPECT_FALSE(files().DirectoryExists(At("missing")));
  EXPECT_TRUE(files().MakeDirectory(At("baseq3\\demos")).ok());
  EXPECT_TRUE(files().DirectoryExists(At("BASEQ3\\Demos")));
}

TEST_F(FilesContract, FailureNumbersOfTheObviousCases) {
  EXPECT_EQ(files().CanOpenForRead(At("absent.dm3")).number(), err::kFileNotFound);
  EXPECT_EQ(files().CanOpenForRead(At("nodir\\absent.dm3")).number(), err::kPathNotFound);
  EXPECT_EQ(files().OpenRead(At("absent.dm3")).failure().number, err::kFileNotFound);
  EXPECT_EQ(files().OpenWrite(At("nodir\\new.dm3")).failure().number, err::kPathNotFound);
  EXPECT_EQ(files().Delete(At("absent.dm3")).number(), err::kFileNotFound);
  EXPECT_EQ(files().Length(At("absent.dm3")).failure().number, err::kFileNotFound);
  EXPECT_EQ(files().Copy(At("absent.dm3"), At("copy.dm3")).number(), err::kFileNotFound);
  EXPECT_EQ(files().Rename(At("absent.dm3"), At("other.dm3")).number(), err::kFileNotFound);

  Write(At("one.pk3"), "1");
  Write(At("two.pk3"), "2");
  EXPECT_EQ(files().Rename(At("one.pk3"), At("two.pk3")).number(), err::kFileExists);
  EXPECT_EQ(files().Rename(At("one.pk3"), At("TWO.PK3")).number(), err::kFileExists);
  EXPECT_EQ(Read(At("one.pk3")), "1");
  EXPECT_EQ(Read(At("two.pk3")), "2");
}

TEST_F(FilesContract, FailuresCarryTheirDescription) {
  const Status missing = files().CanOpenForRead(At("absent.dm3"));
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.failure().description, "File not found");
  const Status noPath = files().Delete(At("nodir\\absent.dm3"));
  ASSERT_FALSE(noPath.ok());
  EXPECT_EQ(noPath.failure().description, "Path not found");
}

TEST_F(FilesContract, StreamsReadAndWriteFromOneAdvancingPosition) {
  {
    auto out = files().OpenWrite(At("stream.bin"));
    ASSERT_TRUE(out.ok());
    ASSERT_TRUE(out.value()->Write("hello").ok());
    ASSERT_TRUE(out.value()->Write(" world").ok());
    auto length = out.value()->Length();
    ASSERT_TRUE(length.ok());
    EXPECT_EQ(length.value(), 11u);
  }
  auto length = files().Length(At("stream.bin"));
  ASSERT_TRUE(length.ok());
  EXPECT_EQ(length.value(), 11u);
  {
    auto in = files().OpenRead(At("stream.bin"));
    ASSERT_TRUE(in.ok());
    EXPECT_EQ(in.value()->Read(5).value_or("?"), "hello");
    EXPECT_EQ(in.value()->Read(100).value_or("?"), " world");
    EXPECT_EQ(in.value()->Read(10).value_or("?"), "");
  }
  {
    // Opening an existing file for writing starts at 0 and keeps what is not overwritten.
    auto out = files().OpenWrite(At("stream.bin"));
    ASSERT_TRUE(out.ok());
    ASSERT_TRUE(out.value()->Write("J").ok());
  }
  EXPECT_EQ(Read(At("stream.bin")), "Jello world");
}

TEST_F(FilesContract, BinaryBytesSurviveUnchanged) {
  std::string bytes;
  for (int i = 0; i < 5000; ++i) bytes += static_cast<char>((i * 7 + 3) % 256);
  bytes += std::string("\0\r\n\x1a", 4);
  Write(At("binary.dm_66"), bytes);
  EXPECT_EQ(Read(At("binary.dm_66")), bytes);
  ASSERT_TRUE(files().Copy(At("binary.dm_66"), At("copy.dm_66")).ok());
  EXPECT_EQ(Read(At("copy.dm_66")), bytes);
  EXPECT_EQ(Read(At("binary.dm_66")), bytes);
}

// Files compared a chunk at a time: a difference in the last byte of a later chunk, or a
// length, tells them apart; a missing file is its failure.
TEST_F(FilesContract, SameContentsComparesEveryByte) {
  std::string bytes;
  for (int i = 0; i < 150000; ++i) bytes += static_cast<char>((i * 13 + 5) % 256);
  Write(At("a.exe"), bytes);
  Write(At("b.exe"), bytes);
  Write(At("last.exe"), bytes.substr(0, bytes.size() - 1) + "x");
  Write(At("short.exe"), bytes.substr(0, bytes.size() - 1));
  EXPECT_TRUE(SameContents(files(), At("a.exe"), At("b.exe")).value_or(false));
  EXPECT_FALSE(SameContents(files(), At("a.exe"), At("last.exe")).value_or(true));
  EXPECT_FALSE(SameContents(files(), At("a.exe"), At("short.exe")).value_or(true));
  auto missing = SameContents(files(), At("a.exe"), At("gone.exe"));
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.failure().number, err::kFileNotFound);
}

// A stamp stays while nothing is written, and a copy keeps its source's: what a caller may
// remember of a file's bytes lasts exactly as long as its stamp.
TEST_F(FilesContract, StampChangesWithTheBytesAndACopyKeepsItsSources) {
  Write(At("quake3.exe"), "release one");
  const auto first = files().Stamp(At("quake3.exe"));
  ASSERT_TRUE(first.ok());
  EXPECT_EQ(first.value().length, 11u);
  EXPECT_EQ(files().Stamp(At("QUAKE3.EXE")).value(), first.value());
  ASSERT_TRUE(files().Copy(At("quake3.exe"), At("Quake3.132")).ok());
  EXPECT_EQ(files().Stamp(At("Quake3.132")).value(), first.value());

  // The same length written again: the stamp moves as soon as the file system's clock has
  // (at once where it counts nanoseconds), so the rewrite is tried until it does.
  bool moved = false;
  for (int i = 0; i < 2000 && !moved; ++i) {
    auto stream = files().OpenWrite(At("quake3.exe"));
    ASSERT_TRUE(stream.ok());
    ASSERT_TRUE(stream.value()->Write(i % 2 ? "release one" : "release two").ok());
    stream.value().reset();
    moved = files().Stamp(At("quake3.exe")).value() != first.value();
  }
  EXPECT_TRUE(moved);
  EXPECT_EQ(files().Stamp(At("quake3.exe")).value().length, 11u);
  EXPECT_EQ(files().Stamp(At("Quake3.132")).value(), first.value());

  EXPECT_EQ(files().Stamp(At("gone.exe")).failure().number, err::kFileNotFound);
  EXPECT_EQ(files().Stamp(scratch()).failure().number, err::kFileNotFound);
}

TEST_F(FilesContract, ZeroLengthFileExistsAndReadsEmpty) {
  { ASSERT_TRUE(files().OpenWrite(At("empty.cfg")).ok()); }
  EXPECT_TRUE(files().CanOpenForRead(At("empty.cfg")).ok());
  auto length = files().Length(At("empty.cfg"));
  ASSERT_TRUE(length.ok());
  EXPECT_EQ(length.value(), 0u);
  EXPECT_EQ(Read(At("empty.cfg")), "");
  auto names = files().List(scratch(), "*.cfg");
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names.value(), Names{"empty.cfg"});
}

TEST_F(FilesContract, NonAsciiNameRoundTrips) {
  const std::string name = "D\xC3\xA9mo_\xC3\xBCn\xC3\xAF_\xD0\x96.cfg";  // Démo_ünï_Ж.cfg
  const std::string renamed = "\xE6\xBC\xA2\xE5\xAD\x97.cfg";             // 漢字.cfg
  Write(At(name), "bind F1 pause");
  EXPECT_TRUE(files().CanOpenForRead(At(name)).ok());
  auto names = files().List(scratch(), "*.cfg");
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names.value(), Names{name});
  ASSERT_TRUE(files().Rename(At(name), At(renamed)).ok());
  EXPECT_EQ(Read(At(renamed)), "bind F1 pause");
  names = files().List(scratch(), "*.cfg");
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names.value(), Names{renamed});
  EXPECT_TRUE(files().Delete(At(renamed)).ok());
}

TEST_F(FilesContract, OverlongPathFailsClearlyAndLeavesNothing) {
  const std::string longName = At(std::string(300, 'a') + ".cfg");
  auto stream = files().OpenWrite(longName);
  ASSERT_FALSE(stream.ok());
  EXPECT_NE(stream.failure().number, 0);
  EXPECT_FALSE(stream.failure().description.empty());
  EXPECT_FALSE(files().CanOpenForRead(longName).ok());
  EXPECT_FALSE(files().MakeDirectory(longName).ok());
  EXPECT_FALSE(files().Delete(longName).ok());
  auto names = files().List(scratch(), "*");
  ASSERT_TRUE(names.ok());
  EXPECT_TRUE(names.value().empty());
}

TEST_F(FilesContract, FilesAndFoldersAreListedApart) {
  Write(At("demo.dm_68"), "demo");
  ASSERT_TRUE(files().MakeDirectory(At("Older")).ok());
  ASSERT_TRUE(files().MakeDirectory(At("archive")).ok());
  Write(At("Older\\old.dm_48"), "old");
  auto names = files().List(scratch(), "*");
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names.value(), Names{"demo.dm_68"});
  auto folders = files().ListFolders(scratch());
  ASSERT_TRUE(folders.ok());
  EXPECT_EQ(folders.value(), (Names{"archive", "Older"}));
  EXPECT_EQ(files().ListFolders(At("missing")).failure().number, err::kPathNotFound);
}

TEST_F(FilesContract, AFinalBackslashNamesADirectoryOnly) {
  Write(At("autoexec.cfg"), "exec");
  EXPECT_FALSE(files().CanOpenForRead(At("autoexec.cfg") + "\\").ok());
  EXPECT_FALSE(files().OpenWrite(At("new.cfg") + "\\").ok());
  EXPECT_EQ(files().CanOpenForRead(At("new.cfg")).number(), err::kFileNotFound);
  ASSERT_TRUE(files().MakeDirectory(At("demos") + "\\").ok());
  EXPECT_TRUE(files().DirectoryExists(At("demos")));
}

TEST_F(FilesContract, DoubledBackslashInsideAPathIsAccepted) {
  // A game directory written with a trailing backslash plus "\baseq3\..." gives this.
  ASSERT_TRUE(files().MakeDirectory(At("baseq3")).ok());
  Write(scratch() + "\\\\baseq3\\pak0.pk3", "pak");
  EXPECT_EQ(Read(At("baseq3\\pak0.pk3")), "pak");
  EXPECT_TRUE(files().CanOpenForRead(scratch() + "\\\\baseq3\\\\pak0.pk3").ok());
  auto names = files().List(At("baseq3") + "\\", "*.pk3");
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(names.value(), Names{"pak0.pk3"});
}

TEST_F(FilesContract, CopyReplacesTheDestinationAndKeepsTheSource) {
  Write(At("demo.dm_66"), "long demo bytes");
  Write(At("Kalvenmarque.dm_66"), "an older and much longer demo than the new one");
  ASSERT_TRUE(files().Copy(At("demo.dm_66"), At("kalvenmarque.DM_66")).ok());
  EXPECT_EQ(Read(At("Kalvenmarque.dm_66")), "long demo bytes");
  EXPECT_EQ(Read(At("demo.dm_66")), "long demo bytes");
  EXPECT_EQ(files().Copy(At("demo.dm_66"), At("nodir\\x.dm_66")).number(), err::kPathNotFound);
}

TEST_F(FilesContract, ListsFilesByPatternInNameOrderWithoutCase) {
  for (const char* name : {"v1_31.Vrk", "V1_17.vrk", "v1_27.VRK", "v1_30.vrk", "quake3.exe",
                           "Assocmend.EXE", "readme.txt", "DeIsL1.isu", "setup.ISU"})
    Write(At(name), name);
  ASSERT_TRUE(files().MakeDirectory(At("folder.vrk")).ok());

  auto vrk = files().List(scratch(), "*.Vrk");
  ASSERT_TRUE(vrk.ok());
  EXPECT_EQ(vrk.value(), (Names{"V1_17.vrk", "v1_27.VRK", "v1_30.vrk", "v1_31.Vrk"}));
  auto exe = files().List(scratch(), "*.exe");
  ASSERT_TRUE(exe.ok());
  EXPECT_EQ(exe.value(), (Names{"Assocmend.EXE", "quake3.exe"}));
  auto isu = files().List(scratch(), "*.isu");
  ASSERT_TRUE(isu.ok());
  EXPECT_EQ(isu.value(), (Names{"DeIsL1.isu", "setup.ISU"}));
  auto none = files().List(scratch(), "*.dm_68");
  ASSERT_TRUE(none.ok());
  EXPECT_TRUE(none.value().empty());
  auto one = files().List(scratch(), "v1_3?.vrk");
  ASSERT_TRUE(one.ok());
  EXPECT_EQ(one.value(), (Names{"v1_30.vrk", "v1_31.Vrk"}));
}

TEST_F(FilesContract, ListingAMissingDirectoryIsPathNotFound) {
  EXPECT_EQ(files().List(At("Versions"), "*.Vrk").failure().number, err::kPathNotFound);
  Write(At("file.txt"), "x");
  EXPECT_FALSE(files().List(At("file.txt"), "*").ok());
}

TEST_F(FilesContract, FullDirectoryPathHasNoTrailingBackslashExceptAtARoot) {
  ASSERT_TRUE(files().MakeDirectory(At("Demos")).ok());
  auto full = files().FullDirectoryPath(At("Demos") + "\\");
  ASSERT_TRUE(full.ok());
  EXPECT_EQ(full.value(), At("Demos"));
  full = files().FullDirectoryPath(scratch() + "\\\\Demos");
  ASSERT_TRUE(full.ok());
  EXPECT_EQ(full.value(), At("Demos"));
  auto root = files().FullDirectoryPath("C:\\");
  ASSERT_TRUE(root.ok());
  EXPECT_EQ(root.value(), "C:\\");
  EXPECT_EQ(files().FullDirectoryPath(At("Missing")).failure().number, err::kPathNotFound);
}

}  // namespace
}  // namespace kalv::contract
