// The registry through the wide Windows registry API.
#pragma once

#include "platform/registry.h"

namespace kalv::win32 {

class Win32Registry : public Registry {
 public:
  Status CreateKey(RegRoot root, const std::string& path) override;
  Status DeleteKey(RegRoot root, const std::string& path) override;
  bool KeyExists(RegRoot root, const std::string& path) override;
  Result<std::vector<std::string>> SubKeys(RegRoot root, const std::string& path) override;
  Result<std::vector<std::string>> ValueNames(RegRoot root, const std::string& path) override;
  Status SetString(RegRoot root, const std::string& path, const std::string& name,
                   const std::string& value) override;
  Status SetDword(RegRoot root, const std::string& path, const std::string& name,
                  std::uint32_t value) override;
  Result<std::string> QueryString(RegRoot root, const std::string& path, const std::string& name,
                                  std::size_t bufferChars) override;
  Result<std::uint32_t> QueryDword(RegRoot root, const std::string& path,
                                   const std::string& name) override;
  Status Flush(RegRoot root, const std::string& path) override;
};

}  // namespace kalv::win32
