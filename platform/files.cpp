#include "platform/files.h"

#include <cctype>

namespace kalv {

namespace {
char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool Match(const char* name, const char* pattern) {
  // Iterative wildcard match with backtracking to the last '*'.
  const char* star = nullptr;
  const char* resume = nullptr;
  while (*name) {
    if (*pattern == '*') {
      star = pattern++;
      resume = name;
    } else if (*pattern == '?' || (*pattern && Lower(*pattern) == Lower(*name))) {
      ++pattern;
      ++name;
    } else if (star) {
      pattern = star + 1;
      name = ++resume;
    } else {
      return false;
    }
  }
  while (*pattern == '*') ++pattern;
  return *pattern == '\0';
}
}  // namespace

bool MatchesPattern(const std::string& name, const std::string& pattern) {
  // "*.*" matches names without a dot too, as on Windows.
  if (pattern == "*.*") return true;
  return Match(name.c_str(), pattern.c_str());
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

std::string AsciiLower(std::string text) {
  for (char& c : text) c = Lower(c);
  return text;
}

std::vector<std::string> SplitText(const std::string& text, char by) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(by, from)) != std::string::npos; from = at + 1)
    parts.push_back(text.substr(from, at - from));
  parts.push_back(text.substr(from));
  return parts;
}

bool LessNoCase(const std::string& a, const std::string& b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char x = Lower(a[i]);
    const char y = Lower(b[i]);
    if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  }
  return a.size() < b.size();
}

Result<std::string> ReadWholeFile(Files& files, const std::string& path) {
  auto stream = files.OpenRead(path);
  if (!stream) return stream.failure();
  auto length = stream.value()->Length();
  if (!length) return length.failure();
  return stream.value()->Read(static_cast<std::size_t>(length.value()));
}

Result<bool> SameContents(Files& files, const std::string& a, const std::string& b) {
  // Small chunks the heap reuses: under Wine larger ones came as fresh pages each time,
  // which made comparing the 800 KB executables twice as slow.
  constexpr std::size_t kChunk = 16 * 1024;
  auto first = files.OpenRead(a);
  if (!first) return first.failure();
  auto second = files.OpenRead(b);
  if (!second) return second.failure();
  auto length = first.value()->Length();
  if (!length) return length.failure();
  auto otherLength = second.value()->Length();
  if (!otherLength) return otherLength.failure();
  if (length.value() != otherLength.value()) return false;
  for (std::uint64_t done = 0; done < length.value();) {
    auto x = first.value()->Read(kChunk);
    if (!x) return x.failure();
    auto y = second.value()->Read(kChunk);
    if (!y) return y.failure();
    if (x.value() != y.value()) return false;
    if (x.value().empty()) break;  // shortened while being read
    done += x.value().size();
  }
  return true;
}

// The copy keeps its source's attributes, and a read-only file (copied from a CD) cannot be
// opened to flush it: it is made normal first.
Status CopyFlushed(Files& files, const std::string& from, const std::string& to) {
  if (Status copied = files.Copy(from, to); !copied) return copied;
  if (Status normal = files.SetAttributes(to, attr::kNormal); !normal) return normal;
  auto written = files.OpenWrite(to);
  return written ? written.value()->Flush() : written.status();
}

Status WriteWholeFile(Files& files, const std::string& path, const std::string& bytes) {
  Skip(files.Delete(path));
  auto stream = files.OpenWrite(path);
  if (!stream) return stream.status();
  return stream.value()->Write(bytes);
}

}  // namespace kalv
