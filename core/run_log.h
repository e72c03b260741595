// A trace of every run, for a user whose installation did not come back and for whoever
// helps them: the demo and what it was matched to, the steps, the game's start and end,
// the undo, each failure with its number. One line per event with a time stamp, in
// %LOCALAPPDATA%\Kalvenmarque\Kalvenmarque.log; the player and the Quake 2 companion
// share it. Writing never fails a run: a log that cannot be written is left as it is.
#pragma once

#include <cstdint>
#include <string>

#include "platform/files.h"
#include "platform/system.h"

namespace kalv {

// Past this size the older half of the log is dropped before the next line goes in.
constexpr std::uint64_t kRunLogLimitBytes = 256 * 1024;

// The log's path; "" when the user's local application data folder is unknown.
std::string RunLogPath(System& system);

class RunLog {
 public:
  // program names the writer on every line ("player", "companion").
  RunLog(Files& files, System& system, std::string program);

  // Appends one line: the local time, the program and the event (line breaks in it
  // become " / ", so that every event stays one line).
  void Write(const std::string& event);

 private:
  void DropOlderHalf();

  Files& files_;
  System& system_;
  std::string program_;
  std::string path_;
};

}  // namespace kalv
