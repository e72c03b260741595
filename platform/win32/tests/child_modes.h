// The test program doubles as the child process the process tests start: with one of
// these switches, it does that one thing and exits.
#pragma once

#include <string>

namespace kalv::win32::testing {

// --child-log FILE: writes its own path, working directory and command line to FILE.
// --child-exit N: exits with N.
// --child-sleep MS: exits with 0 after MS milliseconds.
// --child-wait FILE: exits with 3 once FILE exists (or after 20 s with 4).
// --child-instance FILE: writes 1 to FILE when another copy of itself runs, else 0.
// Returns -1 when the arguments name no child mode.
int RunChildMode(int argc, char** argv);

// Reads a whole file, "" when it cannot be read.
std::string ReadText(const std::string& path);

}  // namespace kalv::win32::testing
