// The per-user settings store (application "Kalvenmarque", section "Settings") and the
// reader of the games' installer entries.
#pragma once

#include <optional>
#include <string>

#include "launcher/base/program.h"
#include "platform/failure.h"
#include "platform/registry.h"

namespace kalv {

// The stored text of key, or fallback when it is absent or unreadable.
std::string ReadSetting(Registry& registry, const std::string& key, const std::string& fallback);
std::string ReadSetting(Program& program, const std::string& key, const std::string& fallback);
// The stored text of key; nothing when it is absent or unreadable.
std::optional<std::string> StoredSetting(Registry& registry, const std::string& key);
std::optional<std::string> StoredSetting(Program& program, const std::string& key);
// The whole number a setting's text holds; nothing for any other text.
std::optional<int> SettingInteger(const std::string& text);
// Stores text under key, creating the settings key as needed.
Status WriteSetting(Registry& registry, const std::string& key, const std::string& text);
Status WriteSetting(Program& program, const std::string& key, const std::string& text);

// The text of a REG_SZ value named by a full key path ("HKEY_LOCAL_MACHINE\SOFTWARE\...")
// without blanks at either end; "" when the root is not one of the four full root names,
// the key or value is absent, or the value does not fit 256 characters.
std::string ReadRegistryString(Registry& registry, const std::string& keyPath,
                               const std::string& valueName);

}  // namespace kalv
