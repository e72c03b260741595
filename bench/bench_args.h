// The benchmark's command line: words separated by blanks, a word in double quotes may
// hold blanks.
#pragma once

#include <string>
#include <vector>

namespace kalv::bench {

std::vector<std::string> SplitArguments(const std::string& commandLine);

}  // namespace kalv::bench
