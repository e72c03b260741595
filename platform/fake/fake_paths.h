// Windows path parsing for the in-memory file system: where relative paths start, the
// drive, the components, and the case-folded key under which a file is stored.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace kalv::fake {

// What a Windows process resolves paths against. Directories are full paths.
struct PathContext {
  // The process's current directory: "name" and "\name" start here, and "X:name" when X
  // is its drive.
  std::string currentDirectory = "C:\\";
  // The directory another drive remembers ("E:" -> "E:\Demos", what a command shell
  // keeps in its "=E:" variables); a drive without one starts at its root.
  std::map<std::string, std::string> driveDirectories;
  // Drive letters standing for a folder of another drive ("S:" -> "C:\Games").
  std::map<std::string, std::string> mappedDrives;
};

struct ParsedPath {
  int failure = 0;                 // 0, or the number a Windows call would give
  std::vector<std::string> parts;  // parts[0] is the drive ("C:"), then the names as written
  std::string key;                 // case-folded, "c:\demos\a.dm3", through a mapped drive
  std::string mappedOnto;          // the folder a mapped drive stands for, "" for others
  bool trailingSeparator = false;  // written with a final backslash: names a directory only
  bool root() const { return parts.size() == 1; }
  std::string parentKey() const;
  const std::string& name() const { return parts.back(); }
  // The full path as written: the drive, then the names ("C:\" for a root).
  std::string full() const;
};

// Parses a Windows path, resolving a relative one against the context as Windows does.
ParsedPath ParseWindowsPath(const std::string& path, const PathContext& context);
// The form under which names compare without case, as Windows compares them: ASCII and
// the Latin, Greek and Cyrillic letters in their small form.
std::string FoldCase(std::string text);
// The drive key ("c:") of a stored key.
std::string DriveOfKey(const std::string& key);

}  // namespace kalv::fake
