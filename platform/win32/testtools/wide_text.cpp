#include "platform/win32/testtools/wide_text.h"

#include <windows.h>

namespace kalv::testtools {

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

std::wstring ToWide(const std::string& text) {
  if (text.empty()) return {};
  int size =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
  return out;
}

// WriteFile rather than stdio: the C runtime would translate through the ANSI code page.
static void WriteHandle(DWORD which, const std::string& text) {
  HANDLE handle = GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  std::size_t done = 0;
  while (done < text.size()) {
    DWORD written = 0;
    if (!WriteFile(handle, text.data() + done, static_cast<DWORD>(text.size() - done), &written,
                   nullptr) ||
        written == 0)
      return;
    done += written;
  }
}

void WriteOut(const std::string& text) { WriteHandle(STD_OUTPUT_HANDLE, text); }
void WriteErr(const std::string& text) { WriteHandle(STD_ERROR_HANDLE, text); }

}  // namespace kalv::testtools
