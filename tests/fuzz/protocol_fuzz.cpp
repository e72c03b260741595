// The Elite Force demo protocol: the two characters after the first "\protocol\" of the
// demo's first 255 bytes, whatever the bytes.
#include <algorithm>

#include "games/quake3/elite_force/elite_force_files.h"
#include "tests/fuzz/fuzz_target.h"

using namespace kalv;

namespace {

const std::string kMarker = "\\protocol\\";

// A header built around a known protocol: the input's bytes without any marker, the marker
// at a place the input chooses, two characters, then the rest. What follows the header's
// 255 bytes never counts.
void CheckBuiltHeader(const std::string& input) {
  if (input.size() < 4) return;
  const std::size_t at = static_cast<unsigned char>(input[0]);
  const std::string protocol = input.substr(1, 2);
  std::string filler = input.substr(3);
  for (std::size_t found; (found = filler.find('\\')) != std::string::npos;) filler[found] = '/';
  filler.resize(std::max<std::size_t>(filler.size(), at), '.');
  const std::string header = filler.substr(0, at) + kMarker + protocol + filler.substr(at);
  if (protocol.find('\\') != std::string::npos) return;
  if (at + kMarker.size() + 2 <= 255)
    fuzz::Require(DemoProtocol(header) == protocol, "the two characters after the marker");
  fuzz::Require(DemoProtocol(header) == DemoProtocol(header.substr(0, 255)),
                "nothing after the header's 255 bytes counts");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string header = fuzz::Text(data, size);
  fuzz::Require(DemoProtocol(header).size() <= 2, "a protocol is at most two characters");
  CheckBuiltHeader(header);
  return 0;
}
