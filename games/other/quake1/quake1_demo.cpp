#include "games/other/quake1/quake1_demo.h"

#include "games/demo_bytes.h"

namespace kalv {

namespace {

// Server messages, by their first byte.
enum : std::uint8_t {
  kNop = 1,
  kVersion = 4,
  kTime = 7,
  kPrint = 8,
  kStuffText = 9,
  kServerInfo = 11,
  kSetPause = 24,
  kSignOnNum = 25,
  kCenterPrint = 26,
  kCdTrack = 32,
};

// No engine sends a packet larger than this.
constexpr std::int32_t kLargestBlock = 65536;
constexpr std::size_t kViewAngles = 12;
// The track as a 32-bit number in text, and the line's end.
constexpr std::size_t kLongestTrackLine = 12;

std::optional<std::string> CdTrack(DemoBytes& in) {
  std::string line;
  for (std::size_t i = 0; i < kLongestTrackLine; ++i) {
    const auto c = in.Byte();
    if (!c) return std::nullopt;
    if (*c == '\n') break;
    const bool digit = *c >= '0' && *c <= '9';
    if (!digit && !(*c == '-' && line.empty())) return std::nullopt;
    line += static_cast<char>(*c);
  }
  if (line.empty() || line == "-" || line.size() == kLongestTrackLine) return std::nullopt;
  return line;
}

// Reads the server info into demo; false when it is not one of a Quake 1 map.
bool ServerInfo(DemoBytes& in, Quake1Demo& demo) {
  const auto protocol = in.Long();
  if (!protocol) return false;
  demo.protocol = *protocol;
  if (demo.protocol == q1demo::kRmq && !in.Long()) return false;  // its flags
  if (!in.Byte() || !in.Byte()) return false;                     // players, game type
  const auto title = in.String();
  const auto map = in.String();
  const std::string ending = ".bsp";
  if (!title || !map || map->size() <= ending.size() ||
      map->compare(map->size() - ending.size(), ending.size(), ending) != 0)
    return false;
  demo.levelTitle = *title;
  demo.map = *map;
  return true;
}

enum class Packet { ServerInfo, NotYet, NotQuake1 };

// The messages of one packet up to the server info, which is read into demo.
Packet ReadPacket(DemoBytes packet, Quake1Demo& demo) {
  while (!packet.AtEnd()) {
    bool read = true;
    switch (*packet.Byte()) {
      case kServerInfo: return ServerInfo(packet, demo) ? Packet::ServerInfo : Packet::NotQuake1;
      case kNop: break;
      case kPrint:
      case kStuffText:
      case kCenterPrint: read = packet.String().has_value(); break;
      case kSetPause:
      case kSignOnNum: read = packet.Skip(1); break;
      case kCdTrack: read = packet.Skip(2); break;
      case kVersion:
      case kTime: read = packet.Skip(4); break;
      default: return Packet::NotQuake1;
    }
    if (!read) return Packet::NotQuake1;
  }
  return Packet::NotYet;
}

}  // namespace

std::optional<Quake1Demo> ReadQuake1Demo(std::string_view bytes) {
  DemoBytes in(bytes);
  Quake1Demo demo;
  const auto track = CdTrack(in);
  if (!track) return std::nullopt;
  demo.cdTrack = *track;
  for (;;) {
    const auto length = in.Long();
    if (!length || *length < 0 || *length > kLargestBlock || !in.Skip(kViewAngles))
      return std::nullopt;
    const auto size = static_cast<std::size_t>(*length);
    const Packet packet = ReadPacket(in.Part(size), demo);
    if (packet == Packet::ServerInfo) return demo;
    if (packet == Packet::NotQuake1 || !in.Skip(size)) return std::nullopt;
  }
}

}  // namespace kalv
