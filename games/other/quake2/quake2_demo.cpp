#include "games/other/quake2/quake2_demo.h"

#include "games/demo_bytes.h"

namespace kalv {

namespace {

// Server messages, by their first byte.
enum : std::uint8_t { kNop = 6, kPrint = 10, kStuffText = 11, kServerData = 12 };

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

}  // namespace kalv
