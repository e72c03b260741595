// Demo files laid out byte for byte as the games record them, for the tests of the
// demo readers and of the dispatcher.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "games/message_huffman.h"

namespace kalv::testing::layout {

inline std::string Le32(std::int64_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}
inline std::string Le16(int value) { return Le32(value).substr(0, 2); }
inline std::string Z(const std::string& text) { return text + '\0'; }
// A text in a fixed field, the rest NULs.
inline std::string Field(const std::string& text, std::size_t width) {
  std::string field = text;
  field.resize(width, '\0');
  return field;
}

inline std::string Le32Float(float value) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return Le32(bits);
}

// Half-Life: the header, the loading segment's first frame, and the directory of its two
// segments at the end, where the header's last field points; each segment with its length
// in seconds.
inline std::string HalfLife(int demoProtocol, int networkProtocol, const std::string& map,
                            const std::string& folder, float loading = 0, float playback = 0) {
  std::string demo = "HLDEMO" + std::string(2, '\0') + Le32(demoProtocol) + Le32(networkProtocol) +
                     Field(map, 260) + Field(folder, 260) + Le32(0x5C3A1F07);  // the map's checksum
  const std::string frames = std::string("\x00", 1) + Le32(0) + Le32(0) + std::string(468, '\x11');
  demo += Le32(static_cast<std::int64_t>(demo.size() + 4 + frames.size())) + frames;
  demo += Le32(2);
  for (const auto& [title, seconds] : {std::pair{"LOADING", loading}, {"Playback", playback}})
    demo += Le32(0) + Field(title, 64) + Le32(0) + Le32(-1) + Le32Float(seconds) + Le32(0) +
            Le32(548) + Le32(472);
  return demo;
}

// Quake 1: the CD track line, then one block per packet: its length, the view angles
// and the messages.
inline std::string Quake1Block(const std::string& messages) {
  return Le32(static_cast<std::int64_t>(messages.size())) + std::string(12, '\0') + messages;
}
inline std::string Quake1Print(const std::string& text) { return "\x08" + Z(text); }
// The server info, then the CD track, the view entity and the first sign-on step.
inline std::string Quake1ServerInfo(int protocol, const std::string& title,
                                    const std::vector<std::string>& models) {
  std::string info = "\x0B" + Le32(protocol);
  if (protocol == 999) info += Le32(0x0C);  // RMQ's flags: short angles, float coordinates
  info += std::string("\x08\x01", 2) + Z(title);
  for (const std::string& model : models) info += Z(model);
  info += Z("") + Z("weapons/ric1.wav") + Z("player/land.wav") + Z("");
  return info + std::string("\x20\x02\x02\x05\x01\x00\x19\x01", 8);
}
inline std::string Quake1(const std::string& track, const std::string& firstPacket) {
  return track + "\n" + Quake1Block(firstPacket) +
         Quake1Block(std::string("\x07\x00\x00\x80\x3f\x01", 6));
}
inline const std::vector<std::string>& Quake1Models() {
  static const std::vector<std::string> models = {"maps/e1m1.bsp", "*1", "*2", "progs/player.mdl",
                                                  "progs/eyes.mdl"};
  return models;
}

// Quake 2: blocks of a length and the messages; the first holds the server data (protocol,
// server count, attract loop, game folder, player, level) and the first config strings.
inline std::string Quake2ServerDataMessage(int protocol, int attractLoop,
                                           const std::string& folder) {
  return "\x0C" + Le32(protocol) + Le32(0x2F41) + static_cast<char>(attractLoop) + Z(folder) +
         Le16(0) + Z("The Edge");
}
inline std::string Quake2(const std::string& firstMessages) {
  const std::string messages =
      firstMessages + "\x0D" + Le16(0) + Z("The Edge") + "\x0D" + Le16(33) + Z("maps/q2dm1.bsp");
  return Le32(static_cast<std::int64_t>(messages.size())) + messages + Le32(-1);
}

// Quake 3: blocks of the server message sequence, a length and Huffman-coded bytes; two
// -1 end the recording.
inline std::string Quake3() {
  const std::string coded("\x8B\x3D\x00\x4C\xE1\x07\x92\x5A\x13\x00\x6E", 11);
  return Le32(1033) + Le32(static_cast<std::int64_t>(coded.size())) + coded + Le32(-1) + Le32(-1);
}

