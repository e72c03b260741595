// UTF-8 (inside the programs) <-> UTF-16 (the wide Windows API), at the boundary only.
#pragma once

#include <string>

namespace kalv::win32 {

std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);
std::string Utf8(const wchar_t* wide, std::size_t length);

}  // namespace kalv::win32
