#include "games/choices.h"

namespace kalv {

std::string ModChoice::dir() const {
  if (label.size() <= mod::kPrefixLength || label == mod::kNone) return "";
  return label.substr(mod::kPrefixLength);
}

bool ModChoice::use() const { return !dir().empty() && option.value_or("0") != "0"; }

}  // namespace kalv
