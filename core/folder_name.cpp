#include "core/folder_name.h"

#include <string_view>

namespace kalv {

// A demo's bytes come from anywhere, and the folder ends up in paths and on command
// lines; bytes above ASCII are text in an unknown code page.
bool IsPlainFolderName(const std::string& name) {
  if (name.empty() || name == "." || name == ".." || name.back() == '.' || name.back() == ' ' ||
      name.front() == ' ' || name.front() == '-')
    return false;
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u > 0x7E) return false;
    for (char reserved : std::string_view("\\/:*?\"<>|+;"))
      if (c == reserved) return false;
  }
  return true;
}

std::string AsArgument(const std::string& name) {
  return name.find(' ') == std::string::npos ? name : "\"" + name + "\"";
}

}  // namespace kalv
