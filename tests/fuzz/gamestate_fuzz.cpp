// The first message of a Quake 3 engine demo in any bytes: read plainly and read from its
// Huffman code, a message says the same; what is read keeps the engine's bounds; and a
// recording cut short reads as nothing or as the whole; any end of it gives a length a
// day holds or none.
#include "games/engine_demo_length.h"
#include "games/engine_message.h"
#include "tests/fuzz/demo_reading.h"
#include "tests/host/demo_layouts.h"

using namespace kalv;

namespace {

void RequireBounded(const std::optional<ConfigStrings>& strings) {
  if (!strings) return;
  for (const auto& [index, text] : *strings)
    fuzz::Require(
        index >= 0 && index < 1024 && text.size() <= 8192 && text.find('\0') == std::string::npos,
        "a configuration string within the engine's bounds");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string message = fuzz::Text(data, size);
  // The coder's last bits are padding that completes no code, so both readings see the
  // same bytes.
  const std::string coded = testing::layout::HuffmanCoded(message);
  for (const bool acknowledge : {true, false}) {
    const auto plain = ReadGamestate(message, MessageCoding::Plain, acknowledge);
    RequireBounded(plain);
    fuzz::Require(plain == ReadGamestate(coded, MessageCoding::Huffman, acknowledge),
                  "a message reads the same from its Huffman code");
  }
  const auto same = [](const EngineDemo& a, const EngineDemo& b) {
    return a.protocol == b.protocol && a.map == b.map && a.mod == b.mod &&
           a.hostName == b.hostName && a.players == b.players;
  };
  for (const std::string& recording : {message, testing::layout::EngineRecording(coded),
                                       testing::layout::EngineRecording(message)}) {
    const auto demo = ReadEngineDemo(recording);
    if (!demo) continue;
    fuzz::Require(!demo->map.empty() && demo->protocol >= 0, "a demo read names its map");
    fuzz::RequireCutsReadAsTheWhole(recording, ReadEngineDemo, same);
    // Any bytes as the file's end: a length, when there is one, is one a day holds.
    const auto length = EngineDemoLength(recording, message);
    fuzz::Require(!length || *length <= 24u * 60 * 60 * 1000, "a length within a day");
  }
  return 0;
}
