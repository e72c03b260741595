// The first message of a Quake 3 or Elite Force demo: a demo is a sequence of blocks
// (32-bit sequence, 32-bit length, message), and its first message is the gamestate, the
// configuration strings of the server it was recorded on. Releases 1.29 on send each byte
// Huffman-coded (games/message_huffman.h); older ones and Elite Force plain; 1.15 to 1.17
// start the message without the reliable acknowledge. Every length is checked against what
// is left; a cut or unknown message reads as nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kalv {

// How a message's bytes are sent.
enum class MessageCoding { Plain, Huffman };

// A read position in one message. Every read answers nothing when the message ends
// before what it reads.
class MessageReader {
 public:
  MessageReader(std::string_view bytes, MessageCoding coding) : bytes_(bytes), coding_(coding) {}

  std::optional<std::uint8_t> Byte();
  std::optional<std::int16_t> Short();
  std::optional<std::int32_t> Long();
  // The characters up to a NUL, which is passed over; nothing when the message ends first
  // or there are more than most.
  std::optional<std::string> String(std::size_t most);

 private:
  std::string_view bytes_;
  MessageCoding coding_;
  std::size_t bit_ = 0;  // Huffman: the next bit; plain: 8 times the next byte
};

// The configuration strings of a gamestate, by index, in the order they came.
using ConfigStrings = std::vector<std::pair<int, std::string>>;

// The gamestate a server message starts with (after the reliable acknowledge when the
// release sends one): nothing when the message is no gamestate or is cut short.
std::optional<ConfigStrings> ReadGamestate(std::string_view message, MessageCoding coding,
                                           bool acknowledge);

// How a release sends its messages: coded, and whether each starts with the reliable
// acknowledge.
struct MessageReading {
  MessageCoding coding = MessageCoding::Plain;
  bool acknowledge = true;
};

// The server time of the snapshot a server message holds; nothing when it holds none.
std::optional<std::int32_t> ReadSnapshotTime(std::string_view message, MessageReading reading);

// One block of a demo at the start of bytes; nothing when its length is out of bounds or
// its message is cut short.
struct EngineBlock {
  std::int32_t sequence = 0;
  std::string_view message;
};
std::optional<EngineBlock> ReadEngineBlock(std::string_view bytes);

// The gamestate of a demo's first block, how its release sends messages, and where the
// next block begins; nothing when no reading gives a gamestate that names a map.
struct FirstGamestate {
  MessageReading reading;
  ConfigStrings strings;
  std::size_t next = 0;
};
std::optional<FirstGamestate> ReadFirstGamestate(std::string_view bytes);

// The value of key in an info string ("\key\value\key\value"), keys compared without
// case; "" when it has none.
std::string InfoValue(std::string_view info, std::string_view key);

// What a Quake 3 or Elite Force demo's first message says.
struct EngineDemo {
  int protocol = 0;                  // the server info's protocol
  std::string map;                   // "q3dm17"
  std::string mod;                   // the system info's fs_game ("" for the base game)
  std::string hostName;              // the server's name
  std::vector<std::string> players;  // the names of the clients it had
};

// The demo in a file's first bytes, whichever way its release sends messages; nothing when
// they hold no readable gamestate that names a map.
std::optional<EngineDemo> ReadEngineDemo(std::string_view bytes);

// How much of a demo is read for its first message: the engine's largest message, and
// its block's header.
constexpr std::size_t kEngineMessageBytes = 16384 + 8;

}  // namespace kalv
