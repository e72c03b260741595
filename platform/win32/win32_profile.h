// Profile (INI) reading through the Windows profile-string reader itself.
#pragma once

#include "platform/profile.h"

namespace kalv::win32 {

class Win32Profile : public Profile {
 public:
  std::string ReadString(const std::string& path, const std::string& section,
                         const std::string& key, const std::string& fallback,
                         std::size_t bufferChars) override;
};

}  // namespace kalv::win32
