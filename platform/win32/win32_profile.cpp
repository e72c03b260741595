#include "platform/win32/win32_profile.h"

#include "platform/win32/windows_api.h"

#include <vector>

#include "platform/utf16.h"
#include "platform/win32/wide.h"

namespace kalv::win32 {

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

}  // namespace kalv::win32
