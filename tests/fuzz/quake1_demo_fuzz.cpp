// A Quake 1 demo in any bytes: what reads as one has a CD track line and a ".bsp" map, a
// file cut short reads as nothing or as the whole, and the dispatcher takes it for
// Quake 1.
#include "games/other/quake1/quake1_demo.h"
#include "launcher/dispatch.h"
#include "tests/fuzz/demo_reading.h"

using namespace kalv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = fuzz::Text(data, size);
  const auto demo = ReadQuake1Demo(bytes);
  if (!demo) return 0;
  const std::string& track = demo->cdTrack;
  fuzz::Require(bytes.compare(0, track.size() + 1, track + "\n") == 0, "the first line");
  fuzz::Require(track.find_first_not_of("-0123456789") == std::string::npos &&
                    track.find('-', 1) == std::string::npos,
                "a track is a number");
  const std::string& map = demo->map;
  fuzz::Require(map.size() > 4 && map.compare(map.size() - 4, 4, ".bsp") == 0, "a .bsp map");
  fuzz::Require(ClassifyDemHeader(bytes) == GameCode::Q1, "a Quake 1 demo is Quake 1");
  fuzz::RequireCutsReadAsTheWhole(bytes, ReadQuake1Demo, [](const auto& a, const auto& b) {
    return a.cdTrack == b.cdTrack && a.protocol == b.protocol && a.levelTitle == b.levelTitle &&
           a.map == b.map;
  });
  return 0;
}
