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

std::string Fill(const std::string& text, const std::vector<std::string>& values) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    const std::size_t n = static_cast<std::size_t>(next - '1');
    if (text[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
      out += values[n];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace kalv::ui
