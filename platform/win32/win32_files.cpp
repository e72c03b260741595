#include "platform/win32/win32_files.h"

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <optional>

#include "platform/win32/error_map.h"
#include "platform/win32/file_identity.h"
#include "platform/win32/wide.h"

namespace kalv::win32 {

namespace {

Status FromBool(BOOL ok) { return ok ? Status::Ok() : Status(LastFailure()); }

// Owns one file handle; the stream's position is the handle's own.
class HandleStream : public FileStream {
 public:
  explicit HandleStream(HANDLE handle) : handle_(handle) {}
  ~HandleStream() override { CloseHandle(handle_); }
  HandleStream(const HandleStream&) = delete;
  HandleStream& operator=(const HandleStream&) = delete;

  // Reads in chunks until count bytes or the end of the file.
  Result<std::string> Read(std::size_t count) override {
    std::string out(count, '\0');
    std::size_t done = 0;
    while (done < count) {
      const DWORD want = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 20));
      DWORD got = 0;
      if (!ReadFile(handle_, &out[done], want, &got, nullptr)) return LastFailure();
      if (got == 0) break;
      done += got;
    }
    out.resize(done);
    return out;
  }

  // A write that stops short without an error code means the disk is full.
  Status Write(const std::string& bytes) override {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
      DWORD put = 0;
      if (!WriteFile(handle_, bytes.data() + done, want, &put, nullptr)) return LastFailure();
      if (put == 0) return Status::Fail(err::kDiskFull);
      done += put;
    }
    return Status::Ok();
  }

  Result<std::uint64_t> Length() override {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(handle_, &size)) return LastFailure();
    return static_cast<std::uint64_t>(size.QuadPart);
  }

  Status Seek(std::uint64_t offset) override {
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(std::min<std::uint64_t>(offset, INT64_MAX));
    return FromBool(SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN));
  }

  Status Flush() override { return FromBool(FlushFileBuffers(handle_)); }

 private:
  HANDLE handle_;
};

bool IsDirectoryAttribute(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Windows refuses to delete or overwrite a read-only file; Wine running as root lets
// the Unix permissions be bypassed, so the rule is applied here as well.
bool IsReadOnlyFile(const std::wstring& path) {
  const DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY) &&
         (a & FILE_ATTRIBUTE_READONLY);
}

