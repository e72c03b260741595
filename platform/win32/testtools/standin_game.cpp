// A stand-in for every game executable: it records how it was started and what the
// player prepared for it, then exits, sleeps, waits to be released or crashes, as the
// test asks through the environment.
#include <windows.h>
#include <psapi.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/testtools/wall_clock.h"
#include "platform/win32/testtools/wide_text.h"

namespace kalv::testtools {
namespace {

constexpr DWORD kSmallText = 4096;

std::wstring Env(const wchar_t* name, const std::wstring& fallback = L"") {
  DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return fallback;
  std::wstring value(size, L'\0');
  DWORD got = GetEnvironmentVariableW(name, value.data(), size);
  value.resize(got);
  return value;
}

std::wstring ModulePath() {
  std::wstring path(32768, L'\0');
  DWORD got = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(got);
  return path;
}

std::wstring DirectoryOf(const std::wstring& path) {
  std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

std::wstring WorkingDirectory() {
  DWORD size = GetCurrentDirectoryW(0, nullptr);
  std::wstring dir(size, L'\0');
  DWORD got = GetCurrentDirectoryW(size, dir.data());
  dir.resize(got);
  return dir;
}

// Relative names resolve against the working directory, as the game itself would open them.
std::wstring FullPath(const std::wstring& path) {
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  DWORD got = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  full.resize(got);
  return full;
}

std::vector<std::wstring> SplitList(const std::wstring& list) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(L';', start);
    if (end == std::wstring::npos) end = list.size();
    if (end > start) parts.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// Small text files are logged line by line so a test can look for one setting.
std::string DescribeWatched(const std::wstring& name) {
  std::wstring full = FullPath(name);
  std::string out = "watch: " + ToUtf8(name) + "\n";
  out += "watch-path: " + ToUtf8(full) + "\n";
  DWORD attributes = GetFileAttributesW(full.c_str());
  bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  bool directory = exists && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  bool readOnly = exists && (attributes & FILE_ATTRIBUTE_READONLY);
  out += std::string("watch-state: exists=") + (exists ? "1" : "0") +
         " readonly=" + (readOnly ? "1" : "0") + " directory=" + (directory ? "1" : "0");
  if (!exists || directory) return out + "\n";
  HANDLE file = CreateFileW(full.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return out + " readable=0\n";
  LARGE_INTEGER size{};
  GetFileSizeEx(file, &size);
  out += " size=" + std::to_string(size.QuadPart) + "\n";
  if (size.QuadPart < kSmallText) {
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!bytes.empty())
      ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    bytes.resize(got);
    bool text = bytes.find('\0') == std::string::npos;
    if (text) {
      std::size_t start = 0;
      while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out += "content: " + line + "\n";
        start = end + 1;
      }
    }
  }
  CloseHandle(file);
  return out;
}

// Appends one whole block; another stand-in may be writing at the same moment, so a
// sharing refusal is retried for a while.
void AppendToLog(const std::wstring& logPath, const std::string& block) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    HANDLE file = CreateFileW(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr);
      FlushFileBuffers(file);
      CloseHandle(file);
      return;
    }
    Sleep(20);
  }
}

