// What names a file itself rather than a path to it: the volume and the file's index on it.
#pragma once

#include <optional>
#include <string>

namespace kalv::win32 {

struct FileIdentity {
  unsigned long volume = 0;
  unsigned long indexHigh = 0;
  unsigned long indexLow = 0;
  bool operator==(const FileIdentity& o) const {
    return volume == o.volume && indexHigh == o.indexHigh && indexLow == o.indexLow;
  }
};

// The identity of an existing file; nothing for a missing file or a directory. A file
// another program holds open exclusively, or a running program's file, still answers.
std::optional<FileIdentity> IdentityOf(const std::wstring& path);

// Whether both paths name one existing file.
bool SameFileIdentity(const std::wstring& a, const std::wstring& b);

// The full, long form of a path, for comparing two spellings without case where a file
// cannot be opened; the path as given when it cannot be resolved.
std::wstring CanonicalPath(const std::wstring& path);

}  // namespace kalv::win32
