#include "platform/win32/win32_system.h"

#include "platform/win32/windows_api.h"
#include <shlobj.h>

#include <vector>

#include "platform/win32/command_line.h"
#include "platform/win32/error_map.h"
#include "platform/win32/shell_library.h"
#include "platform/win32/wide.h"

namespace kalv::win32 {

namespace {
constexpr DWORD kVersionInfoCap = 64000;
}  // namespace

// Grows the buffer until the whole path fits, so deep install directories work.
std::wstring ProgramFilePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::wstring();
    if (n < buffer.size()) return std::wstring(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

// Case-folded, so copies started under differently cased names still count as one
// program; "Local\" keeps the test per session, as it was per machine on Windows 9x.
std::wstring InstanceMutexName(const std::wstring& fileName) {
  std::wstring name = fileName;
  if (!name.empty()) CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
  return L"Local\\Kalvenmarque.Instance." + name;
}

Win32System::~Win32System() {
  if (instanceMutex_) CloseHandle(static_cast<HANDLE>(instanceMutex_));
}

std::string Win32System::CommandLine() { return Utf8(ArgumentsOf(GetCommandLineW())); }

std::string Win32System::ProgramDirectory() {
  const std::wstring path = ProgramFilePath();
  const std::size_t slash = path.find_last_of(L"\\/");
  return Utf8(slash == std::wstring::npos ? std::wstring() : path.substr(0, slash));
}

std::string Win32System::ProgramFile() { return Utf8(ProgramFilePath()); }

Result<std::string> Win32System::UserName() {
  wchar_t name[256];
  DWORD size = 256;
  if (!GetUserNameW(name, &size)) return LastFailure();
  // The size counts the terminator.
  return Utf8(name, size > 0 ? size - 1 : 0);
}

int Win32System::DriveType(const std::string& root) {
  return static_cast<int>(GetDriveTypeW(Wide(root).c_str()));
}

Result<std::string> Win32System::WindowsDirectory() {
  wchar_t buffer[MAX_PATH];
  const UINT n = GetWindowsDirectoryW(buffer, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return LastFailure();
  return Utf8(buffer, n);
}

// The environment names the folder without loading the shell, which a demo run never
// needs otherwise.
Result<std::string> Win32System::LocalAppDataDirectory() {
  wchar_t buffer[32768];
  const DWORD n = GetEnvironmentVariableW(L"LOCALAPPDATA", buffer, 32768);
  if (n == 0 || n >= 32768) return Result<std::string>::Fail(err::kPathNotFound);
  std::string dir = Utf8(buffer, n);
  while (dir.size() > 3 && dir.back() == '\\') dir.pop_back();
  return dir;
}

LocalTime Win32System::Now() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return LocalTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

LocalTime Win32System::LocalTimeOf(std::uint64_t written) {
  FILETIME utc{static_cast<DWORD>(written), static_cast<DWORD>(written >> 32)};
  FILETIME local{};
  SYSTEMTIME t{};
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &t))
    return LocalTime{};
  return LocalTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

std::optional<FixedFileVersion> Win32System::FileVersion(const std::string& path) {
  const std::wstring wpath = Wide(path);
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeW(wpath.c_str(), &handle);
  if (size == 0) return std::nullopt;
  if (size > kVersionInfoCap) size = kVersionInfoCap;
  std::vector<BYTE> data(size);
  if (!GetFileVersionInfoW(wpath.c_str(), 0, size, data.data())) return std::nullopt;
  void* block = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\", &block, &length) || !block ||
      length < sizeof(VS_FIXEDFILEINFO))
    return std::nullopt;
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(block);
  return FixedFileVersion{info->dwFileVersionMS, info->dwFileVersionLS};
}

// The mutex is created on the first question and held until the program ends, so a
// later copy of the program sees this one.
bool Win32System::AnotherInstanceRunning() {
  if (instanceMutex_) return anotherInstance_;
  const std::wstring path = ProgramFilePath();
  const std::size_t slash = path.find_last_of(L"\\/");
  const std::wstring file = slash == std::wstring::npos ? path : path.substr(slash + 1);
  HANDLE mutex = CreateMutexW(nullptr, FALSE, InstanceMutexName(file).c_str());
  const DWORD error = GetLastError();
  if (!mutex) return error == ERROR_ACCESS_DENIED;  // exists, but owned by another user
  instanceMutex_ = mutex;
  anotherInstance_ = (error == ERROR_ALREADY_EXISTS);
  return anotherInstance_;
}

bool Win32System::ProgramRunning(const std::string& fileName) {
  HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, InstanceMutexName(Wide(fileName)).c_str());
  if (!mutex) return GetLastError() == ERROR_ACCESS_DENIED;  // held under another user
  CloseHandle(mutex);
  return true;
}

// A zero length means the id has no row (or an empty one, which reads the same).
std::optional<std::string> Win32System::LoadString(int id) {
  if (id < 0 || id > 0xFFFF) return std::nullopt;  // string ids are 16-bit
  const wchar_t* text = nullptr;
  const int n = LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(id),
                            reinterpret_cast<LPWSTR>(&text), 0);
  if (n <= 0 || !text) return std::nullopt;
  return Utf8(text, static_cast<std::size_t>(n));
}

void Win32System::NotifyAssociationsChanged() {
  shell::ChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST);
}

void Win32System::EndProgram(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

}  // namespace kalv::win32
