#include "platform/fake/fake_paths.h"

#include <cctype>

#include "platform/failure.h"

namespace kalv::fake {

namespace {
// Windows' limits: MAX_PATH less the terminator, and one name of a file system entry.
constexpr std::size_t kMaxPathChars = 259;
constexpr std::size_t kMaxNameChars = 255;

bool BadNameChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u < 32) return true;
  switch (c) {
    case '<': case '>': case ':': case '"': case '|': case '?': case '*': return true;
    default: return false;
  }
}
}  // namespace

std::string LowerAscii(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string DriveOfKey(const std::string& key) { return key.substr(0, 2); }

std::string ParsedPath::parentKey() const {
  const auto slash = key.rfind('\\');
  return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

// Windows accepts '/' as a separator, ignores doubled and trailing separators, folds
// "." and "..", and drops trailing dots and blanks of a name; the fake does the same so
// that a game directory written with a trailing backslash still reaches its files.
ParsedPath ParseWindowsPath(const std::string& path) {
  ParsedPath out;
  if (path.empty()) {
    out.failure = err::kPathNotFound;
    return out;
  }
  std::string text = path;
  for (char& c : text)
    if (c == '/') c = '\\';
  if (text.size() >= 2 && text[0] == '\\' && text[1] == '\\') {
    out.failure = err::kPathNotFound;  // no network in the fake
    return out;
  }
  std::string rest = text;
  std::string drive = "C:";
  if (text.size() >= 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0]))) {
    drive = std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])))) + ":";
    rest = text.substr(2);
  }
  if (text.size() > kMaxPathChars) {
    out.failure = err::kPathNotFound;
    return out;
  }
  out.parts.push_back(drive);
  std::size_t start = 0;
  while (start <= rest.size()) {
    std::size_t end = rest.find('\\', start);
    if (end == std::string::npos) end = rest.size();
    std::string name = rest.substr(start, end - start);
    start = end + 1;
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      if (out.parts.size() > 1) out.parts.pop_back();
      continue;
    }
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    if (name.empty()) continue;
    if (name.size() > kMaxNameChars) {
      out.failure = err::kBadFileName;
      return out;
    }
    for (char c : name)
      if (BadNameChar(c)) {
        out.failure = err::kBadFileName;
        return out;
      }
    out.parts.push_back(name);
  }
  out.trailingSeparator = out.parts.size() > 1 && !rest.empty() && rest.back() == '\\';
  std::string key;
  for (std::size_t i = 0; i < out.parts.size(); ++i) {
    if (i) key += '\\';
    key += LowerAscii(out.parts[i]);
  }
  out.key = key;
  return out;
}

}  // namespace kalv::fake
