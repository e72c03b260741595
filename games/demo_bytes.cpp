#include "games/demo_bytes.h"

namespace kalv {

std::optional<std::uint8_t> DemoBytes::Byte() {
  if (Left() < 1) return std::nullopt;
  return static_cast<std::uint8_t>(bytes_[at_++]);
}

std::optional<std::int32_t> DemoBytes::Long() {
  if (Left() < 4) return std::nullopt;
  std::uint32_t value = 0;
  for (std::size_t i = 4; i-- > 0;)
    value = (value << 8) | static_cast<std::uint8_t>(bytes_[at_ + i]);
  at_ += 4;
  return static_cast<std::int32_t>(value);
}

std::optional<std::string> DemoBytes::String() {
  const std::size_t end = bytes_.find('\0', at_);
  if (end == std::string_view::npos) return std::nullopt;
  std::string text(bytes_.substr(at_, end - at_));
  at_ = end + 1;
  return text;
}

std::optional<std::string> DemoBytes::Field(std::size_t width) {
  if (Left() < width) return std::nullopt;
  const std::string_view field = bytes_.substr(at_, width);
  const std::size_t end = field.find('\0');
  if (end == std::string_view::npos) return std::nullopt;
  at_ += width;
  return std::string(field.substr(0, end));
}

bool DemoBytes::Skip(std::size_t count) {
  if (Left() < count) return false;
  at_ += count;
  return true;
}

DemoBytes DemoBytes::Part(std::size_t count) const { return DemoBytes(bytes_.substr(at_, count)); }

}  // namespace kalv
