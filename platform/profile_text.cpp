#include "platform/profile_text.h"

#include "platform/files.h"
#include "platform/utf16.h"

namespace kalv {

namespace {

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string Trim(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && Blank(text[begin])) ++begin;
  while (end > begin && Blank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// The value as the reader hands it out: one pair of matching quotes removed, cut at an
// embedded NUL (garbage files), then cut to the buffer, which holds UTF-16 units.
std::string Deliver(std::string value, std::size_t bufferChars) {
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
    value = value.substr(1, value.size() - 2);
  const auto nul = value.find('\0');
  if (nul != std::string::npos) value.resize(nul);
  if (bufferChars == 0) return std::string();
  return CutToUtf16Units(value, bufferChars - 1);
}

// The characters of bytes 0x80 to 0x9F in code page 1252; the five it leaves unassigned
// stand for themselves, as Windows converts them. Bytes from 0xA0 up are U+00A0 up.
constexpr unsigned kCp1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The file's text as the wide reader sees it, in UTF-8: after a UTF-8 byte order mark
// the bytes are UTF-8 already (the mark is not part of the first line); without it each
// byte is one character of the ANSI code page, 1252 as on a Western system.
std::string DecodeFile(const std::string& bytes) {
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) return bytes.substr(3);
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    AppendUtf8(text, byte >= 0x80 && byte < 0xA0 ? kCp1252[byte - 0x80] : byte);
  }
  return text;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || text[i] == '\r') {
      lines.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace

std::string ProfileDefault(const std::string& fallback, std::size_t bufferChars) {
  std::string def = fallback;
  while (!def.empty() && def.back() == ' ') def.pop_back();
  return Deliver(def, bufferChars);
}

ProfileText::ProfileText(const std::string& bytes) : lines_(Lines(DecodeFile(bytes))) {}

// Only the first section of a name is searched and the first key of a name wins; a key
// line without '=' has no value and reads as the default, as the Windows reader does.
std::string ProfileText::Value(const std::string& section, const std::string& key,
                               const std::string& fallback, std::size_t bufferChars) const {
  const std::string missing = ProfileDefault(fallback, bufferChars);
  bool inSection = false;
  bool sectionSeen = false;
  for (const std::string& raw : lines_) {
    std::size_t first = 0;
    while (first < raw.size() && Blank(raw[first])) ++first;
    if (first == raw.size()) continue;
    const std::string line = raw.substr(first);
    if (line[0] == '[') {
      const auto close = line.rfind(']');
      if (close != std::string::npos) {
        if (inSection) return missing;  // left the first section of the name
        const std::string name = Trim(line.substr(1, close - 1));
        inSection = !sectionSeen && EqualsNoCase(name, section);
        sectionSeen = sectionSeen || inSection;
        continue;
      }
    }
    if (line[0] == ';' || !inSection) continue;
    const auto eq = line.find('=');
    const std::string name = Trim(eq == std::string::npos ? line : line.substr(0, eq));
    if (!EqualsNoCase(name, key)) continue;
    if (eq == std::string::npos) return missing;
    return Deliver(Trim(line.substr(eq + 1)), bufferChars);
  }
  return missing;
}

}  // namespace kalv
