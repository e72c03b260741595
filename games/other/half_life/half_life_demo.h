// The header a Half-Life demo begins with: "HLDEMO" and two NULs, the demo protocol and
// the network protocol (32-bit, little-endian), the map name and the game folder in
// fields of 260 bytes each, then the map's checksum and where the demo's directory is.
// Demos of demo protocol 4 and 5, the player's own and a relay's, share it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalv {

namespace hldemo {
constexpr std::size_t kHeaderBytes = 544;
constexpr std::size_t kFieldBytes = 260;  // the map name and the game folder
constexpr const char* kOwnGame = "valve";
}  // namespace hldemo

struct HalfLifeDemoHeader {
  std::int32_t demoProtocol = 0;     // 5 since release 1.1, 4 before
  std::int32_t networkProtocol = 0;  // 48 for the last releases
  std::string map;                   // "c1a0", "de_dust2"
  std::string gameFolder;            // "valve", "cstrike", "tfc"; empty when it names no
                                     // plain folder (see IsPlainFolderName)
};

// The header in a demo's first bytes; nothing when they do not begin with "HLDEMO" (in
// any letter case, as the dispatcher takes it) or end before the game folder's field.
std::optional<HalfLifeDemoHeader> ReadHalfLifeDemoHeader(std::string_view bytes);

}  // namespace kalv
