// Demo files laid out byte for byte as the games record them, for the tests of the
// demo readers and of the dispatcher.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

// Half-Life: the header, the loading segment's first frame, and the directory of its two
// segments at the end, where the header's last field points.
inline std::string HalfLife(int demoProtocol, int networkProtocol, const std::string& map,
                            const std::string& folder) {
  std::string demo = "HLDEMO" + std::string(2, '\0') + Le32(demoProtocol) + Le32(networkProtocol) +
                     Field(map, 260) + Field(folder, 260) + Le32(0x5C3A1F07);  // the map's checksum
  const std::string frames = std::string("\x00", 1) + Le32(0) + Le32(0) + std::string(468, '\x11');
  demo += Le32(static_cast<std::int64_t>(demo.size() + 4 + frames.size())) + frames;
  demo += Le32(2);
  for (const char* title : {"LOADING", "Playback"})
    demo +=
        Le32(0) + Field(title, 64) + Le32(0) + Le32(-1) + Le32(0) + Le32(0) + Le32(548) + Le32(472);
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

}  // namespace kalv::testing::layout
