#include "platform/win32/wide.h"

#include "platform/win32/windows_api.h"

namespace kalv::win32 {

// Invalid UTF-8 becomes U+FFFD rather than failing, so a bad byte never loses a whole path.
std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return std::wstring();
  const int size = static_cast<int>(utf8.size());
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), n);
  return out;
}

std::string Utf8(const wchar_t* wide, std::size_t length) {
  if (length == 0) return std::string();
  const int size = static_cast<int>(length);
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide, size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, size, out.data(), n, nullptr, nullptr);
  return out;
}

std::string Utf8(const std::wstring& wide) { return Utf8(wide.data(), wide.size()); }

}  // namespace kalv::win32
