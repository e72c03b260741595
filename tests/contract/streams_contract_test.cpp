// Streams that write for others to read: a flushed one, and one that appends to a log.
#include <string>

#include "tests/contract/contract_fixture.h"

namespace kalv::contract {
namespace {

class StreamsContract : public ContractTest {};

// What a flushed stream wrote is the file's, for anyone who reads it while it is still
// open. Only a stream that writes can be flushed.
TEST_F(StreamsContract, AFlushedStreamsBytesAreTheFilesWhileItIsStillOpen) {
  const std::string path = At("Quake3.exe.tmp");
  auto out = files().OpenWrite(path);
  ASSERT_TRUE(out.ok()) << out.failure().number;
  ASSERT_TRUE(out.value()->Write("release ").ok());
  ASSERT_TRUE(out.value()->Write("1.27h").ok());
  EXPECT_TRUE(out.value()->Flush().ok());
  EXPECT_EQ(Read(path), "release 1.27h");
  EXPECT_EQ(files().Length(path).value_or(0), 13u);
  ASSERT_TRUE(out.value()->Write("!").ok());
  EXPECT_TRUE(out.value()->Flush().ok());
  EXPECT_EQ(Read(path), "release 1.27h!");

  auto in = files().OpenRead(path);
  ASSERT_TRUE(in.ok());
  EXPECT_EQ(in.value()->Flush().number(), err::kPathFileAccess);
}

// A reader reads from where it was sent: an archive's directory at the end of a file is
// read without reading the rest; past the end there is nothing more to read.
TEST_F(StreamsContract, AReaderReadsFromWhereItIsSent) {
  const std::string path = At("pak0.pk3");
  Write(path, "local file data...central directory");
  auto in = files().OpenRead(path);
  ASSERT_TRUE(in.ok());
  ASSERT_TRUE(in.value()->Seek(18).ok());
  EXPECT_EQ(in.value()->Read(7).value_or("?"), "central");
  ASSERT_TRUE(in.value()->Seek(0).ok());
  EXPECT_EQ(in.value()->Read(5).value_or("?"), "local");
  ASSERT_TRUE(in.value()->Seek(1000).ok());
  EXPECT_EQ(in.value()->Read(4).value_or("?"), "");
}

// An append starts at the end of what is there; others may read the file while it is
// open, and another program may hold it for reading, but a second writer is refused.
TEST_F(StreamsContract, AnAppendWritesAtTheEndAndOthersMayReadMeanwhile) {
  const std::string log = At("Kalvenmarque.log");
  Write(log, "line 1\n");
  {
    auto append = files().OpenAppend(log);
    ASSERT_TRUE(append.ok()) << append.failure().number;
    ASSERT_TRUE(append.value()->Write("line 2\n").ok());
    EXPECT_EQ(Read(log), "line 1\nline 2\n");
    EXPECT_EQ(append.value()->Length().value_or(0), 14u);
    backend().HoldOpen(log, ContractBackend::Hold::Reading);
    ASSERT_TRUE(append.value()->Write("line 3\n").ok());
    EXPECT_EQ(files().OpenWrite(log).failure().number, err::kPermissionDenied);
    EXPECT_EQ(files().OpenAppend(log).failure().number, err::kPermissionDenied);
    backend().ReleaseAll();
  }
  EXPECT_EQ(Read(log), "line 1\nline 2\nline 3\n");
  {
    auto again = files().OpenAppend(log);
    ASSERT_TRUE(again.ok());
    ASSERT_TRUE(again.value()->Write("line 4\n").ok());
  }
  EXPECT_EQ(Read(log), "line 1\nline 2\nline 3\nline 4\n");

  // A missing file is made; a missing folder and a read-only file are refused.
  {
    auto fresh = files().OpenAppend(At("new.log"));
    ASSERT_TRUE(fresh.ok());
    EXPECT_EQ(fresh.value()->Length().value_or(99), 0u);
    ASSERT_TRUE(fresh.value()->Write("first").ok());
  }
  EXPECT_EQ(Read(At("new.log")), "first");
  EXPECT_EQ(files().OpenAppend(At("nodir\\x.log")).failure().number, err::kPathNotFound);
  ASSERT_TRUE(files().SetAttributes(log, attr::kReadOnly).ok());
  EXPECT_EQ(files().OpenAppend(log).failure().number, err::kPathFileAccess);
  ASSERT_TRUE(files().SetAttributes(log, attr::kNormal).ok());
}

}  // namespace
}  // namespace kalv::contract
