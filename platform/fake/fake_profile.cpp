#include "platform/fake/fake_platform.h"

namespace kalv::fake {

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
// embedded NUL (garbage files), then cut to the buffer.
std::string Deliver(std::string value, std::size_t bufferChars) {
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
    value = value.substr(1, value.size() - 2);
  const auto nul = value.find('\0');
  if (nul != std::string::npos) value.resize(nul);
  if (bufferChars == 0) return std::string();
  if (value.size() > bufferChars - 1) value.resize(bufferChars - 1);
  return value;
}

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  // A UTF-8 byte order mark is not part of the first line.
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;
  std::size_t i = start;
  for (; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' || bytes[i] == '\r') {
      lines.push_back(bytes.substr(start, i - start));
      start = i + 1;
    }
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}
}  // namespace

// Only the first section of a name is searched and the first key of a name wins; a key
// line without '=' has no value and reads as the default, as the Windows reader does.
// A file that cannot be opened (missing, a directory, held open) reads as missing.
std::string FakeProfile::ReadString(const std::string& path, const std::string& section,
                                    const std::string& key, const std::string& fallback,
                                    std::size_t bufferChars) {
  std::string def = fallback;
  while (!def.empty() && def.back() == ' ') def.pop_back();
  const std::string missing = Deliver(def, bufferChars);
  if (!files_.CanOpenForRead(path).ok()) return missing;
  const auto bytes = files_.Contents(path);
  if (!bytes) return missing;

  bool inSection = false;
  bool sectionSeen = false;
  for (const std::string& raw : Lines(*bytes)) {
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

}  // namespace kalv::fake
