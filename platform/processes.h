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

// A process opened for querying; the handle closes with the object.
class ProcessWatch {
 public:
  virtual ~ProcessWatch() = default;
  // kStillActive while the process runs.
  virtual Result<std::uint32_t> ExitCode() = 0;
};

class Processes {
 public:
  virtual ~Processes() = default;
  // Starts executable with the full command-line text (which the program sees
  // unchanged). The executable is named explicitly, so no search of an unquoted path
  // ever starts another program. workingDir "" inherits the caller's.
  virtual Result<ProcessId> Start(const std::string& executable, const std::string& commandLine,
                                  ShowMode show, const std::string& workingDir = "") = 0;
  // Opens a process with query-information access only.
  virtual Result<std::unique_ptr<ProcessWatch>> OpenForQuery(ProcessId id) = 0;
  // The shell's "open" operation on a file, document or address; parameters and
  // workingDir may be empty.
  virtual Status ShellOpen(const std::string& file, const std::string& parameters,
                           const std::string& workingDir, ShowMode show) = 0;
  // Handles the window messages that are waiting, then returns.
  virtual void PumpMessages() = 0;
  // Handles window messages until the program ends (the fake returns at once).
  virtual void RunMessageLoop() = 0;
  virtual void Sleep(unsigned milliseconds) = 0;
};

}  // namespace kalv
