// A Half-Life demo header in any bytes: read exactly when they begin with "HLDEMO" and
// hold the map and game folder fields, and then always Half-Life to the dispatcher; read as
// a directory, any bytes give a length a day holds or none.
#include <cctype>

#include "games/other/half_life/half_life_demo.h"
#include "launcher/dispatch.h"
#include "tests/fuzz/demo_reading.h"

using namespace kalv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = fuzz::Text(data, size);
  const auto length = HalfLifeDemoLength(bytes);
  fuzz::Require(!length || *length <= 24u * 60 * 60 * 1000, "a directory's length within a day");
  const auto header = ReadHalfLifeDemoHeader(bytes);
  bool stamped = bytes.size() >= 6;
  for (std::size_t i = 0; stamped && i < 6; ++i)
    stamped = std::toupper(static_cast<unsigned char>(bytes[i])) == "HLDEMO"[i];
  const auto ended = [&](std::size_t at) {
    return bytes.size() >= at + hldemo::kFieldBytes &&
           bytes.find('\0', at) < at + hldemo::kFieldBytes;
  };
  fuzz::Require(header.has_value() == (stamped && ended(16) && ended(276)),
                "read exactly when stamped and both fields end");
  if (!header) return 0;
  fuzz::Require(header->map == bytes.substr(16, bytes.find('\0', 16) - 16), "the map's field");
  fuzz::RequireFolder(header->gameFolder);
  fuzz::Require(ClassifyDemHeader(bytes) == GameCode::HL, "a header is Half-Life's");
  fuzz::RequireCutsReadAsTheWhole(bytes, ReadHalfLifeDemoHeader, [](const auto& a, const auto& b) {
    return a.demoProtocol == b.demoProtocol && a.networkProtocol == b.networkProtocol &&
           a.map == b.map && a.gameFolder == b.gameFolder;
  });
  return 0;
}