// A copy of the stand-in can carry a release marker appended to its file
// ("KALV-RELEASE v1.27h"), so a test sees which stored executable was started.
std::string ReleaseMarker(const std::wstring& module) {
  HANDLE file = CreateFileW(module.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  LARGE_INTEGER size{};
  GetFileSizeEx(file, &size);
  const LONGLONG tail = size.QuadPart < 256 ? size.QuadPart : 256;
  LARGE_INTEGER at{};
  at.QuadPart = size.QuadPart - tail;
  std::string bytes(static_cast<std::size_t>(tail), '\0');
  DWORD got = 0;
  if (SetFilePointerEx(file, at, nullptr, FILE_BEGIN))
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
  CloseHandle(file);
  bytes.resize(got);
  const std::string marker = "KALV-RELEASE ";
  const std::size_t found = bytes.rfind(marker);
  if (found == std::string::npos) return "";
  std::string release = bytes.substr(found + marker.size());
  const std::size_t end = release.find_first_of("\r\n");
  return end == std::string::npos ? release : release.substr(0, end);
}

// What a minimal GUI program costs: its peak working set and the processor time it used.
std::string OwnCosts() {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  const SIZE_T peak = GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory)
                          ? memory.PeakWorkingSetSize
                          : 0;
  FILETIME created, exited, kernel, user;
  unsigned long long cpu = 0;
  if (GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
    cpu = (Ticks(kernel) + Ticks(user)) / 10;
  return "peak-working-set: " + std::to_string(peak) + "\ncpu-us: " + std::to_string(cpu) + "\n";
}

// A plain window that says how the game was started, for a person watching a run.
// "shown-us" stamps when the window has been painted: what a program started by wine alone
// takes to show a window, beside "started-us", when it had only started.
void ShowFor(DWORD milliseconds, const std::wstring& text, const std::wstring& logPath) {
  HWND window = CreateWindowExW(
      0, L"STATIC", text.c_str(), WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE | SS_CENTER,
      CW_USEDEFAULT, CW_USEDEFAULT, 640, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowTextW(window, text.c_str());
  UpdateWindow(window);
  AppendToLog(logPath, "shown-us: " + WallMicroseconds() + "\n");
  const DWORD until = GetTickCount() + milliseconds;
  while (GetTickCount() < until) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
  DestroyWindow(window);
}

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int Run() {
  const std::string startedAt = WallMicroseconds();
  std::wstring module = ModulePath();
  std::wstring logPath = Env(L"KALV_STANDIN_LOG", DirectoryOf(module) + L"\\standin.log");
  std::wstring mode = Env(L"KALV_STANDIN_MODE", L"exit");
  int exitCode = _wtoi(Env(L"KALV_STANDIN_EXIT", L"0").c_str());

  std::string block = "[standin]\n";
  block += "module: " + ToUtf8(module) + "\n";
  block += "commandline: " + ToUtf8(GetCommandLineW()) + "\n";
  block += "workdir: " + ToUtf8(WorkingDirectory()) + "\n";
  block += "pid: " + std::to_string(GetCurrentProcessId()) + "\n";
  block += "started-us: " + startedAt + "\n";
  const std::string release = ReleaseMarker(module);
  if (!release.empty()) block += "release: " + release + "\n";
  for (const std::wstring& name : SplitList(Env(L"KALV_STANDIN_WATCH")))
    block += DescribeWatched(name);
  block += "mode: " + ToUtf8(mode) + "\n";
  block += "[/standin]\n";
  AppendToLog(logPath, block);

  if (mode.rfind(L"ask:", 0) == 0) {
    // A question box, so that the UI driver's message-box handling can be tried on it.
    int answer = MessageBoxW(nullptr, mode.c_str() + 4, L"Stand-in question",
                             MB_YESNOCANCEL | MB_ICONQUESTION);
    AppendToLog(logPath, "answer: " + std::to_string(answer) + "\n");
  } else if (mode.rfind(L"show:", 0) == 0) {
    std::wstring text = L"Stand-in game " + module;
    if (!release.empty()) text += L" (release " + ToWide(release) + L")";
    text += L"\nstarted as: " + std::wstring(GetCommandLineW());
    ShowFor(static_cast<DWORD>(_wtoi(mode.c_str() + 5)), text, logPath);
  } else if (mode.rfind(L"sleep:", 0) == 0) {
    Sleep(static_cast<DWORD>(_wtoi(mode.c_str() + 6)));
  } else if (mode == L"wait") {
    std::wstring releaseFile = Env(L"KALV_STANDIN_RELEASE");
    while (!releaseFile.empty() && !FileExists(FullPath(releaseFile))) Sleep(50);
  } else if (mode.rfind(L"hold:", 0) == 0) {
    // Another program holding a file open without sharing, until it is released.
    HANDLE held = CreateFileW(FullPath(mode.substr(5)).c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    AppendToLog(logPath, held == INVALID_HANDLE_VALUE ? "held: 0\n" : "held: 1\n");
    std::wstring releaseFile = Env(L"KALV_STANDIN_RELEASE");
    while (!releaseFile.empty() && !FileExists(FullPath(releaseFile))) Sleep(50);
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
  } else if (mode == L"crash") {
    // No crash dialog: the test only wants the process gone with a fault.
    SetErrorMode(SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS);
    volatile int* nowhere = nullptr;
    *nowhere = 1;
  }
  // With KALV_STANDIN_WATCH_AT_END=1 the watched files are looked at again while the game
  // is still running, just before its end: "end-watch-state:" lines tell whether anything
  // undid them under the running game.
  if (Env(L"KALV_STANDIN_WATCH_AT_END") == L"1") {
    std::string atEnd;
    for (const std::wstring& name : SplitList(Env(L"KALV_STANDIN_WATCH"))) {
      const std::string described = DescribeWatched(name);
      for (std::size_t from = 0; from < described.size();) {
        const std::size_t to = described.find('\n', from);
        atEnd += "end-" + described.substr(from, to - from) + "\n";
        from = to == std::string::npos ? described.size() : to + 1;
      }
    }
    AppendToLog(logPath, atEnd);
  }
  // The end is stamped before the log is written, so the stamp is when the game ended.
  const std::string endedAt = "ended-us: " + WallMicroseconds() + "\n" + OwnCosts();
  if (mode != L"exit" && mode.rfind(L"ask:", 0) != 0)
    AppendToLog(logPath, "[ended " + std::to_string(GetCurrentProcessId()) + "]\n" + endedAt);
  return exitCode;
}

}  // namespace
}  // namespace kalv::testtools

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return kalv::testtools::Run(); }
