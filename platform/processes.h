// Starting other programs, watching them, and the waits of the one UI thread.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/failure.h"

namespace kalv {

constexpr std::uint32_t kStillActive = 259;

enum class ShowMode { Normal, NormalFocus, MinimizedFocus, Hidden };

using ProcessId = std::uint32_t;

// A started process, watched through the handle its start gave; the handle closes with
// the object. While it is open the process's id cannot pass to another process.
class ProcessWatch {
 public:
  virtual ~ProcessWatch() = default;
  virtual ProcessId Id() const = 0;
  // Whether the process has ended, as the process itself says (its handle is
  // signalled). The exit code cannot tell: a program may end with kStillActive.
  virtual Result<bool> HasEnded() = 0;
  // kStillActive while the process runs; the program's own code once HasEnded says so.
  virtual Result<std::uint32_t> ExitCode() = 0;
};

// A process made ready to start: its program begins when it is released. One never
// released ends with this object, and with this program if it ends first.
class HeldProcess {
 public:
  virtual ~HeldProcess() = default;
  // At most once; after a failure nothing of the process is left.
  virtual Result<std::unique_ptr<ProcessWatch>> Release() = 0;
};

class Processes {
 public:
  virtual ~Processes() = default;
  // Starts executable with the full command-line text (which the program sees
  // unchanged). The executable is named explicitly, so no search of an unquoted path
  // ever starts another program. workingDir "" inherits the caller's. The watch holds the
  // handle the start gave: waiting on it never reaches a process that took over the id.
  virtual Result<std::unique_ptr<ProcessWatch>> Start(const std::string& executable,
                                                      const std::string& commandLine, ShowMode show,
                                                      const std::string& workingDir = "") = 0;
  // What Start does, with the program held until it is released: what the system spends
  // making a process can then fall in a wait the caller keeps anyway. Fails as Start would.
  virtual Result<std::unique_ptr<HeldProcess>> Hold(const std::string& executable,
                                                    const std::string& commandLine, ShowMode show,
                                                    const std::string& workingDir = "") = 0;
  // The shell's "open" operation on a file, document or address; parameters and
  // workingDir may be empty.
  virtual Status ShellOpen(const std::string& file, const std::string& parameters,
                           const std::string& workingDir, ShowMode show) = 0;
  // Handles the window messages that are waiting, then returns.
  virtual void PumpMessages() = 0;
  // Handles window messages until the program ends (the fake returns at once).
  virtual void RunMessageLoop() = 0;
  virtual void Sleep(unsigned milliseconds) = 0;
  // Milliseconds of a clock that only moves forward, counted from an arbitrary start: what
  // a step took, not the time of day.
  virtual std::uint64_t Milliseconds() = 0;
  // Returns when the watched process ends, a window message arrives, or milliseconds
  // have passed, whichever is first; without a watch, after milliseconds.
  virtual void WaitForEndOrMessage(ProcessWatch* watch, unsigned milliseconds) = 0;
  // True while the process with this id runs and its program is the file executable
  // names, whatever the spelling: another case, "/" or a doubled "\", "." and "..", a short
  // name or another drive letter reaching the same file. An id taken over by another
  // program is not the game that had it; a process that cannot be opened by its id is
  // not seen.
  virtual bool IsRunning(ProcessId id, const std::string& executable) = 0;
  // This program's own process; with System::ProgramFile it names this program to
  // IsRunning.
  virtual ProcessId OwnId() = 0;
};

// A hold that makes nothing until it is released, then starts as Start does: for a system
// that cannot hold a process, or a backend where making one costs nothing.
class StartOnRelease : public HeldProcess {
 public:
  StartOnRelease(Processes& processes, std::string executable, std::string commandLine,
                 ShowMode show, std::string workingDir);
  Result<std::unique_ptr<ProcessWatch>> Release() override;

 private:
  Processes& processes_;
  std::string executable_, commandLine_;
  ShowMode show_;
  std::string workingDir_;
};

}  // namespace kalv
