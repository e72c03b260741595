// A profile (INI) file's text read as the Windows profile-string reader reads it (the rules
// are in profile.h), so that several keys can be looked up in one reading of the file.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kalv {

class ProfileText {
 public:
  // The file's bytes: after a UTF-8 byte order mark UTF-8, otherwise code page 1252.
  explicit ProfileText(const std::string& bytes);

  // The key's value in the first section of the name, or the default (its trailing blanks
  // dropped), either cut to bufferChars - 1 UTF-16 units.
  std::string Value(const std::string& section, const std::string& key, const std::string& fallback,
                    std::size_t bufferChars) const;

 private:
  std::vector<std::string> lines_;
};

// The default as the reader gives it for a file that cannot be read.
std::string ProfileDefault(const std::string& fallback, std::size_t bufferChars);

}  // namespace kalv
