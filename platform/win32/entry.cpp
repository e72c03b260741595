// The entry point of each Windows program: the backend is built here and the program's
// portable main runs on it.
#include "platform/win32/windows_api.h"

#include <exception>

#include "platform/program_main.h"
#include "platform/win32/win32_platform.h"

namespace {

void NoteFatal(const char* what) {
  OutputDebugStringA("Kalvenmarque: unhandled exception: ");
  OutputDebugStringA(what);
  OutputDebugStringA("\n");
}

}  // namespace

// Nothing may unwind out of the program's main into the C runtime.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  try {
    kalv::win32::PrepareProcess();
    kalv::win32::Win32Platform backend;
    return kalv::ProgramMain(backend.platform());
  } catch (const std::exception& e) {
    NoteFatal(e.what());
  } catch (...) {
    NoteFatal("unknown");
  }
  return 255;
}
