// Facts about the running program and the machine, and ending the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/failure.h"

namespace kalv {

// GetDriveType codes.
namespace drive {
constexpr int kUnknown = 0;
constexpr int kNoRootDir = 1;
constexpr int kRemovable = 2;
constexpr int kFixed = 3;
constexpr int kRemote = 4;
constexpr int kCdRom = 5;
constexpr int kRamDisk = 6;
}  // namespace drive

// A moment of the local wall clock.
struct LocalTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// The two 32-bit halves of an executable's fixed file version.
struct FixedFileVersion {
  std::uint32_t fileVersionMS = 0;
  std::uint32_t fileVersionLS = 0;
};

class System {
 public:
  virtual ~System() = default;
  // The command line after the program's own name, as the program was given it.
  virtual std::string CommandLine() = 0;
  // The directory holding the running program, without a trailing backslash.
  virtual std::string ProgramDirectory() = 0;
  // The running program's own file, its full path.
  virtual std::string ProgramFile() = 0;
  virtual Result<std::string> UserName() = 0;
  // root is a drive root such as "E:\"; the result is a GetDriveType code.
  virtual int DriveType(const std::string& root) = 0;
  virtual Result<std::string> WindowsDirectory() = 0;
  // The user's local application data folder ("C:\Users\<name>\AppData\Local"), without a
  // trailing backslash.
  virtual Result<std::string> LocalAppDataDirectory() = 0;
  virtual LocalTime Now() = 0;
  // A file stamp's write time (FileStamp::written) in the user's time zone.
  virtual LocalTime LocalTimeOf(std::uint64_t written) = 0;
  // The fixed version record of a file's version resource; nothing when the file has no
  // version resource or cannot be read.
  virtual std::optional<FixedFileVersion> FileVersion(const std::string& path) = 0;
  // True when another instance of this program (same program name) is running.
  virtual bool AnotherInstanceRunning() = 0;
  // True when a program of the system with this file name ("kalvq2_sub.exe") is running,
  // told by its single-instance object.
  virtual bool ProgramRunning(const std::string& fileName) = 0;
  // A row of this program's string table; nothing when the id has no row.
  virtual std::optional<std::string> LoadString(int id) = 0;
  // Tells Explorer that file associations changed.
  virtual void NotifyAssociationsChanged() = 0;
  // Ends the program at once with the exit code; windows are discarded without their
  // close handling. A program ends with a non-zero code after it reported a failure.
  [[noreturn]] virtual void EndProgram(int exitCode) = 0;
};

}  // namespace kalv
