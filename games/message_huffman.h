// The Huffman code of the Quake 3 engine's network messages from release 1.29 on: every
// byte of a message is sent as its symbol's code, bit by bit, least significant bit of each
// byte first. The codes are fixed: the engine builds them once, from its table of byte
// frequencies, with its adaptive Huffman tree (a test builds them so and compares).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kalv {

// The code of each byte value, its bits from the tree's root ('0' left, '1' right).
extern const char* const kMessageHuffmanCodes[256];

// Decodes the byte whose code starts at bit *bit of bytes, and moves *bit past it; nothing
// when the bytes end inside the code (then *bit is left as it was).
std::optional<std::uint8_t> DecodeHuffmanByte(std::string_view bytes, std::size_t* bit);

}  // namespace kalv
