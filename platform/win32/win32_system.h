// Facts about the running program and the machine, through the Windows API.
#pragma once

#include "platform/system.h"

namespace kalv::win32 {

class Win32System : public System {
 public:
  Win32System() = default;
  ~Win32System() override;
  Win32System(const Win32System&) = delete;
  Win32System& operator=(const Win32System&) = delete;

  std::string CommandLine() override;
  std::string ProgramDirectory() override;
  std::string ProgramFile() override;
  Result<std::string> UserName() override;
  int DriveType(const std::string& root) override;
  Result<std::string> WindowsDirectory() override;
  Result<std::string> LocalAppDataDirectory() override;
  LocalTime Now() override;
  LocalTime LocalTimeOf(std::uint64_t written) override;
  std::optional<FixedFileVersion> FileVersion(const std::string& path) override;
  bool AnotherInstanceRunning() override;
  bool ProgramRunning(const std::string& fileName) override;
  std::optional<std::string> LoadString(int id) override;
  void NotifyAssociationsChanged() override;
  [[noreturn]] void EndProgram(int exitCode) override;

 private:
  void* instanceMutex_ = nullptr;
  bool anotherInstance_ = false;
};

// The full path of the running program's file.
std::wstring ProgramFilePath();
// The name of the mutex that marks a running instance of the program file fileName.
std::wstring InstanceMutexName(const std::wstring& fileName);

}  // namespace kalv::win32
