// What every demo reader promises whatever the bytes: a file cut short reads as nothing
// or as the whole file does, never as something else; and a game folder it gives is one
// folder name.
#pragma once

#include <string>
#include <string_view>

#include "games/demo_bytes.h"
#include "tests/fuzz/fuzz_target.h"

namespace kalv::fuzz {

template <typename Read, typename Same>
void RequireCutsReadAsTheWhole(const std::string& bytes, Read read, Same same) {
  const auto whole = read(std::string_view(bytes));
  for (std::size_t cut : {bytes.size() / 2, bytes.size() - bytes.size() / 8}) {
    const auto part = read(std::string_view(bytes).substr(0, cut));
    if (part) Require(whole && same(*part, *whole), "a file cut short reads as the whole does");
  }
}

inline void RequireFolder(const std::string& folder) {
  Require(folder.empty() || IsPlainFolderName(folder), "a game folder is one plain folder name");
}

}  // namespace kalv::fuzz
