#include "games/other/half_life/half_life_demo.h"

#include <cstring>

#include "games/demo_bytes.h"
#include "games/plan_support.h"
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
  const auto directory = in.Skip(4) ? in.Long() : std::nullopt;  // past the map's checksum
  if (directory && *directory >= static_cast<std::int32_t>(hldemo::kHeaderBytes))
    header.directory = static_cast<std::uint32_t>(*directory);
  return header;
}

std::optional<std::uint32_t> HalfLifeDemoLength(std::string_view directory) {
  constexpr double kLongestSeconds = 24.0 * 60 * 60;
  constexpr std::size_t kTimeInEntry = 4 + 64 + 4 + 4;  // type, title, flags, CD track
  DemoBytes in(directory);
  const auto count = in.Long();
  if (!count || *count <= 0 || *count > hldemo::kMostEntries) return std::nullopt;
  double seconds = 0;
  for (std::int32_t n = 0; n < *count; ++n) {
    DemoBytes entry = in.Part(hldemo::kEntryBytes);
    const auto bits = entry.Skip(kTimeInEntry) ? entry.Long() : std::nullopt;
    if (!bits || !in.Skip(hldemo::kEntryBytes)) return std::nullopt;
    float time = 0;
    static_assert(sizeof time == sizeof *bits);
    std::memcpy(&time, &*bits, sizeof time);
    // Also refuses a NaN, which no comparison holds for.
    if (!(time >= 0 && time <= kLongestSeconds)) return std::nullopt;
    seconds += time;
  }
  if (seconds > kLongestSeconds) return std::nullopt;
  return static_cast<std::uint32_t>(seconds * 1000 + 0.5);
}

std::optional<std::uint32_t> ReadHalfLifeDemoLength(Files& files, const std::string& path) {
  // Most directories have two segments; a longer one is read again whole.
  constexpr std::size_t kUsualEntries = 8;
  DemoFile file(files, path);
  const auto header = ReadHalfLifeDemoHeader(file.At(0, hldemo::kHeaderBytes));
  if (!header || !header->directory) return std::nullopt;
  std::string directory = file.At(*header->directory, 4 + kUsualEntries * hldemo::kEntryBytes);
  const auto entries = DemoBytes(directory).Long();
  if (entries && *entries > static_cast<std::int32_t>(kUsualEntries) &&
      *entries <= hldemo::kMostEntries)
    directory =
        file.At(*header->directory, 4 + static_cast<std::size_t>(*entries) * hldemo::kEntryBytes);
  return HalfLifeDemoLength(directory);
}

}  // namespace kalv
