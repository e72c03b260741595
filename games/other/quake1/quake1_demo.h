// A Quake 1 demo as the game writes it: a first line with the CD track to play ("-1"
// for none), then blocks of a 32-bit length, three view angles and the server's messages
// of one packet. The first packets of a recording carry the server info (protocol, the
// level's title and the models, the first of which is the map), often after a greeting
// the server prints.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalv {

namespace q1demo {
// Protocols of the original game, FitzQuake and RMQ (which adds flags to the server
// info); other ports bring their own numbers and keep the server info's layout.
constexpr std::int32_t kNetQuake = 15;
constexpr std::int32_t kFitzQuake = 666;
constexpr std::int32_t kRmq = 999;
}  // namespace q1demo

struct Quake1Demo {
  std::string cdTrack;        // the first line: "-1", or a track such as "2"
  std::int32_t protocol = 0;  // of the server info
  std::string levelTitle;     // "the Slipgate Complex"
  std::string map;            // the world model, "maps/e1m1.bsp"
};

// The demo in the first bytes of a file, when they are laid out as a Quake 1 demo up to
// a server info whose map is a ".bsp"; messages a server sends before the server info
// (prints, console commands, pauses) are passed over. Nothing for anything else.
std::optional<Quake1Demo> ReadQuake1Demo(std::string_view bytes);

}  // namespace kalv
