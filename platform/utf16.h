// Lengths as Windows counts them: UTF-8 text inside the programs, UTF-16 code units at
// the wide API, where path and buffer limits apply.
#pragma once

#include <cstddef>
#include <string>

namespace kalv {

// The UTF-16 code units of a UTF-8 text; a byte that starts no valid character counts
// as one unit, as the conversion turns it into U+FFFD.
std::size_t Utf16Length(const std::string& utf8);
// The longest start of utf8 that fits into units UTF-16 code units, as a wide buffer
// cuts it: a character whose two units are split keeps its first one, which reads
// back as U+FFFD.
std::string CutToUtf16Units(const std::string& utf8, std::size_t units);

}  // namespace kalv
