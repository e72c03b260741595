#include "platform/fake/fake_paths.h"

#include <cctype>

#include "platform/failure.h"
#include "platform/utf16.h"

namespace kalv::fake {

namespace {
// Windows' limits in UTF-16 units: MAX_PATH less the terminator for the full path, and
// one name of a file system entry.
constexpr std::size_t kMaxPathChars = 259;
constexpr std::size_t kMaxNameChars = 255;

bool BadNameChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u < 32) return true;
  switch (c) {
    case '<':
    case '>':
    case ':':
    case '"':
    case '|':
    case '?':
    case '*': return true;
    default: return false;
  }
}

bool HasDrive(const std::string& text) {
  return text.size() >= 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0]));
}

std::string DriveOf(const std::string& text) {
  return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])))) + ":";
}

// The directory "X:name" starts from: the current directory on its own drive, else the
// drive's remembered directory, else its root.
std::string DirectoryOfDrive(const std::string& drive, const PathContext& context) {
  if (HasDrive(context.currentDirectory) && DriveOf(context.currentDirectory) == drive)
    return context.currentDirectory;
  auto it = context.driveDirectories.find(drive);
  return it == context.driveDirectories.end() ? drive + "\\" : it->second;
}

// The absolute spelling of a path: "X:name", "\name" and "name" are resolved.
std::string Absolute(const std::string& text, const PathContext& context) {
  if (HasDrive(text)) {
    const std::string drive = DriveOf(text);
    const std::string rest = text.substr(2);
    if (!rest.empty() && rest[0] == '\\') return drive + rest;
    return DirectoryOfDrive(drive, context) + "\\" + rest;
  }
  if (!text.empty() && text[0] == '\\') return DriveOf(context.currentDirectory) + text;
  return context.currentDirectory + "\\" + text;
}
}  // namespace

namespace {
// The small letter of a capital in the two-byte range of UTF-8 (Latin, Greek, Cyrillic),
// pairing letters as Windows' upper-case table does; any other code point is its own.
char32_t LowerLetter(char32_t c) {
  auto pair = [c](char32_t first, char32_t last, char32_t parity) {
    return c >= first && c <= last && (c & 1) == parity;
  };
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
      (c >= 0x410 && c <= 0x42F))
    return c + 0x20;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  if (pair(0x100, 0x12F, 0) || pair(0x132, 0x137, 0) || pair(0x139, 0x148, 1) ||
      pair(0x14A, 0x177, 0) || pair(0x179, 0x17E, 1) || pair(0x460, 0x481, 0) ||
      pair(0x48A, 0x4BF, 0) || pair(0x4C1, 0x4CE, 1) || pair(0x4D0, 0x4FF, 0))
    return c + 1;
  switch (c) {
    case 0xB5: return 0x3BC;   // micro sign, as Greek mu
    case 0x178: return 0xFF;   // Y with diaeresis
    case 0x386: return 0x3AC;  // Greek capitals with tonos
    case 0x388:
    case 0x389:
    case 0x38A: return c + 0x25;
    case 0x38C: return 0x3CC;
    case 0x38E:
    case 0x38F: return c + 0x3F;
    case 0x3C2: return 0x3C3;  // final sigma, one letter with sigma
    default: return c;
  }
}
}  // namespace

// Two-byte sequences are decoded, folded and encoded again; every folded letter stays in
// that range, so the text keeps its length and the rest passes through unchanged.
std::string FoldCase(std::string text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      text[i] = static_cast<char>(std::tolower(lead));
      continue;
    }
    if ((lead & 0xE0) != 0xC0 || i + 1 >= text.size()) continue;
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if ((trail & 0xC0) != 0x80) continue;
    const char32_t lower =
        LowerLetter(static_cast<char32_t>(((lead & 0x1F) << 6) | (trail & 0x3F)));
    text[i] = static_cast<char>(0xC0 | (lower >> 6));
    text[i + 1] = static_cast<char>(0x80 | (lower & 0x3F));
    ++i;
  }
  return text;
}

std::string DriveOfKey(const std::string& key) { return key.substr(0, 2); }

std::string ParsedPath::parentKey() const {
  const auto slash = key.rfind('\\');
  return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

std::string ParsedPath::full() const {
  std::string text = parts[0];
  for (std::size_t i = 1; i < parts.size(); ++i) text += "\\" + parts[i];
  return root() ? text + "\\" : text;
}

// Windows accepts '/' as a separator, ignores doubled and trailing separators, folds
// "." and "..", and drops trailing dots and blanks of a name; the fake does the same so
// that a game directory written with a trailing backslash still reaches its files. The
// length limit applies to the resolved path, counted in UTF-16 units as Windows counts.
ParsedPath ParseWindowsPath(const std::string& path, const PathContext& context) {
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
  const std::string absolute = Absolute(text, context);
  const std::string rest = absolute.substr(2);
  out.parts.push_back(DriveOf(absolute));
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
    if (!name.empty()) out.parts.push_back(name);
  }
  if (Utf16Length(out.full()) > kMaxPathChars) {
    out.failure = err::kPathNotFound;
    return out;
  }
  for (std::size_t i = 1; i < out.parts.size(); ++i) {
    const std::string& name = out.parts[i];
    if (Utf16Length(name) > kMaxNameChars) {
      out.failure = err::kBadFileName;
      return out;
    }
    for (char c : name)
      if (BadNameChar(c)) {
        out.failure = err::kBadFileName;
        return out;
      }
  }
  out.trailingSeparator = out.parts.size() > 1 && !text.empty() && text.back() == '\\';
  auto mapped = context.mappedDrives.find(out.parts[0]);
  if (mapped != context.mappedDrives.end()) out.mappedOnto = mapped->second;
  std::string key = FoldCase(out.mappedOnto.empty() ? out.parts[0] : out.mappedOnto);
  for (std::size_t i = 1; i < out.parts.size(); ++i) key += "\\" + FoldCase(out.parts[i]);
  out.key = key;
  return out;
}

}  // namespace kalv::fake