// Opening a directory as a file is refused as the classic file functions refuse it.
Result<HANDLE> OpenHandle(const std::string& path, DWORD access, DWORD share, DWORD creation) {
  const std::wstring wide = Wide(path);
  if (IsDirectoryAttribute(GetFileAttributesW(wide.c_str())))
    return Result<HANDLE>::Fail(err::kPathFileAccess);
  if ((access & GENERIC_WRITE) && IsReadOnlyFile(wide))
    return Result<HANDLE>::Fail(err::kPathFileAccess);
  HANDLE h =
      CreateFileW(wide.c_str(), access, share, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return LastFailure();
  return h;
}

std::wstring JoinPattern(const std::string& dir) {
  std::wstring d = Wide(dir);
  if (d.empty()) return L"*";
  if (d.back() != L'\\' && d.back() != L'/' && d.back() != L':') d += L'\\';
  return d + L"*";
}

// "C:\" (and "\\server\share\") keep the backslash; any other directory loses it.
bool IsRoot(const std::wstring& path) {
  if (path.size() == 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/')) return true;
  if (path.size() > 2 && path[0] == L'\\' && path[1] == L'\\') {
    const std::size_t server = path.find(L'\\', 2);
    if (server == std::wstring::npos) return false;
    const std::size_t share = path.find(L'\\', server + 1);
    return share == path.size() - 1;
  }
  return false;
}

}  // namespace

Status Win32Files::CanOpenForRead(const std::string& path) {
  auto h = OpenHandle(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
  if (!h) return h.status();
  CloseHandle(h.value());
  return Status::Ok();
}

Result<std::unique_ptr<FileStream>> Win32Files::OpenRead(const std::string& path) {
  auto h = OpenHandle(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
  if (!h) return h.failure();
  return std::unique_ptr<FileStream>(new HandleStream(h.value()));
}

// OPEN_ALWAYS keeps an existing file's bytes and starts at position 0, as binary
// write access does.
Result<std::unique_ptr<FileStream>> Win32Files::OpenWrite(const std::string& path) {
  auto h = OpenHandle(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, OPEN_ALWAYS);
  if (!h) return h.failure();
  return std::unique_ptr<FileStream>(new HandleStream(h.value()));
}

// Sharing reading lets anyone read the file while it grows.
Result<std::unique_ptr<FileStream>> Win32Files::OpenAppend(const std::string& path) {
  auto h = OpenHandle(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, OPEN_ALWAYS);
  if (!h) return h.failure();
  LARGE_INTEGER zero{};
  if (!SetFilePointerEx(h.value(), zero, nullptr, FILE_END)) {
    const Failure failure = LastFailure();
    CloseHandle(h.value());
    return failure;
  }
  return std::unique_ptr<FileStream>(new HandleStream(h.value()));
}

Result<std::uint64_t> Win32Files::Length(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) return LastFailure();
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
    return Result<std::uint64_t>::Fail(err::kFileNotFound);
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

Result<FileStamp> Win32Files::Stamp(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) return LastFailure();
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
    return Result<FileStamp>::Fail(err::kFileNotFound);
  const auto join = [](DWORD high, DWORD low) {
    return (static_cast<std::uint64_t>(high) << 32) | low;
  };
  return FileStamp{join(data.nFileSizeHigh, data.nFileSizeLow),
                   join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

Result<std::uint32_t> Win32Files::GetAttributes(const std::string& path) {
  const DWORD a = GetFileAttributesW(Wide(path).c_str());
  if (a == INVALID_FILE_ATTRIBUTES) return LastFailure();
  // Only the classic bits; Windows adds others (such as "not content indexed").
  return static_cast<std::uint32_t>(
      a & (attr::kReadOnly | attr::kHidden | attr::kSystem | attr::kDirectory | attr::kArchive));
}

// Only the settable classic bits reach Windows; none of them means a normal file.
Status Win32Files::SetAttributes(const std::string& path, std::uint32_t attributes) {
  DWORD a = attributes & (attr::kReadOnly | attr::kHidden | attr::kSystem | attr::kArchive);
  if (a == 0) a = FILE_ATTRIBUTE_NORMAL;
  return FromBool(SetFileAttributesW(Wide(path).c_str(), a));
}

Status Win32Files::Copy(const std::string& from, const std::string& to) {
  const std::wstring target = Wide(to);
  if (IsReadOnlyFile(target)) {
    // The source's own failure (missing, held open) still comes first.
    const std::wstring source = Wide(from);
    if (GetFileAttributesW(source.c_str()) == INVALID_FILE_ATTRIBUTES) return LastFailure();
    return Status::Fail(err::kPathFileAccess);
  }
  return FromBool(CopyFileW(Wide(from).c_str(), target.c_str(), FALSE));
}

Status Win32Files::Rename(const std::string& from, const std::string& to) {
  return FromBool(MoveFileW(Wide(from).c_str(), Wide(to).c_str()));
}

// Windows replaces a read-only destination as well; the rule that a read-only file is
// never overwritten holds here as in Copy. A destination that is open or a running
// program's file is refused by the file system as access denied: to the caller it is a
// file in use, as everywhere else. Without MOVEFILE_COPY_ALLOWED a move never leaves its
// volume, so it stays one step.
Status Win32Files::Replace(const std::string& from, const std::string& to) {
  const std::wstring target = Wide(to);
  if (IsReadOnlyFile(target)) return Status::Fail(err::kPermissionDenied);
  if (MoveFileExW(Wide(from).c_str(), target.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return Status::Ok();
  const DWORD error = GetLastError();
  if ((error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION) &&
      IdentityOf(target).has_value())
    return Status::Fail(err::kPermissionDenied);
  return Status(FailureFromError(error));
}

Status Win32Files::Delete(const std::string& path) {
  const std::wstring wide = Wide(path);
  if (IsReadOnlyFile(wide)) return Status::Fail(err::kPathFileAccess);
  return FromBool(DeleteFileW(wide.c_str()));
}

Status Win32Files::MakeDirectory(const std::string& path) {
  return FromBool(CreateDirectoryW(Wide(path).c_str(), nullptr));
}

bool Win32Files::DirectoryExists(const std::string& path) {
  return IsDirectoryAttribute(GetFileAttributesW(Wide(path).c_str()));
}

bool Win32Files::SameFile(const std::string& a, const std::string& b) {
  return SameFileIdentity(Wide(a), Wide(b));
}

// Every entry is matched by its long name with the portable matcher, so short 8.3 names
// never sneak extra files into a list, and the order does not depend on the file system.
namespace {

// The files or the folders of dir whose names match pattern, in name order.
Result<std::vector<std::string>> Entries(const std::string& dir, const std::string& pattern,
                                         bool folders) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(JoinPattern(dir).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES) return names;
    return FailureFromError(error);
  }
  do {
    if (((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) != folders) continue;
    std::string name = Utf8(data.cFileName);
    if (name == "." || name == "..") continue;
    if (MatchesPattern(name, pattern)) names.push_back(std::move(name));
  } while (FindNextFileW(find, &data));
  FindClose(find);
  std::sort(names.begin(), names.end(), LessNoCase);
  return names;
}

}  // namespace

Result<std::vector<std::string>> Win32Files::List(const std::string& dir,
                                                  const std::string& pattern) {
  if (!dir.empty() && !DirectoryExists(dir))
    return Result<std::vector<std::string>>::Fail(err::kPathNotFound);
  return Entries(dir, pattern, false);
}

Result<std::vector<std::string>> Win32Files::ListFolders(const std::string& dir) {
  if (!dir.empty() && !DirectoryExists(dir))
    return Result<std::vector<std::string>>::Fail(err::kPathNotFound);
  return Entries(dir, "*", true);
}

Result<std::string> Win32Files::FullDirectoryPath(const std::string& dir) {
  const std::wstring wide = Wide(dir.empty() ? std::string(".") : dir);
  const DWORD need = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (need == 0) return LastFailure();
  std::wstring full(need, L'\0');
  const DWORD got = GetFullPathNameW(wide.c_str(), need, full.data(), nullptr);
  if (got == 0 || got >= need) return LastFailure();
  full.resize(got);
  if (!IsDirectoryAttribute(GetFileAttributesW(full.c_str())))
    return Result<std::string>::Fail(err::kPathNotFound);
  while (full.size() > 1 && (full.back() == L'\\' || full.back() == L'/') && !IsRoot(full))
    full.pop_back();
  return Utf8(full);
}

}  // namespace kalv::win32
