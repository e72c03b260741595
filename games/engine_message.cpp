#include "games/engine_message.h"

#include <cctype>

#include "games/demo_bytes.h"
#include "games/message_huffman.h"

namespace kalv {

namespace {

// Server commands, by their first byte.
enum : std::uint8_t {
  kNop = 1,
  kGamestate = 2,
  kConfigString = 3,
  kBaseline = 4,
  kServerCommand = 5,
  kSnapshot = 7,
  kEndOfMessage = 8,
};

constexpr int kConfigStringCount = 1024;  // the engine's MAX_CONFIGSTRINGS
constexpr std::size_t kBigInfoString = 8192;
constexpr std::int32_t kLargestMessage = 16384;
// The player configuration strings: "n\<name>\t\<team>..." for each client.
constexpr int kFirstPlayer = 544;
constexpr int kClients = 64;
// Server commands a message may hold before its gamestate or snapshot.
constexpr int kMostCommandsBefore = 64;

// Passes over what a server message holds before the wanted command (after the reliable
// acknowledge when the release sends one): false when it holds something else first.
bool SkipTo(MessageReader& in, std::uint8_t wanted, bool acknowledge) {
  if (acknowledge && !in.Long()) return false;
  for (int n = 0; n < kMostCommandsBefore; ++n) {
    const auto command = in.Byte();
    if (!command) return false;
    if (*command == wanted) return true;
    switch (*command) {
      case kNop: break;
      case kServerCommand:
        if (!in.Long() || !in.String(kBigInfoString)) return false;
        break;
      default: return false;
    }
  }
  return false;
}

std::optional<ConfigStrings> Gamestate(MessageReader& in) {
  if (!in.Long()) return std::nullopt;  // the server command sequence
  ConfigStrings strings;
  for (int n = 0; n <= kConfigStringCount; ++n) {
    const auto command = in.Byte();
    if (!command) return std::nullopt;
    if (*command == kBaseline || *command == kEndOfMessage) return strings;
    if (*command != kConfigString) return std::nullopt;
    const auto index = in.Short();
    if (!index || *index < 0 || *index >= kConfigStringCount) return std::nullopt;
    auto text = in.String(kBigInfoString);
    if (!text) return std::nullopt;
    strings.emplace_back(*index, std::move(*text));
  }
  return std::nullopt;
}

const std::string* Find(const ConfigStrings& strings, int index) {
  for (const auto& [at, text] : strings)
    if (at == index) return &text;
  return nullptr;
}

int ProtocolOf(const std::string& text) {
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos)
    return 0;
  return std::stoi(text);
}

}  // namespace

std::optional<std::uint8_t> MessageReader::Byte() {
  if (coding_ == MessageCoding::Huffman) return DecodeHuffmanByte(bytes_, &bit_);
  if (bit_ / 8 >= bytes_.size()) return std::nullopt;
  const auto byte = static_cast<std::uint8_t>(bytes_[bit_ / 8]);
  bit_ += 8;
  return byte;
}

std::optional<std::int16_t> MessageReader::Short() {
  const auto low = Byte();
  const auto high = low ? Byte() : std::nullopt;
  if (!high) return std::nullopt;
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(*low | (*high << 8)));
}

std::optional<std::int32_t> MessageReader::Long() {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    const auto byte = Byte();
    if (!byte) return std::nullopt;
    value |= static_cast<std::uint32_t>(*byte) << (8 * i);
  }
  return static_cast<std::int32_t>(value);
}

std::optional<std::string> MessageReader::String(std::size_t most) {
  std::string text;
  for (;;) {
    const auto byte = Byte();
    if (!byte) return std::nullopt;
    if (*byte == 0) return text;
    if (text.size() == most) return std::nullopt;
    text += static_cast<char>(*byte);
  }
}

std::optional<ConfigStrings> ReadGamestate(std::string_view message, MessageCoding coding,
                                           bool acknowledge) {
  MessageReader in(message, coding);
  if (!SkipTo(in, kGamestate, acknowledge)) return std::nullopt;
  return Gamestate(in);
}

std::optional<std::int32_t> ReadSnapshotTime(std::string_view message, MessageReading reading) {
  MessageReader in(message, reading.coding);
  if (!SkipTo(in, kSnapshot, reading.acknowledge)) return std::nullopt;
  return in.Long();
}

std::optional<EngineBlock> ReadEngineBlock(std::string_view bytes) {
  DemoBytes in(bytes);
  const auto sequence = in.Long();
  const auto length = in.Long();
  if (!sequence || !length || *length <= 0 || *length > kLargestMessage) return std::nullopt;
  if (bytes.size() - 8 < static_cast<std::size_t>(*length)) return std::nullopt;
  return EngineBlock{*sequence, bytes.substr(8, static_cast<std::size_t>(*length))};
}

std::string InfoValue(std::string_view info, std::string_view key) {
  auto next = [&info](std::size_t& at) {
    const std::size_t end = info.find('\\', at);
    std::string_view part = info.substr(at, end == std::string_view::npos ? end : end - at);
    at = end == std::string_view::npos ? info.size() : end + 1;
    return part;
  };
  std::size_t at = !info.empty() && info[0] == '\\' ? 1 : 0;
  while (at < info.size()) {
    const std::string_view name = next(at);
    const std::string_view value = next(at);
    bool same = name.size() == key.size();
    for (std::size_t i = 0; same && i < name.size(); ++i)
      same = std::tolower(static_cast<unsigned char>(name[i])) ==
             std::tolower(static_cast<unsigned char>(key[i]));
    if (same) return std::string(value);
  }
  return "";
}

// Whichever way the release sends messages: the first reading that gives a gamestate
// naming a map is the demo's, as noise almost never does.
std::optional<FirstGamestate> ReadFirstGamestate(std::string_view bytes) {
  const auto block = ReadEngineBlock(bytes);
  if (!block) return std::nullopt;
  const MessageReading readings[] = {
      {MessageCoding::Huffman, true}, {MessageCoding::Plain, true}, {MessageCoding::Plain, false}};
  for (const MessageReading reading : readings) {
    auto strings = ReadGamestate(block->message, reading.coding, reading.acknowledge);
    const std::string* server = strings ? Find(*strings, 0) : nullptr;
    if (server && !InfoValue(*server, "mapname").empty())
      return FirstGamestate{reading, std::move(*strings), 8 + block->message.size()};
  }
  return std::nullopt;
}

std::optional<EngineDemo> ReadEngineDemo(std::string_view bytes) {
  const auto first = ReadFirstGamestate(bytes);
  if (!first) return std::nullopt;
  const ConfigStrings& strings = first->strings;
  const std::string& server = *Find(strings, 0);
  EngineDemo demo;
  demo.protocol = ProtocolOf(InfoValue(server, "protocol"));
  demo.map = InfoValue(server, "mapname");
  demo.hostName = InfoValue(server, "sv_hostname");
  if (const std::string* system = Find(strings, 1)) demo.mod = InfoValue(*system, "fs_game");
  for (const auto& [index, text] : strings)
    if (index >= kFirstPlayer && index < kFirstPlayer + kClients)
      if (std::string name = InfoValue(text, "n"); !name.empty()) demo.players.push_back(name);
  return demo;
}

}  // namespace kalv
