// The header a Half-Life demo begins with: "HLDEMO" and two NULs, the demo protocol and
// the network protocol (32-bit, little-endian), the map name and the game folder in
// fields of 260 bytes each, then the map's checksum and where the demo's directory is.
// Demos of demo protocol 4 and 5, the player's own and a relay's, share it. The directory
// is a count and as many entries of 92 bytes, one per segment of the demo (loading,
// playback), each with its length in seconds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace kalv {

namespace hldemo {
constexpr std::size_t kHeaderBytes = 544;
constexpr std::size_t kFieldBytes = 260;  // the map name and the game folder
constexpr const char* kOwnGame = "valve";
constexpr std::size_t kEntryBytes = 92;
constexpr std::int32_t kMostEntries = 1024;
}  // namespace hldemo

struct HalfLifeDemoHeader {
  std::int32_t demoProtocol = 0;           // 5 since release 1.1, 4 before
  std::int32_t networkProtocol = 0;        // 48 for the last releases
  std::string map;                         // "c1a0", "de_dust2"
  std::string gameFolder;                  // "valve", "cstrike", "tfc"; empty when it names no
                                           // plain folder (see IsPlainFolderName)
  std::optional<std::uint32_t> directory;  // where the directory is, when the bytes say
};

// The header in a demo's first bytes; nothing when they do not begin with "HLDEMO" (in
// any letter case, as the dispatcher takes it) or end before the game folder's field.
std::optional<HalfLifeDemoHeader> ReadHalfLifeDemoHeader(std::string_view bytes);

// The length of a demo in milliseconds, the sum of its directory's segments (the bytes
// from the directory on); nothing when they are no directory.
std::optional<std::uint32_t> HalfLifeDemoLength(std::string_view directory);

// The length of the demo file: its header, then its directory.
std::optional<std::uint32_t> ReadHalfLifeDemoLength(Files& files, const std::string& path);

}  // namespace kalv
