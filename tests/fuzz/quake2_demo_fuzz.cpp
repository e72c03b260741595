// The server data of a Quake 2 demo in any bytes: a game folder it gives is one plain
// folder name, and a file cut short reads as nothing or as the whole. The reading that
// goes on to the map starts from the same server data.
#include "games/other/quake2/quake2_demo.h"
#include "tests/fuzz/demo_reading.h"

using namespace kalv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = fuzz::Text(data, size);
  const auto serverData = ReadQuake2ServerData(bytes);
  const auto demo = ReadQuake2Demo(bytes);
  if (demo) fuzz::RequireFolder(demo->serverData.gameFolder);
  if (!serverData) return 0;
  fuzz::Require(demo && demo->serverData.gameFolder == serverData->gameFolder &&
                    demo->serverData.protocol == serverData->protocol,
                "the map is read after the same server data");
  fuzz::RequireFolder(serverData->gameFolder);
  fuzz::RequireCutsReadAsTheWhole(bytes, ReadQuake2ServerData, [](const auto& a, const auto& b) {
    return a.protocol == b.protocol && a.serverCount == b.serverCount &&
           a.attractLoop == b.attractLoop && a.gameFolder == b.gameFolder;
  });
  return 0;
}
