// The program's own command line as the programs read it.
#pragma once

#include <string>

namespace kalv::win32 {

// The full process command line without its first token (the program name, quoted or
// not) and the blanks after it; the rest stays exactly as given.
std::wstring ArgumentsOf(const std::wstring& fullCommandLine);

}  // namespace kalv::win32
