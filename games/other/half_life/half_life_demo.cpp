#include "games/other/half_life/half_life_demo.h"

#include "games/demo_bytes.h"
#include "games/other/half_life/half_life.h"

namespace kalv {

std::optional<HalfLifeDemoHeader> ReadHalfLifeDemoHeader(std::string_view bytes) {
  if (!IsHalfLifeDemo(bytes)) return std::nullopt;

  DemoBytes in(bytes);
  if (!in.Skip(8)) return std::nullopt;
  HalfLifeDemoHeader header;
  const auto demoProtocol = in.Long();
  const auto networkProtocol = in.Long();
  const auto map = in.Field(hldemo::kFieldBytes);
  const auto folder = in.Field(hldemo::kFieldBytes);
  if (!demoProtocol || !networkProtocol || !map || !folder) return std::nullopt;
  header.demoProtocol = *demoProtocol;
  header.networkProtocol = *networkProtocol;
  header.map = *map;
  if (IsPlainFolderName(*folder)) header.gameFolder = *folder;
  return header;
}

}  // namespace kalv