// Quake 3 engine games: the gamestate a server sends first (after the reliable
// acknowledge, which 1.15 to 1.17 do not send): its command sequence, the configuration
// strings, then the end of the message with the client number and the checksum feed.
using Strings = std::vector<std::pair<int, std::string>>;
inline std::string EngineGamestate(const Strings& strings, bool acknowledge = true) {
  std::string message = acknowledge ? Le32(7) : "";
  message += "\x02" + Le32(3);
  for (const auto& [index, text] : strings) message += "\x03" + Le16(index) + Z(text);
  return message + "\x08" + Le32(0) + Le32(12345) + "\x08";
}
// The message as releases from 1.29 send it: each byte's code, least significant bit first.
inline std::string HuffmanCoded(const std::string& message) {
  std::string coded;
  std::size_t bit = 0;
  for (const char byte : message)
    for (const char* code = kMessageHuffmanCodes[static_cast<std::uint8_t>(byte)]; *code;
         ++code, ++bit) {
      if (bit / 8 == coded.size()) coded += '\0';
      if (*code == '1') coded[bit / 8] = static_cast<char>(coded[bit / 8] | (1 << (bit % 8)));
    }
  return coded;
}
// A server message with a snapshot at a server time, behind a server command as a message
// with news carries it; what the snapshot holds after its time is left as filler.
inline std::string EngineSnapshot(int serverTime, std::size_t filler, bool acknowledge = true) {
  return (acknowledge ? Le32(7) : "") + "\x05" + Le32(4) + Z("cp \"Fight!\"") + "\x07" +
         Le32(serverTime) + std::string(filler, '\x5A');
}
// The messages' blocks, with sequences rising from 1033.
inline std::string EngineBlocks(const std::vector<std::string>& messages) {
  std::string blocks;
  std::int64_t sequence = 1033;
  for (const std::string& message : messages)
    blocks += Le32(sequence++) + Le32(static_cast<std::int64_t>(message.size())) + message;
  return blocks;
}
// A recording: the message's block, and the two -1 that end it.
inline std::string EngineRecording(const std::string& message) {
  return EngineBlocks({message}) + Le32(-1) + Le32(-1);
}

// A zip as the .pk3 archives are: each entry's local header and bytes (the first one's
// bulk bytes longer), the central directory, the end record with its comment.
inline std::string Zip(const std::vector<std::string>& names, const std::string& comment = "",
                       std::size_t bulk = 0) {
  std::string entries, directory;
  for (const std::string& name : names) {
    const std::string data = "bytes of " + name + std::string(entries.empty() ? bulk : 0, '\0');
    const std::string sizes = Le32(0x1D2C3B4A) + Le32(static_cast<std::int64_t>(data.size())) +
                              Le32(static_cast<std::int64_t>(data.size()));
    const std::string nameLength = Le16(static_cast<int>(name.size()));
    directory += Le32(0x02014b50) + Le16(20) + Le16(20) + Le16(0) + Le16(0) + Le32(0) + sizes +
                 nameLength + Le16(0) + Le16(0) + Le16(0) + Le16(0) + Le32(0) +
                 Le32(static_cast<std::int64_t>(entries.size())) + name;
    entries += Le32(0x04034b50) + Le16(20) + Le16(0) + Le16(0) + Le32(0) + sizes + nameLength +
               Le16(0) + name + data;
  }
  const int count = static_cast<int>(names.size());
  return entries + directory + Le32(0x06054b50) + Le16(0) + Le16(0) + Le16(count) + Le16(count) +
         Le32(static_cast<std::int64_t>(directory.size())) +
         Le32(static_cast<std::int64_t>(entries.size())) + Le16(static_cast<int>(comment.size())) +
         comment;
}

// A "PACK" as the .pak archives are: the header, the files, the directory of 64-byte
// entries (a name of 56 bytes, where the file is and its length).
inline std::string Pack(const std::vector<std::string>& names) {
  std::string files, directory;
  for (const std::string& name : names) {
    const std::string data = "bytes of " + name;
    directory += Field(name, 56) + Le32(static_cast<std::int64_t>(12 + files.size())) +
                 Le32(static_cast<std::int64_t>(data.size()));
    files += data;
  }
  return "PACK" + Le32(static_cast<std::int64_t>(12 + files.size())) +
         Le32(static_cast<std::int64_t>(directory.size())) + files + directory;
}

}  // namespace kalv::testing::layout
