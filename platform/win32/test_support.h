// Helpers for tests that run against the real Windows backend (contract and backend
// tests): scratch folders, another program's exclusive hold on a file, clean-up.
#pragma once

#include <cstdint>
#include <string>

#include "platform/registry.h"

namespace kalv::win32 {

// Holds a file open as another program can, until destroyed. Exclusive: reading and
// writing, sharing nothing. Reading: reading, sharing reading and writing but not
// deletion, as a game playing a demo holds it.
class FileHold {
 public:
  enum Mode { Exclusive, Reading };
  FileHold(const std::string& path, Mode mode);
  ~FileHold();
  FileHold(const FileHold&) = delete;
  FileHold& operator=(const FileHold&) = delete;
  bool held() const { return handle_ != nullptr; }

 private:
  void* handle_ = nullptr;
};

// The user's temporary folder, without a trailing backslash.
std::string TemporaryDirectory();
// A new empty folder below the temporary folder (or below parent), unique to this process
// and call; "" when it cannot be made.
std::string MakeScratchDirectory(const std::string& prefix);
std::string MakeScratchDirectoryIn(const std::string& parent, const std::string& prefix);
// Deletes a folder and everything below it, read-only files included.
void RemoveTree(const std::string& dir);
// Deletes a registry key and everything below it (test clean-up only).
void RemoveRegistryTree(RegRoot root, const std::string& path);
// The full path of the running program's file.
std::string RunningProgramPath();
std::uint32_t CurrentProcessId();
// Writes a file with the given bytes (set-up without going through the backend).
bool WriteTestFile(const std::string& path, const std::string& bytes);
// Copies a file, replacing the destination (set-up without going through the backend).
bool CopyTestFile(const std::string& from, const std::string& to);
// The 8.3 short form of an existing path; "" when the file system keeps none.
std::string ShortPath(const std::string& path);
// A variable of the process's environment; "" when it is not set.
std::string EnvironmentVariable(const std::string& name);
// The bytes of file data the drive of an existing folder still has room for.
std::uint64_t FreeBytes(const std::string& folder);
// The process's current directory, and setting it (false when it cannot be set).
std::string CurrentDirectory();
bool SetCurrentDirectoryTo(const std::string& dir);
// The directory a drive other than the current one starts "X:name" from (the "=X:"
// variable a command shell keeps); "" forgets it.
void SetDriveDirectory(const std::string& drive, const std::string& dir);
// The same path through Wine's Z: drive, which maps the Unix root: another route to the
// same file. "" when not running under Wine.
std::string UnixDriveRoute(const std::string& path);

}  // namespace kalv::win32
