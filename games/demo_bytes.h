// What the demo files of the games are made of: little-endian numbers and NUL-terminated
// texts, read from the bytes at hand and never past them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/folder_name.h"

namespace kalv {

// A read position in a demo's first bytes. Every read answers nothing, and leaves the
// position where it was, when the bytes end before what it reads.
class DemoBytes {
 public:
  explicit DemoBytes(std::string_view bytes) : bytes_(bytes) {}

  std::optional<std::uint8_t> Byte();
  std::optional<std::int32_t> Long();
  // The characters up to the next NUL, which is passed over.
  std::optional<std::string> String();
  // A text in a field of width bytes: the characters up to its first NUL; nothing when
  // the field holds no NUL.
  std::optional<std::string> Field(std::size_t width);
  bool Skip(std::size_t count);
  // The bytes from here on, at most count of them, as a reader of their own; this one
  // stays where it is.
  DemoBytes Part(std::size_t count) const;

  std::size_t Offset() const { return at_; }
  bool AtEnd() const { return at_ >= bytes_.size(); }

 private:
  std::size_t Left() const { return bytes_.size() - at_; }

  std::string_view bytes_;
  std::size_t at_ = 0;  // never past the end
};

}  // namespace kalv
