#include "platform/win32/win32_profile.h"

#include "platform/win32/windows_api.h"

#include <vector>

#include "platform/win32/wide.h"

namespace kalv::win32 {

// The value is the buffer's first n characters, n being the count the reader returns.
std::string Win32Profile::ReadString(const std::string& path, const std::string& section,
                                     const std::string& key, const std::string& fallback,
                                     std::size_t bufferChars) {
  if (bufferChars == 0) return std::string();
  std::vector<wchar_t> buffer(bufferChars, L'\0');
  const DWORD n = GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(),
                                           Wide(fallback).c_str(), buffer.data(),
                                           static_cast<DWORD>(bufferChars), Wide(path).c_str());
  return Utf8(buffer.data(), n);
}

}  // namespace kalv::win32
