// The registry through the wide Windows registry API.
#pragma once

#include <memory>

#include "platform/registry.h"

namespace kalv::win32 {

class KeptKeys;

// Keys stay open between calls (KeptKeys): reading the settings and writing the journal
// touch the same few keys value by value.
class Win32Registry : public Registry {
 public:
  Win32Registry();
  ~Win32Registry() override;
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

 private:
  std::unique_ptr<KeptKeys> keys_;
};

}  // namespace kalv::win32
