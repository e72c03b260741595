#include "platform/win32/file_identity.h"

#include "platform/win32/windows_api.h"

namespace kalv::win32 {

// Reading attributes is all the open asks for, with full sharing, so no way another
// program holds the file keeps it from answering; a directory does not open this way.
std::optional<FileIdentity> IdentityOf(const std::wstring& path) {
  HANDLE h = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info;
  const BOOL ok = GetFileInformationByHandle(h, &info);
  CloseHandle(h);
  if (!ok || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
  return FileIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

// GetFullPathName folds "/", doubled separators, "." and ".."; GetLongPathName turns short
// names into long ones where the path still exists.
std::wstring CanonicalPath(const std::wstring& path) {
  const DWORD need = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (need == 0) return path;
  std::wstring full(need, L'\0');
  const DWORD got = GetFullPathNameW(path.c_str(), need, full.data(), nullptr);
  if (got == 0 || got >= need) return path;
  full.resize(got);
  const DWORD longNeed = GetLongPathNameW(full.c_str(), nullptr, 0);
  if (longNeed == 0) return full;
  std::wstring longPath(longNeed, L'\0');
  const DWORD longGot = GetLongPathNameW(full.c_str(), longPath.data(), longNeed);
  if (longGot == 0 || longGot >= longNeed) return full;
  longPath.resize(longGot);
  return longPath;
}

}  // namespace kalv::win32
