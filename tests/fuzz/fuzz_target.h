// What every fuzz target shares: the libFuzzer entry point, and a check that ends the run
// loudly (the fuzzer and the corpus replay both see an abort as a finding).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace kalv::fuzz {

inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

inline std::string Text(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// An input cut into parts at each NUL byte, so that one input can fill several fields
// (a NUL never occurs inside a registry string or a command line).
inline std::vector<std::string> Parts(const std::string& input) {
  std::vector<std::string> parts(1);
  for (char c : input) {
    if (c == '\0')
      parts.emplace_back();
    else
      parts.back() += c;
  }
  return parts;
}

}  // namespace kalv::fuzz
