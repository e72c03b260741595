// The program's string table as data (the same rows the string resource holds).
#pragma once

#include <map>
#include <string>
#include <vector>

namespace kalv::ui {

const std::map<int, std::string>& StringTable();

// A text of the table with "%1", "%2", ... replaced by the values in that order; a
// placeholder without a value stays as it is.
std::string Fill(const std::string& text, const std::vector<std::string>& values);

}  // namespace kalv::ui
