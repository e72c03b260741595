#include "platform/win32/file_identity.h"

#include "platform/win32/windows_api.h"

namespace kalv::win32 {

namespace {

// Reading attributes is all the open asks for, with full sharing, so no way another
// program holds the file keeps it from answering; a directory does not open this way.
class AttributesHandle {
 public:
  explicit AttributesHandle(const std::wstring& path)
      : h_(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, 0, nullptr)) {}
  ~AttributesHandle() {
    if (open()) CloseHandle(h_);
  }
  AttributesHandle(const AttributesHandle&) = delete;
  AttributesHandle& operator=(const AttributesHandle&) = delete;
  bool open() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

std::optional<FileIdentity> IdentityOfOpen(const AttributesHandle& file) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file.get(), &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  return FileIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

}  // namespace

std::optional<FileIdentity> IdentityOf(const std::wstring& path) {
  const AttributesHandle file(path);
  if (!file.open()) return std::nullopt;
  return IdentityOfOpen(file);
}

// The identity names the volume, which some systems are slow to tell (Wine looks for its
// serial number anew each time, several times as long as an open): a file that is missing
// or of another length settles the question first.
bool SameFileIdentity(const std::wstring& a, const std::wstring& b) {
  const AttributesHandle first(a);
  const AttributesHandle second(b);
  if (!first.open() || !second.open()) return false;
  LARGE_INTEGER firstLength;
  LARGE_INTEGER secondLength;
  if (GetFileSizeEx(first.get(), &firstLength) && GetFileSizeEx(second.get(), &secondLength) &&
      firstLength.QuadPart != secondLength.QuadPart)
    return false;
  const auto firstIdentity = IdentityOfOpen(first);
  return firstIdentity && firstIdentity == IdentityOfOpen(second);
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
