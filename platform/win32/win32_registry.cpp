#include "platform/win32/win32_registry.h"

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <vector>

#include "platform/files.h"
#include "platform/win32/error_map.h"
#include "platform/win32/kept_keys.h"
#include "platform/win32/wide.h"

namespace kalv::win32 {

Win32Registry::Win32Registry() : keys_(std::make_unique<KeptKeys>()) {}
Win32Registry::~Win32Registry() = default;

namespace {

// Query value, set value, create subkey, enumerate subkeys, notify, create link.
constexpr REGSAM kWriteAccess = 0x3F;

HKEY RootKey(RegRoot root) {
  switch (root) {
    case RegRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegRoot::Users: return HKEY_USERS;
  }
  return HKEY_CURRENT_USER;
}

// One open key, closed with the object.
class OpenKey {
 public:
  OpenKey(RegRoot root, const std::string& path, REGSAM access) {
    error_ = RegOpenKeyExW(RootKey(root), Wide(path).c_str(), 0, access, &key_);
    if (error_ != ERROR_SUCCESS) key_ = nullptr;
  }
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  bool ok() const { return key_ != nullptr; }
  HKEY get() const { return key_; }
  Failure failure() const { return FailureFromError(static_cast<DWORD>(error_)); }

 private:
  HKEY key_ = nullptr;
  LONG error_ = ERROR_SUCCESS;
};

Status FromCode(LONG code) {
  return code == ERROR_SUCCESS ? Status::Ok() : Status(FailureFromError(static_cast<DWORD>(code)));
}

}  // namespace

Status Win32Registry::CreateKey(RegRoot root, const std::string& path) {
  HKEY key = nullptr;
  const LONG code = RegCreateKeyExW(RootKey(root), Wide(path).c_str(), 0, nullptr,
                                    REG_OPTION_NON_VOLATILE, kWriteAccess, nullptr, &key, nullptr);
  if (code == ERROR_SUCCESS) keys_->Keep(RootKey(root), path, kWriteAccess, key);
  return FromCode(code);
}

// Windows NT refuses a key with subkeys, but Wine deletes it; asking first makes both
// behave alike, so removing associations never takes another program's subkeys along.
Status Win32Registry::DeleteKey(RegRoot root, const std::string& path) {
  keys_->Forget(RootKey(root), path);
  {
    OpenKey key(root, path, KEY_READ);
    if (!key.ok()) return key.failure();
    DWORD subKeys = 0;
    const LONG code = RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subKeys, nullptr,
                                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    if (code != ERROR_SUCCESS) return FromCode(code);
    if (subKeys > 0) return Status::Fail(err::kPathFileAccess);
  }
  return FromCode(RegDeleteKeyW(RootKey(root), Wide(path).c_str()));
}

// A kept key is asked about itself: another program may have deleted it.
bool Win32Registry::KeyExists(RegRoot root, const std::string& path) {
  return OnKept(*keys_, RootKey(root), path, KEY_READ, [](HKEY key) {
           return RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                   nullptr, nullptr, nullptr, nullptr, nullptr);
         }) == ERROR_SUCCESS;
}

Result<std::vector<std::string>> Win32Registry::SubKeys(RegRoot root, const std::string& path) {
  OpenKey key(root, path, KEY_READ);
  if (!key.ok()) return key.failure();
  std::vector<std::string> names;
  wchar_t name[256];  // the longest key name the registry allows, plus the terminator
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    const LONG code =
        RegEnumKeyExW(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (code == ERROR_NO_MORE_ITEMS) break;
    if (code != ERROR_SUCCESS) return FailureFromError(static_cast<DWORD>(code));
    names.push_back(Utf8(name, length));
  }
  std::sort(names.begin(), names.end(), LessNoCase);
  return names;
}

