#include "platform/win32/test_support.h"

#include "platform/win32/windows_api.h"

#include <atomic>

#include "platform/win32/wide.h"
#include "platform/win32/win32_system.h"

namespace kalv::win32 {

FileHold::FileHold(const std::string& path, Mode mode) {
  const DWORD access = mode == Exclusive ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
  const DWORD sharing = mode == Exclusive ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE;
  HANDLE h = CreateFileW(Wide(path).c_str(), access, sharing, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  handle_ = (h == INVALID_HANDLE_VALUE) ? nullptr : h;
}

FileHold::~FileHold() {
  if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
}

std::string TemporaryDirectory() {
  wchar_t buffer[MAX_PATH + 1];
  DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
  while (n > 0 && buffer[n - 1] == L'\\') --n;
  return Utf8(buffer, n);
}

// The process id and a counter make parallel test runs and repeated calls distinct.
std::string MakeScratchDirectory(const std::string& prefix) {
  return MakeScratchDirectoryIn(TemporaryDirectory(), prefix);
}

std::string MakeScratchDirectoryIn(const std::string& parent, const std::string& prefix) {
  static std::atomic<int> counter{0};
  for (;;) {
    const std::string dir = parent + "\\" + prefix + "-" + std::to_string(GetCurrentProcessId()) +
                            "-" + std::to_string(++counter);
    if (CreateDirectoryW(Wide(dir).c_str(), nullptr)) return dir;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return std::string();
  }
}

void RemoveTree(const std::string& dir) {
  if (dir.empty()) return;
  const std::wstring wdir = Wide(dir);
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((wdir + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring full = wdir + L"\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(Utf8(full));
      } else {
        SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(full.c_str());
      }
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  SetFileAttributesW(wdir.c_str(), FILE_ATTRIBUTE_DIRECTORY);
  RemoveDirectoryW(wdir.c_str());
}

void RemoveRegistryTree(RegRoot root, const std::string& path) {
  HKEY base = HKEY_CURRENT_USER;
  switch (root) {
    case RegRoot::ClassesRoot: base = HKEY_CLASSES_ROOT; break;
    case RegRoot::CurrentUser: base = HKEY_CURRENT_USER; break;
    case RegRoot::LocalMachine: base = HKEY_LOCAL_MACHINE; break;
    case RegRoot::Users: base = HKEY_USERS; break;
  }
  RegDeleteTreeW(base, Wide(path).c_str());
  RegDeleteKeyW(base, Wide(path).c_str());
}

std::string RunningProgramPath() { return Utf8(ProgramFilePath()); }

std::uint32_t CurrentProcessId() { return GetCurrentProcessId(); }

bool WriteTestFile(const std::string& path, const std::string& bytes) {
  HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(h);
  return ok && written == bytes.size();
}

bool CopyTestFile(const std::string& from, const std::string& to) {
  return CopyFileW(Wide(from).c_str(), Wide(to).c_str(), FALSE) != FALSE;
}

std::string ShortPath(const std::string& path) {
  wchar_t buffer[MAX_PATH];
  const DWORD n = GetShortPathNameW(Wide(path).c_str(), buffer, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return std::string();
  const std::string shortPath = Utf8(buffer, n);
  return shortPath == path ? std::string() : shortPath;
}

std::string EnvironmentVariable(const std::string& name) {
  wchar_t buffer[1024];
  const DWORD n = GetEnvironmentVariableW(Wide(name).c_str(), buffer, 1024);
  return n == 0 || n >= 1024 ? std::string() : Utf8(buffer, n);
}

std::uint64_t FreeBytes(const std::string& folder) {
  ULARGE_INTEGER available{};
  if (!GetDiskFreeSpaceExW(Wide(folder + "\\").c_str(), &available, nullptr, nullptr)) return 0;
  return available.QuadPart;
}

std::string CurrentDirectory() {
  const DWORD need = GetCurrentDirectoryW(0, nullptr);
  std::wstring dir(need, L'\0');
  const DWORD got = GetCurrentDirectoryW(need, dir.data());
  dir.resize(got < need ? got : 0);
  return Utf8(dir);
}

bool SetCurrentDirectoryTo(const std::string& dir) {
  return SetCurrentDirectoryW(Wide(dir).c_str()) != FALSE;
}

void SetDriveDirectory(const std::string& drive, const std::string& dir) {
  const std::wstring name = L"=" + Wide(drive.substr(0, 2));
  SetEnvironmentVariableW(name.c_str(), dir.empty() ? nullptr : Wide(dir).c_str());
}

// Wine names the Unix path of a Windows path through an export of its own.
std::string UnixDriveRoute(const std::string& path) {
  using UnixName = char*(CDECL*)(LPCWSTR);
  FARPROC proc = GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name");
  if (!proc) return std::string();
  const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(proc));
  char* name = unixName(Wide(path).c_str());
  if (!name) return std::string();
  std::string route = std::string("Z:") + name;
  HeapFree(GetProcessHeap(), 0, name);
  for (char& c : route)
    if (c == '/') c = '\\';
  return route;
}

}  // namespace kalv::win32
