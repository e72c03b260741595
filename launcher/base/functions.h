// Functions: the helpers every game uses — copying a demo while the splash window shows
// progress, testing for a file, reading an
// executable's version and fetching a text from the string table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "launcher/base/program.h"

namespace kalv {

// True when the file can be opened for reading (false for a locked file or a directory).
bool FileExists(Program& program, const std::string& path);

// The string-table row id; "" when the id is not a 16-bit id or has no row.
std::string LoadText(Program& program, int id);

// The current language's row of an English row: englishId + step × language index
// (step 1 for most messages, 2 or 3 for rows laid out in pairs or triples, 100 for window
// captions). Nothing for a language index outside 0 to 2: then no text is set or shown.
std::optional<std::string> Localized(Program& program, int englishId, int step = 1);

// Replaces destination by a copy of source in 2048-byte blocks while the splash progress
// bar advances, and returns the source's size. A missing source raises 53; a copy that
// stops growing removes the partial destination and raises the failure that stopped it.
// A destination that is the source itself (in another spelling, or by another route) is
// left as it is and counts as copied.
std::uint64_t CopyFileWithProgress(Program& program, const std::string& source,
                                   const std::string& destination);

// The file version as major.minor.build.revision ("0.0.0.0" without version resource).
std::string GetFileVersionText(Program& program, const std::string& path);

}  // namespace kalv
