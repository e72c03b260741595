#include "launcher/base/localized.h"

#include "ui/string_table.h"

namespace kalv {

std::string LoadText(Program& program, int id) {
  if (id < 0 || id > 0xFFFF) return "";
  return program.platform.system.LoadString(id).value_or("");
}

std::optional<std::string> Localized(Program& program, int englishId, int step) {
  const int language = program.Language();
  if (!IsLanguage(language)) return std::nullopt;
  return LoadText(program, englishId + step * language);
}

std::optional<std::string> LocalizedMessage(Program& program, int englishId,
                                            const std::vector<std::string>& args) {
  const auto text = Localized(program, englishId);
  if (!text) return std::nullopt;
  return ui::Fill(*text, args);
}

}  // namespace kalv
