// Copying a demo while the splash window's progress bar shows how far it got.
#pragma once

#include <cstdint>
#include <string>

#include "launcher/base/program.h"

namespace kalv {

// Replaces destination by a copy of source in 2048-byte blocks while the splash progress
// bar advances, and returns the source's size. A missing source raises 53; a copy that
// stops growing removes the partial destination and raises the failure that stopped it.
// A destination that is the source itself (in another spelling, or by another route) is
// left as it is and counts as copied.
std::uint64_t CopyFileWithProgress(Program& program, const std::string& source,
                                   const std::string& destination);

}  // namespace kalv
