// Windows path parsing for the in-memory file system: drive, components, and the
// lower-case key under which a file is stored.
#pragma once

#include <string>
#include <vector>

namespace kalv::fake {

struct ParsedPath {
  int failure = 0;                  // 0, or the number a Windows call would give
  std::vector<std::string> parts;   // parts[0] is the drive ("C:"), then the names as written
  std::string key;                  // lower-case, "c:\demos\a.dm3"
  bool trailingSeparator = false;   // written with a final backslash: names a directory only
  bool root() const { return parts.size() == 1; }
  std::string parentKey() const;
  const std::string& name() const { return parts.back(); }
};

// Parses an absolute or relative Windows path (relative ones start at "C:\").
ParsedPath ParseWindowsPath(const std::string& path);
std::string LowerAscii(std::string text);
// The drive key ("c:") of a stored key.
std::string DriveOfKey(const std::string& key);

}  // namespace kalv::fake
