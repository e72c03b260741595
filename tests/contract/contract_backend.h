// One backend under the platform contract: the in-memory one on the host, the Win32 one
// under Windows. Each test build provides MakeContractBackend for its backend.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/platform.h"

namespace kalv::contract {

class ContractBackend {
 public:
  virtual ~ContractBackend() = default;
  virtual Platform& platform() = 0;
  // An empty directory that belongs to the running test (a Windows path, no trailing
  // backslash).
  virtual std::string Scratch() = 0;
  // How another program holds a file open. Exclusive: reading and writing, sharing
  // nothing. Reading: reading, sharing reading and writing but not deletion (a game
  // playing a demo).
  enum class Hold { Exclusive, Reading };
  // Another program opens path and keeps it open.
  virtual void HoldOpen(const std::string& path, Hold hold = Hold::Exclusive) = 0;
  // Closes everything HoldOpen opened.
  virtual void ReleaseAll() = 0;

  // Makes dir the process's current directory until the backend goes.
  virtual void SetCurrentDirectory(const std::string& dir) = 0;
  // Makes dir the directory drive ("Z:"), not the current one, starts "Z:name" from.
  virtual void SetDriveDirectory(const std::string& drive, const std::string& dir) = 0;
  // The same file or directory through another drive letter that reaches its folder.
  virtual std::string OtherRouteTo(const std::string& path) = 0;

  // A program to start that ends by itself with exitCode soon after it starts.
  struct ChildProgram {
    std::string executable;
    std::string commandLine;
  };
  virtual ChildProgram ChildEndingWith(std::uint32_t exitCode) = 0;
  // Puts a program file at executable (a new file in an existing folder) that, started
  // with the returned command line, runs until the file flag exists, then ends with 3.
  virtual ChildProgram ChildWaitingFor(const std::string& executable, const std::string& flag) = 0;

  // The 8.3 short name of an existing path; "" where the file system keeps none.
  virtual std::string ShortNameOf(const std::string& path) = 0;

  // An empty folder on a drive of its own that has room for only freeBytes more bytes
  // of file data, so that a write can fill it up; an empty folder name when the backend
  // has no such drive.
  struct SmallDrive {
    std::string folder;
    std::uint64_t freeBytes = 0;
  };
  virtual SmallDrive FolderOnASmallDrive() = 0;
};

}  // namespace kalv::contract

std::unique_ptr<kalv::contract::ContractBackend> MakeContractBackend();
