#include "games/archive_directory.h"

#include <algorithm>
#include <memory>

#include "games/demo_bytes.h"

namespace kalv {

namespace {

constexpr std::uint32_t kZipEnd = 0x06054b50;      // "PK\5\6"
constexpr std::uint32_t kZipCentral = 0x02014b50;  // "PK\1\2"
constexpr std::size_t kZipEndBytes = 22;
constexpr std::size_t kZipCentralBytes = 46;
// The end record and the longest comment a zip may carry after it.
constexpr std::size_t kZipTailBytes = kZipEndBytes + 65535;
constexpr std::size_t kPackHeaderBytes = 12;
constexpr std::size_t kPackEntryBytes = 64;
constexpr std::size_t kPackNameBytes = 56;

std::uint32_t Le(std::string_view bytes, std::size_t at, std::size_t width) {
  std::uint32_t value = 0;
  for (std::size_t i = width; i-- > 0;)
    value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

bool EndsWithNoCase(const std::string& text, const char* tail) {
  const std::size_t n = std::char_traits<char>::length(tail);
  return text.size() >= n && EqualsNoCase(text.substr(text.size() - n), tail);
}

std::optional<std::string> ReadAt(FileStream& stream, std::uint64_t offset, std::size_t count) {
  if (!stream.Seek(offset)) return std::nullopt;
  auto bytes = stream.Read(count);
  if (!bytes || bytes.value().size() != count) return std::nullopt;
  return std::move(bytes).value();
}

std::optional<std::vector<std::string>> ZipNames(FileStream& stream, std::uint64_t length) {
  // The end record is usually the last 22 bytes; a comment pushes it further in.
  for (const std::size_t want : {kZipEndBytes, kZipTailBytes}) {
    const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(want, length));
    const auto tail = ReadAt(stream, length - count, count);
    if (!tail) return std::nullopt;
    if (const auto directory = FindZipDirectory(*tail, length - count, length)) {
      const auto bytes =
          ReadAt(stream, directory->offset, static_cast<std::size_t>(directory->size));
      if (!bytes) return std::nullopt;
      return ReadZipNames(*bytes, directory->entries);
    }
    if (count == length) break;
  }
  return std::nullopt;
}

std::optional<std::vector<std::string>> PackNames(FileStream& stream, std::uint64_t length) {
  const auto header = ReadAt(stream, 0, kPackHeaderBytes);
  const auto directory = header ? ReadPackHeader(*header, length) : std::nullopt;
  if (!directory) return std::nullopt;
  const auto bytes = ReadAt(stream, directory->offset, static_cast<std::size_t>(directory->size));
  if (!bytes) return std::nullopt;
  return ReadPackNames(*bytes);
}

}  // namespace

// The last end record whose comment reaches exactly to the end of the file is the one.
std::optional<ZipDirectory> FindZipDirectory(std::string_view tail, std::uint64_t tailStart,
                                             std::uint64_t fileLength) {
  if (tail.size() < kZipEndBytes) return std::nullopt;
  for (std::size_t at = tail.size() - kZipEndBytes + 1; at-- > 0;) {
    if (Le(tail, at, 4) != kZipEnd) continue;
    if (at + kZipEndBytes + Le(tail, at + 20, 2) != tail.size()) continue;
    ZipDirectory directory;
    directory.entries = Le(tail, at + 10, 2);
    directory.size = Le(tail, at + 12, 4);
    directory.offset = Le(tail, at + 16, 4);
    const std::uint64_t endAt = tailStart + at;
    if (directory.size > kLargestArchiveDirectory || directory.offset > endAt ||
        directory.size > endAt - directory.offset || endAt > fileLength)
      return std::nullopt;
    return directory;
  }
  return std::nullopt;
}

std::optional<std::vector<std::string>> ReadZipNames(std::string_view directory,
                                                     std::size_t entries) {
  if (entries > kMostArchiveEntries) return std::nullopt;
  std::vector<std::string> names;
  std::size_t at = 0;
  for (std::size_t i = 0; i < entries; ++i) {
    if (directory.size() - at < kZipCentralBytes || Le(directory, at, 4) != kZipCentral)
      return std::nullopt;
    const std::size_t name = Le(directory, at + 28, 2);
    const std::size_t rest = name + Le(directory, at + 30, 2) + Le(directory, at + 32, 2);
    if (directory.size() - at - kZipCentralBytes < rest) return std::nullopt;
    names.emplace_back(directory.substr(at + kZipCentralBytes, name));
    at += kZipCentralBytes + rest;
  }
  return names;
}

std::optional<PackDirectory> ReadPackHeader(std::string_view header, std::uint64_t fileLength) {
  if (header.size() < kPackHeaderBytes || header.substr(0, 4) != "PACK") return std::nullopt;
  DemoBytes in(header.substr(4));
  const auto offset = in.Long();
  const auto size = in.Long();
  if (!offset || !size || *offset < 0 || *size < 0 || *size % kPackEntryBytes != 0 ||
      static_cast<std::uint64_t>(*size) / kPackEntryBytes > kMostArchiveEntries ||
      static_cast<std::uint64_t>(*offset) + static_cast<std::uint64_t>(*size) > fileLength)
    return std::nullopt;
  return PackDirectory{static_cast<std::uint64_t>(*offset), static_cast<std::uint64_t>(*size)};
}

std::optional<std::vector<std::string>> ReadPackNames(std::string_view directory) {
  if (directory.size() % kPackEntryBytes != 0 ||
      directory.size() / kPackEntryBytes > kMostArchiveEntries)
    return std::nullopt;
  std::vector<std::string> names;
  for (std::size_t at = 0; at < directory.size(); at += kPackEntryBytes) {
    DemoBytes entry(directory.substr(at, kPackEntryBytes));
    const auto name = entry.Field(kPackNameBytes);
    if (!name) return std::nullopt;
    names.push_back(*name);
  }
  return names;
}

std::optional<std::vector<std::string>> ArchiveNames(Files& files, const std::string& path) {
  const bool zip = EndsWithNoCase(path, ".pk3");
  if (!zip && !EndsWithNoCase(path, ".pak")) return std::nullopt;
  auto opened = files.OpenRead(path);
  if (!opened) return std::nullopt;
  std::unique_ptr<FileStream> stream = std::move(opened).value();
  const auto length = stream->Length();
  if (!length) return std::nullopt;
  return zip ? ZipNames(*stream, length.value()) : PackNames(*stream, length.value());
}

}  // namespace kalv