Result<std::vector<std::string>> Win32Registry::ValueNames(RegRoot root, const std::string& path) {
  OpenKey key(root, path, KEY_READ);
  if (!key.ok()) return key.failure();
  std::vector<std::string> names;
  std::vector<wchar_t> name(16384);  // the longest value name the registry allows
  for (DWORD i = 0;; ++i) {
    DWORD length = static_cast<DWORD>(name.size());
    const LONG code =
        RegEnumValueW(key.get(), i, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (code == ERROR_NO_MORE_ITEMS) break;
    if (code != ERROR_SUCCESS) return FailureFromError(static_cast<DWORD>(code));
    names.push_back(Utf8(name.data(), length));
  }
  std::sort(names.begin(), names.end(), LessNoCase);
  return names;
}

// The stored length counts the terminating zero, as the registry expects for REG_SZ.
Status Win32Registry::SetString(RegRoot root, const std::string& path, const std::string& name,
                                const std::string& value) {
  const std::wstring data = Wide(value);
  const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
  return FromCode(OnKept(*keys_, RootKey(root), path, kWriteAccess, [&](HKEY key) {
    return RegSetValueExW(key, Wide(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), bytes);
  }));
}

Status Win32Registry::SetDword(RegRoot root, const std::string& path, const std::string& name,
                               std::uint32_t value) {
  const DWORD data = value;
  return FromCode(OnKept(*keys_, RootKey(root), path, kWriteAccess, [&](HKEY key) {
    return RegSetValueExW(key, Wide(name).c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&data), sizeof data);
  }));
}

// The buffer has bufferChars characters including the terminator: a value that does not
// fit fails (more data) instead of coming back cut.
Result<std::string> Win32Registry::QueryString(RegRoot root, const std::string& path,
                                               const std::string& name, std::size_t bufferChars) {
  if (bufferChars == 0) return Result<std::string>::Fail(err::kInvalidCall);
  std::vector<wchar_t> buffer(bufferChars, L'\0');
  DWORD type = REG_SZ;
  DWORD bytes = 0;
  const LONG code = OnKept(*keys_, RootKey(root), path, KEY_QUERY_VALUE, [&](HKEY key) {
    bytes = static_cast<DWORD>(bufferChars * sizeof(wchar_t));
    return RegQueryValueExW(key, Wide(name).c_str(), nullptr, &type,
                            reinterpret_cast<BYTE*>(buffer.data()), &bytes);
  });
  if (code != ERROR_SUCCESS) return FailureFromError(static_cast<DWORD>(code));
  if (type != REG_SZ) return Result<std::string>::Fail(err::kInvalidCall);
  std::size_t chars = bytes / sizeof(wchar_t);
  // Data stored without its terminator fills the whole buffer: no room for one.
  const auto end = std::find(buffer.begin(), buffer.begin() + chars, L'\0');
  if (end == buffer.begin() + chars && chars == bufferChars)
    return Result<std::string>::Fail(err::kInvalidCall);
  chars = static_cast<std::size_t>(end - buffer.begin());
  return Utf8(buffer.data(), chars);
}

Result<std::uint32_t> Win32Registry::QueryDword(RegRoot root, const std::string& path,
                                                const std::string& name) {
  DWORD type = 0;
  DWORD data = 0;
  DWORD bytes = 0;
  const LONG code = OnKept(*keys_, RootKey(root), path, KEY_QUERY_VALUE, [&](HKEY key) {
    bytes = sizeof data;
    return RegQueryValueExW(key, Wide(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data),
                            &bytes);
  });
  if (code != ERROR_SUCCESS) return FailureFromError(static_cast<DWORD>(code));
  if (type != REG_DWORD || bytes != sizeof data)
    return Result<std::uint32_t>::Fail(err::kInvalidCall);
  return static_cast<std::uint32_t>(data);
}

Status Win32Registry::Flush(RegRoot root, const std::string& path) {
  return FromCode(OnKept(*keys_, RootKey(root), path, KEY_QUERY_VALUE,
                         [](HKEY key) { return RegFlushKey(key); }));
}

}  // namespace kalv::win32
