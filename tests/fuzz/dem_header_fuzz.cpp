// The first bytes of a ".dem" file decide between Half-Life, Quake 1 and Unreal
// Tournament; any bytes at all must name one of them.
#include "launcher/dispatch.h"
#include "tests/fuzz/fuzz_target.h"

#include <cctype>

using namespace kalv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string header = fuzz::Text(data, size);
  const GameCode code = ClassifyDemHeader(header);
  fuzz::Require(code == GameCode::HL || code == GameCode::Q1 || code == GameCode::UT,
                "a .dem header names one of its three games");
  bool halfLife = header.size() >= 6;
  for (std::size_t i = 0; halfLife && i < 6; ++i)
    halfLife = std::toupper(static_cast<unsigned char>(header[i])) == "HLDEMO"[i];
  fuzz::Require((code == GameCode::HL) == halfLife, "Half-Life exactly when it says HLDEMO");
  return 0;
}
