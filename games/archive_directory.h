// The names of the files an archive holds, read from its directory alone, never from the
// whole archive: a zip (".pk3") by the end record and the central directory it points at,
// a "PACK" (".pak") by its header and its 64-byte entries. The bytes come from anywhere:
// every offset and length is checked against the file, and each part read has a bound.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace kalv {

// The most a directory may hold before it is taken for noise.
constexpr std::uint64_t kLargestArchiveDirectory = 16u << 20;
constexpr std::size_t kMostArchiveEntries = 65535;

// Where a zip's central directory lies and how many entries it has, from the end of the
// file (tail, which starts at byte tailStart of a file of fileLength bytes).
struct ZipDirectory {
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
  std::size_t entries = 0;
};
std::optional<ZipDirectory> FindZipDirectory(std::string_view tail, std::uint64_t tailStart,
                                             std::uint64_t fileLength);
// The names in a central directory of so many entries.
std::optional<std::vector<std::string>> ReadZipNames(std::string_view directory,
                                                     std::size_t entries);

// Where a PACK's directory lies, from its first 12 bytes, in a file of fileLength bytes.
struct PackDirectory {
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
};
std::optional<PackDirectory> ReadPackHeader(std::string_view header, std::uint64_t fileLength);
// The names in a PACK's directory.
std::optional<std::vector<std::string>> ReadPackNames(std::string_view directory);

// The names an archive holds, by its ending (".pk3" a zip, ".pak" a PACK); nothing when it
// cannot be read or is neither.
std::optional<std::vector<std::string>> ArchiveNames(Files& files, const std::string& path);

}  // namespace kalv
