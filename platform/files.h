// What the programs need from the file system. Paths are UTF-8 Windows paths
// ("C:\Games\Quake3\baseq3\pak0.pk3"); names compare without regard to case.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/failure.h"

namespace kalv {

namespace attr {
constexpr std::uint32_t kNormal = 0x00;
constexpr std::uint32_t kReadOnly = 0x01;
constexpr std::uint32_t kHidden = 0x02;
constexpr std::uint32_t kSystem = 0x04;
constexpr std::uint32_t kDirectory = 0x10;
constexpr std::uint32_t kArchive = 0x20;
// What SetAttributes can give a file (read-only, hidden, system, archive, normal,
// temporary, offline, not indexed); a file may report more.
constexpr std::uint32_t kSettable = 0x31A7;
}  // namespace attr

// An open file with one position that advances with every read and write.
class FileStream {
 public:
  virtual ~FileStream() = default;
  // Reads up to count bytes from the current position; fewer at the end of the file.
  virtual Result<std::string> Read(std::size_t count) = 0;
  // Writes all bytes at the current position; a short write is a failure (61 when the disk is
  // full), and the part that fit may be in the file already.
  virtual Status Write(const std::string& bytes) = 0;
  virtual Result<std::uint64_t> Length() = 0;
  // Moves the position to offset bytes from the start; past the end a read gives nothing.
  virtual Status Seek(std::uint64_t offset) = 0;
  // Makes what was written reach the disk before the call returns, so that a later change
  // never reaches it first. A stream opened for reading has nothing to flush (75).
  virtual Status Flush() = 0;
};

// What changes whenever a file's contents may have: its length and its last write time
// (in the file system's own units; a copy keeps its source's, as Windows' copy does).
struct FileStamp {
  std::uint64_t length = 0;
  std::uint64_t written = 0;
  bool operator==(const FileStamp& o) const { return length == o.length && written == o.written; }
  bool operator!=(const FileStamp& o) const { return !(*this == o); }
};

class Files {
 public:
  virtual ~Files() = default;

  // Opens the file for reading and closes it again: fails for a missing file, a
  // directory, or a file another program holds open exclusively.
  virtual Status CanOpenForRead(const std::string& path) = 0;
  virtual Result<std::unique_ptr<FileStream>> OpenRead(const std::string& path) = 0;
  // Binary access for writing: opens an existing file at position 0, or creates it empty.
  virtual Result<std::unique_ptr<FileStream>> OpenWrite(const std::string& path) = 0;
  // Opens an existing file for writing at its end, or creates it empty; others may read it
  // meanwhile.
  virtual Result<std::unique_ptr<FileStream>> OpenAppend(const std::string& path) = 0;

  virtual Result<std::uint64_t> Length(const std::string& path) = 0;
  // The file's stamp; fails as Length does (a directory is not a file).
  virtual Result<FileStamp> Stamp(const std::string& path) = 0;
  virtual Result<std::uint32_t> GetAttributes(const std::string& path) = 0;
  virtual Status SetAttributes(const std::string& path, std::uint32_t attributes) = 0;

  // Copies a file, replacing the destination (a read-only destination refuses). A copy that
  // fails part-way (61 when the disk fills up) has already emptied or replaced the
  // destination: what is left is no file, or a first part of the source.
  virtual Status Copy(const std::string& from, const std::string& to) = 0;
  // Renames a file; fails with 58 when the new name is taken.
  virtual Status Rename(const std::string& from, const std::string& to) = 0;
  // Moves the file from onto to in one step, replacing to, and returns once the move is on
  // the disk: afterwards to is either the old file or the new one, never a part of either.
  // A read-only destination, or one another program (or this one) has open or runs, refuses
  // (70); so does a folder in the way (75), and a file from another drive (75), which could
  // not be moved in one step.
  virtual Status Replace(const std::string& from, const std::string& to) = 0;
  virtual Status Delete(const std::string& path) = 0;
  virtual Status MakeDirectory(const std::string& path) = 0;
  virtual bool DirectoryExists(const std::string& path) = 0;
  // Whether both paths name one existing file, by the file's identity rather than its
  // spelling: another case, "..", a short name, a mapped drive or a hard link reach the
  // same file. A missing file, or a directory, is never the same as anything.
  virtual bool SameFile(const std::string& a, const std::string& b) = 0;

  // The names (no directory) of the files in dir matching a wildcard pattern
  // ("*.Vrk"), in name order without regard to case. A missing directory is 76.
  virtual Result<std::vector<std::string>> List(const std::string& dir,
                                                const std::string& pattern) = 0;
  // The names of the folders in dir, in name order without regard to case ("." and ".."
  // are none). A missing directory is 76.
  virtual Result<std::vector<std::string>> ListFolders(const std::string& dir) = 0;
  // The full path of an existing directory as a file list reports it; a drive root
  // keeps its backslash ("C:\"), any other directory has none. Missing: 76.
  virtual Result<std::string> FullDirectoryPath(const std::string& dir) = 0;
};

// Whole-file helpers on top of the interface.
Result<std::string> ReadWholeFile(Files& files, const std::string& path);
Status WriteWholeFile(Files& files, const std::string& path, const std::string& bytes);
// Copies a file and returns once the copy is on the disk; the copy's attributes are normal.
Status CopyFlushed(Files& files, const std::string& from, const std::string& to);
// Whether two files hold the same bytes, compared a chunk at a time so that neither is
// held whole in memory; the failure of a file that cannot be read.
Result<bool> SameContents(Files& files, const std::string& a, const std::string& b);

// Windows wildcard match ('*' and '?'), without regard to ASCII case.
bool MatchesPattern(const std::string& name, const std::string& pattern);
// Case-insensitive (ASCII) comparison helpers used for Windows names.
bool EqualsNoCase(const std::string& a, const std::string& b);
bool LessNoCase(const std::string& a, const std::string& b);
// The text with its ASCII capitals made small; other bytes stay as they are.
std::string AsciiLower(std::string text);
// The parts of a text between the separators: one more part than there are separators.
std::vector<std::string> SplitText(const std::string& text, char by);

}  // namespace kalv
