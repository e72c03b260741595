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
  // Said the other way round: the stamp in any letter case before whatever follows is
  // Half-Life, and bytes that begin with anything but an "h" never are.
  std::string stamped = "HLDEMO" + header;
  for (std::size_t i = 0; i < 6 && i < header.size(); ++i)
    if (static_cast<unsigned char>(header[i]) & 1)
      stamped[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(stamped[i])));
  fuzz::Require(ClassifyDemHeader(stamped) == GameCode::HL, "a stamped header is Half-Life");
  if (!header.empty() && std::tolower(static_cast<unsigned char>(header[0])) != 'h')
    fuzz::Require(code != GameCode::HL, "only a stamped header is Half-Life");
  return 0;
}
