#include "launcher/base/settings.h"

#include <optional>

#include "core/contracts.h"
#include "launcher/base/texts.h"

namespace kalv {

namespace {

// Settings are ordinary texts (paths, numbers); this bounds one read.
// The installer-entry buffer: the terminator included, so at most 255 characters of text.
constexpr std::size_t kRegistryBufferChars = 256;

std::optional<RegRoot> RootNamed(const std::string& name) {
  if (name == "HKEY_CLASSES_ROOT") return RegRoot::ClassesRoot;
  if (name == "HKEY_CURRENT_USER") return RegRoot::CurrentUser;
  if (name == "HKEY_LOCAL_MACHINE") return RegRoot::LocalMachine;
  if (name == "HKEY_USERS") return RegRoot::Users;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> StoredSetting(Registry& registry, const std::string& key) {
  auto value = registry.QueryString(RegRoot::CurrentUser, kSettingsKeyPath, key,
                                    contract::kRegistryTextChars);
  if (!value) return std::nullopt;
  return value.value();
}

std::optional<std::string> StoredSetting(Program& program, const std::string& key) {
  return StoredSetting(program.platform.registry, key);
}

// Blanks around the number are allowed; anything else that is not a whole number is not.
std::optional<int> SettingInteger(const std::string& text) {
  std::size_t begin = text.find_first_not_of(' ');
  std::size_t end = text.find_last_not_of(' ');
  if (begin == std::string::npos) return std::nullopt;
  std::string digits = text.substr(begin, end - begin + 1);
  std::size_t i = digits[0] == '-' || digits[0] == '+' ? 1 : 0;
  if (i == digits.size() || digits.size() > 9) return std::nullopt;
  for (std::size_t k = i; k < digits.size(); ++k)
    if (digits[k] < '0' || digits[k] > '9') return std::nullopt;
  return std::stoi(digits);
}

std::string ReadSetting(Registry& registry, const std::string& key, const std::string& fallback) {
  return StoredSetting(registry, key).value_or(fallback);
}

std::string ReadSetting(Program& program, const std::string& key, const std::string& fallback) {
  return ReadSetting(program.platform.registry, key, fallback);
}

Status WriteSetting(Registry& registry, const std::string& key, const std::string& text) {
  if (Status created = registry.CreateKey(RegRoot::CurrentUser, kSettingsKeyPath); !created)
    return created;
  return registry.SetString(RegRoot::CurrentUser, kSettingsKeyPath, key, text);
}

Status WriteSetting(Program& program, const std::string& key, const std::string& text) {
  return WriteSetting(program.platform.registry, key, text);
}

// Root names compare exactly, so "HKLM\..." or "hkey_local_machine\..." read nothing. The
// value is taken up to its terminator (an installer may store one inside the data) and
// then loses its blanks at both ends.
std::string ReadRegistryString(Registry& registry, const std::string& keyPath,
                               const std::string& valueName) {
  const std::size_t slash = keyPath.find('\\');
  if (slash == std::string::npos) return "";
  const std::optional<RegRoot> root = RootNamed(keyPath.substr(0, slash));
  if (!root) return "";
  auto value =
      registry.QueryString(*root, keyPath.substr(slash + 1), valueName, kRegistryBufferChars);
  if (!value) return "";
  std::string text = value.value();
  if (text.size() >= kRegistryBufferChars) return "";
  const std::size_t end = text.find('\0');
  if (end != std::string::npos) text.resize(end);
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace kalv
