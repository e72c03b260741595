// The server data that opens a Quake 2 demo: after the first block's 32-bit length, the
// message "serverdata" with the protocol, the server count, the attract-loop byte and the
// game folder the server ran (empty for baseq2), then the player and the level.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalv {

namespace q2demo {
// Releases 3.19 and 3.20; later engines (ports) record their own numbers.
constexpr std::int32_t kProtocol = 34;
}  // namespace q2demo

struct Quake2ServerData {
  std::int32_t protocol = 0;
  std::int32_t serverCount = 0;
  std::uint8_t attractLoop = 0;  // 1 in a server's own recording
  std::string gameFolder;        // empty for baseq2, and when it names no plain folder
                                 // (see IsPlainFolderName)
};

// The server data of a demo whose first bytes are given, read as protocol 34 lays it
// out (the ports keep these fields and their order); messages a server may send before it
// (prints, console commands) are passed over. Nothing when the first block holds no
// server data.
std::optional<Quake2ServerData> ReadQuake2ServerData(std::string_view bytes);

// What the server data and the configuration strings after it say: the map (the first
// model, "maps/q2dm1.bsp") and the players' names. They may span the first blocks; the
// reading stops at the first baseline or where the bytes end: a demo cut short may name
// no map, never part of one.
struct Quake2Demo {
  Quake2ServerData serverData;
  std::string map;
  std::vector<std::string> players;
};
std::optional<Quake2Demo> ReadQuake2Demo(std::string_view bytes);

}  // namespace kalv
