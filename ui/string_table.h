// The program's string table as data (the same rows the string resource holds).
#pragma once

#include <map>
#include <string>

namespace kalv::ui {

const std::map<int, std::string>& StringTable();

}  // namespace kalv::ui
