#include "ui/string_table.h"

#include "version.h"

namespace kalv::ui {

const std::map<int, std::string>& StringTable() {
  static const std::map<int, std::string> table = {
#define KALV_STRING(id, text) {id, text},
#include "ui/strings.def"
#undef KALV_STRING
  };
  return table;
}

}  // namespace kalv::ui
