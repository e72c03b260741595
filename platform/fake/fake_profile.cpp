#include "platform/fake/fake_platform.h"
#include "platform/profile_text.h"

namespace kalv::fake {

// A file that cannot be opened (missing, a directory, held open) reads as missing.
std::string FakeProfile::ReadString(const std::string& path, const std::string& section,
                                    const std::string& key, const std::string& fallback,
                                    std::size_t bufferChars) {
  return ReadStrings(path, section, {key}, fallback, bufferChars).front();
}

std::vector<std::string> FakeProfile::ReadStrings(const std::string& path,
                                                  const std::string& section,
                                                  const std::vector<std::string>& keys,
                                                  const std::string& fallback,
                                                  std::size_t bufferChars) {
  const auto bytes = files_.CanOpenForRead(path).ok() ? files_.Contents(path) : std::nullopt;
  if (!bytes) return std::vector<std::string>(keys.size(), ProfileDefault(fallback, bufferChars));
  const ProfileText text(*bytes);
  std::vector<std::string> values;
  for (const std::string& key : keys)
    values.push_back(text.Value(section, key, fallback, bufferChars));
  return values;
}

}  // namespace kalv::fake
