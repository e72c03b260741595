// The registry as the programs use it: a few roots, keys, REG_SZ and REG_DWORD values.
// Key paths use backslashes; names compare without regard to case.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/failure.h"

namespace kalv {

enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

class Registry {
 public:
  virtual ~Registry() = default;
  // Creates the key and any missing parents (non-volatile).
  virtual Status CreateKey(RegRoot root, const std::string& path) = 0;
  // Deletes one key; a key that has subkeys, or is absent, is left and reported as a failure.
  virtual Status DeleteKey(RegRoot root, const std::string& path) = 0;
  virtual bool KeyExists(RegRoot root, const std::string& path) = 0;
  virtual Result<std::vector<std::string>> SubKeys(RegRoot root, const std::string& path) = 0;
  // The names of the key's values, in name order without regard to case ("" for the
  // default value); a missing key is a failure.
  virtual Result<std::vector<std::string>> ValueNames(RegRoot root, const std::string& path) = 0;
  // Writes a value into an existing key ("" names the default value); a missing key fails.
  virtual Status SetString(RegRoot root, const std::string& path, const std::string& name,
                           const std::string& value) = 0;
  virtual Status SetDword(RegRoot root, const std::string& path, const std::string& name,
                          std::uint32_t value) = 0;
  // Reads a REG_SZ value into a buffer of bufferChars characters (terminator included);
  // a longer value, a missing key or value, or another type is a failure.
  virtual Result<std::string> QueryString(RegRoot root, const std::string& path,
                                          const std::string& name, std::size_t bufferChars) = 0;
  virtual Result<std::uint32_t> QueryDword(RegRoot root, const std::string& path,
                                           const std::string& name) = 0;
  // Returns once every value written to the key so far is on the disk.
  virtual Status Flush(RegRoot root, const std::string& path) = 0;
};

}  // namespace kalv
