// The Elite Force demo protocol: the two characters after the first "\protocol\" of the
// demo's first 255 bytes, whatever the bytes.
#include "games/quake3/elite_force_files.h"
#include "tests/fuzz/fuzz_target.h"

using namespace kalv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string header = fuzz::Text(data, size);
  const std::string protocol = DemoProtocol(header);
  fuzz::Require(protocol.size() <= 2, "a protocol is at most two characters");
  const std::string marker = "\\protocol\\";
  const std::size_t at = header.substr(0, 255).find(marker);
  if (at != std::string::npos && at + marker.size() + 2 <= header.size() &&
      at + marker.size() + 2 <= 255)
    fuzz::Require(protocol == header.substr(at + marker.size(), 2),
                  "the protocol follows the first marker");
  return 0;
}
