#include "games/other/quake2/quake2_demo.h"

#include "games/demo_bytes.h"

namespace kalv {

namespace {

// Server messages, by their first byte.
enum : std::uint8_t {
  kNop = 6,
  kPrint = 10,
  kStuffText = 11,
  kServerData = 12,
  kConfigString = 13,
};

// The configuration strings: the first model is the map; each player's is its name, a
// backslash and its skin.
constexpr int kFirstModel = 33;
constexpr int kFirstPlayerSkin = 1312;
constexpr int kPlayerSkins = 256;

// No engine sends a packet larger than this.
constexpr std::int32_t kLargestBlock = 65536;

std::optional<Quake2ServerData> ServerData(DemoBytes& in) {
  Quake2ServerData data;
  const auto protocol = in.Long();
  const auto serverCount = in.Long();
  const auto attractLoop = in.Byte();
  const auto folder = in.String();
  if (!protocol || !serverCount || !attractLoop || !folder) return std::nullopt;
  data.protocol = *protocol;
  data.serverCount = *serverCount;
  data.attractLoop = *attractLoop;
  if (IsPlainFolderName(*folder)) data.gameFolder = *folder;
  return data;
}

}  // namespace

std::optional<Quake2ServerData> ReadQuake2ServerData(std::string_view bytes) {
  DemoBytes in(bytes);
  const auto length = in.Long();
  if (!length || *length <= 0 || *length > kLargestBlock) return std::nullopt;
  DemoBytes packet = in.Part(static_cast<std::size_t>(*length));
  while (!packet.AtEnd()) {
    bool read = true;
    switch (*packet.Byte()) {
      case kServerData: return ServerData(packet);
      case kNop: break;
      case kPrint: read = packet.Skip(1) && packet.String().has_value(); break;
      case kStuffText: read = packet.String().has_value(); break;
      default: return std::nullopt;
    }
    if (!read) return std::nullopt;
  }
  return std::nullopt;
}

// Blocks are read one after the other as long as each holds only what comes before the
// baselines; whatever stops the reading after the server data leaves what was read.
std::optional<Quake2Demo> ReadQuake2Demo(std::string_view bytes) {
  DemoBytes in(bytes);
  std::optional<Quake2Demo> demo;
  for (;;) {
    const auto length = in.Long();
    if (!length || *length <= 0 || *length > kLargestBlock) return demo;
    // A block cut short is read as far as it goes, as the server data alone always was.
    DemoBytes packet = in.Part(static_cast<std::size_t>(*length));
    const bool whole = in.Skip(static_cast<std::size_t>(*length));
    while (!packet.AtEnd()) {
      const std::uint8_t kind = *packet.Byte();
      if (kind == kServerData && !demo) {
        const auto data = ServerData(packet);
        if (!data) return std::nullopt;
        demo = Quake2Demo{*data, "", {}};
        if (!packet.Skip(2) || !packet.String()) return demo;  // the player, the level
      } else if (kind == kConfigString && demo) {
        const auto low = packet.Byte();
        const auto high = low ? packet.Byte() : std::nullopt;
        const auto text = high ? packet.String() : std::nullopt;
        if (!text) return demo;
        const int index = *low | (*high << 8);
        if (index == kFirstModel) demo->map = *text;
        if (index >= kFirstPlayerSkin && index < kFirstPlayerSkin + kPlayerSkins)
          if (std::string name = text->substr(0, text->find('\\')); !name.empty())
            demo->players.push_back(name);
      } else if (kind == kNop) {
      } else if (kind == kPrint) {
        if (!packet.Skip(1) || !packet.String()) return demo;
      } else if (kind == kStuffText) {
        if (!packet.String()) return demo;
      } else {
        return demo;  // the baselines, or what is not read here
      }
    }
    if (!whole) return demo;
  }
}

}  // namespace kalv
