// Profile (INI) reading with the semantics of the Windows profile-string reader:
// section and key compare without case, blanks around '=' are dropped, comment lines
// (';') are ignored, the first of duplicated keys wins, an empty value reads as "",
// a missing file, section or key reads as the default, and the value is cut to
// bufferChars - 1 characters.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kalv {

constexpr std::size_t kProfileBufferChars = 256;

class Profile {
 public:
  virtual ~Profile() = default;
  virtual std::string ReadString(const std::string& path, const std::string& section,
                                 const std::string& key, const std::string& fallback,
                                 std::size_t bufferChars = kProfileBufferChars) = 0;
  // The values of several keys of one section, each as ReadString gives it, from one
  // reading of the file.
  virtual std::vector<std::string> ReadStrings(const std::string& path, const std::string& section,
                                               const std::vector<std::string>& keys,
                                               const std::string& fallback,
                                               std::size_t bufferChars = kProfileBufferChars) = 0;
};

}  // namespace kalv
