#include "platform/win32/win32_profile.h"

#include "platform/win32/windows_api.h"

#include <optional>
#include <vector>

#include "platform/profile_text.h"
#include "platform/utf16.h"
#include "platform/win32/wide.h"

namespace kalv::win32 {

namespace {

// Larger files are left to the system's reader, which the portable one stands in for.
constexpr DWORD kMostReadAtOnce = 1 << 20;

// The whole file, opened as the system's reader opens it; nothing when it cannot be read
// whole or is larger than kMostReadAtOnce.
std::optional<std::string> SmallFile(const std::string& path) {
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<std::string> bytes;
  LARGE_INTEGER size;
  if (GetFileSizeEx(file, &size) && size.QuadPart <= kMostReadAtOnce) {
    std::string read(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (read.empty() ||
        (ReadFile(file, read.data(), static_cast<DWORD>(read.size()), &got, nullptr) &&
         got == read.size()))
      bytes = std::move(read);
  }
  CloseHandle(file);
  return bytes;
}

bool StartsWithUtf16Mark(const std::string& bytes) {
  return bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0;
}

}  // namespace

// The value is the buffer's first n characters, n being the count the reader returns.
// On Windows a line starting with ';' is a comment, so no key spelled that way can be
// found; Wine's reader would match it as a key, hence the early default.
std::string Win32Profile::ReadString(const std::string& path, const std::string& section,
                                     const std::string& key, const std::string& fallback,
                                     std::size_t bufferChars) {
  if (bufferChars == 0) return std::string();
  const std::size_t first = key.find_first_not_of(" \t");
  if (first != std::string::npos && key[first] == ';')
    return CutToUtf16Units(fallback, bufferChars - 1);
  std::vector<wchar_t> buffer(bufferChars, L'\0');
  const DWORD n =
      GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(fallback).c_str(),
                               buffer.data(), static_cast<DWORD>(bufferChars), Wide(path).c_str());
  return Utf8(buffer.data(), n);
}

// The system's reader opens the file anew for every key, and asks the registry whether the
// file is mapped there; one reading with the portable reader does for all the keys. What
// only the system reads (a UTF-16 file), or a file not read whole, goes key by key to it.
std::vector<std::string> Win32Profile::ReadStrings(const std::string& path,
                                                   const std::string& section,
                                                   const std::vector<std::string>& keys,
                                                   const std::string& fallback,
                                                   std::size_t bufferChars) {
  std::vector<std::string> values;
  const std::optional<std::string> bytes = SmallFile(path);
  if (bytes && !StartsWithUtf16Mark(*bytes)) {
    const ProfileText text(*bytes);
    for (const std::string& key : keys)
      values.push_back(text.Value(section, key, fallback, bufferChars));
  } else {
    for (const std::string& key : keys)
      values.push_back(ReadString(path, section, key, fallback, bufferChars));
  }
  return values;
}

}  // namespace kalv::win32
