#include "platform/win32/command_line.h"

namespace kalv::win32 {

// The program token follows the rule Windows itself uses for it: a quoted token ends at
// the next quote, an unquoted one at the first blank or tab. Nothing after the blanks
// that follow it is touched, so a demo path keeps its quotes and trailing blanks.
std::wstring ArgumentsOf(const std::wstring& fullCommandLine) {
  std::size_t i = 0;
  const std::size_t n = fullCommandLine.size();
  if (n > 0 && fullCommandLine[0] == L'"') {
    i = fullCommandLine.find(L'"', 1);
    i = (i == std::wstring::npos) ? n : i + 1;
  } else {
    while (i < n && fullCommandLine[i] != L' ' && fullCommandLine[i] != L'\t') ++i;
  }
  while (i < n && (fullCommandLine[i] == L' ' || fullCommandLine[i] == L'\t')) ++i;
  return fullCommandLine.substr(i);
}

}  // namespace kalv::win32
