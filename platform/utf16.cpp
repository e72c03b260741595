#include "platform/utf16.h"

namespace kalv {

namespace {
constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

bool Continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

std::size_t SequenceBytes(unsigned char lead) {
  if (lead >= 0xC0 && lead < 0xE0) return 2;
  if (lead >= 0xE0 && lead < 0xF0) return 3;
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  return 1;  // ASCII, or a byte that starts no character
}

// The bytes of the character at text[at] and its UTF-16 units; an invalid sequence is
// one byte and one unit.
void Measure(const std::string& text, std::size_t at, std::size_t& bytes, std::size_t& units) {
  bytes = SequenceBytes(static_cast<unsigned char>(text[at]));
  for (std::size_t i = 1; i < bytes; ++i)
    if (at + i >= text.size() || !Continuation(static_cast<unsigned char>(text[at + i]))) {
      bytes = 1;
      break;
    }
  units = bytes == 4 ? 2 : 1;
}
}  // namespace

std::size_t Utf16Length(const std::string& utf8) {
  std::size_t total = 0;
  for (std::size_t at = 0, bytes = 0, units = 0; at < utf8.size(); at += bytes) {
    Measure(utf8, at, bytes, units);
    total += units;
  }
  return total;
}

std::string CutToUtf16Units(const std::string& utf8, std::size_t units) {
  std::size_t used = 0;
  for (std::size_t at = 0, bytes = 0, n = 0; at < utf8.size(); at += bytes) {
    Measure(utf8, at, bytes, n);
    if (used + n > units)
      return used < units ? utf8.substr(0, at) + kReplacement : utf8.substr(0, at);
    used += n;
  }
  return utf8;
}

}  // namespace kalv
