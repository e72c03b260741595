#include "platform/win32/tests/child_modes.h"

#include "platform/win32/windows_api.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/win32/test_support.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_system.h"

namespace kalv::win32::testing {

std::string ReadText(const std::string& path) {
  std::ifstream in(Wide(path).c_str(), std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// The mode is searched for, not taken from argv[1]: an unquoted program path with a
// blank splits into several arguments before it.
int RunChildMode(int argc, char** argv) {
  int at = 1;
  while (at + 1 < argc && std::string(argv[at]).rfind("--child-", 0) != 0) ++at;
  if (at + 1 >= argc) return -1;
  const std::string mode = argv[at];
  const std::string arg = argv[at + 1];
  Win32System system;
  if (mode == "--child-log") {
    wchar_t cwd[MAX_PATH];
    const DWORD n = GetCurrentDirectoryW(MAX_PATH, cwd);
    const std::string text =
        RunningProgramPath() + "\n" + Utf8(cwd, n) + "\n" + system.CommandLine();
    return WriteTestFile(arg, text) ? 0 : 2;
  }
  if (mode == "--child-exit") return std::atoi(arg.c_str());
  if (mode == "--child-sleep") {
    Sleep(static_cast<DWORD>(std::atoi(arg.c_str())));
    return 0;
  }
  if (mode == "--child-wait") {
    for (int i = 0; i < 400; ++i) {
      if (GetFileAttributesW(Wide(arg).c_str()) != INVALID_FILE_ATTRIBUTES) return 3;
      Sleep(50);
    }
    return 4;
  }
  if (mode == "--child-instance")
    return WriteTestFile(arg, system.AnotherInstanceRunning() ? "1" : "0") ? 0 : 2;
  return -1;
}

}  // namespace kalv::win32::testing
