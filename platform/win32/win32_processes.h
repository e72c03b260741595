// Processes and the message loop of the one UI thread.
#pragma once

#include "platform/processes.h"

namespace kalv::win32 {

class Win32Processes : public Processes {
 public:
  Result<std::unique_ptr<ProcessWatch>> Start(const std::string& executable,
                                              const std::string& commandLine, ShowMode show,
                                              const std::string& workingDir) override;
  Result<std::unique_ptr<HeldProcess>> Hold(const std::string& executable,
                                            const std::string& commandLine, ShowMode show,
                                            const std::string& workingDir) override;
  Status ShellOpen(const std::string& file, const std::string& parameters,
                   const std::string& workingDir, ShowMode show) override;
  void PumpMessages() override;
  void RunMessageLoop() override;
  void Sleep(unsigned milliseconds) override;
  std::uint64_t Milliseconds() override;
  void WaitForEndOrMessage(ProcessWatch* watch, unsigned milliseconds) override;
  bool IsRunning(ProcessId id, const std::string& executable) override;
  ProcessId OwnId() override;

 private:
  bool quitPutBack_ = false;  // a quit request waits for the message loop
};

// The ShowWindow code of a show mode.
int ShowCommand(ShowMode show);

}  // namespace kalv::win32
