// Profile (INI) reading through the Windows profile-string reader itself, and for several
// keys at once through the portable reader that follows its rules.
#pragma once

#include "platform/profile.h"

namespace kalv::win32 {

class Win32Profile : public Profile {
 public:
  std::string ReadString(const std::string& path, const std::string& section,
                         const std::string& key, const std::string& fallback,
                         std::size_t bufferChars) override;
  std::vector<std::string> ReadStrings(const std::string& path, const std::string& section,
                                       const std::vector<std::string>& keys,
                                       const std::string& fallback,
                                       std::size_t bufferChars) override;
};

}  // namespace kalv::win32
