// UTF-8 <-> UTF-16 at the boundary of the test tools, and raw UTF-8 output.
#pragma once

#include <string>

namespace kalv::testtools {

std::string ToUtf8(const std::wstring& text);
std::wstring ToWide(const std::string& text);
// Writes bytes to standard output unchanged, so a redirected file receives UTF-8.
void WriteOut(const std::string& text);
void WriteErr(const std::string& text);

}  // namespace kalv::testtools
