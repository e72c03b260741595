// Texts of the string table in the user's language.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "launcher/base/program.h"

namespace kalv {

// The string-table row id; "" when the id is not a 16-bit id or has no row.
std::string LoadText(Program& program, int id);

// The current language's row of an English row: englishId + step × language index
// (step 1 for most messages, 2 or 3 for rows laid out in pairs or triples, 100 for window
// captions). Nothing for a language index outside 0 to 2: then no text is set or shown.
std::optional<std::string> Localized(Program& program, int englishId, int step = 1);

// The current language's row of a message with "%1", "%2", ... filled in.
std::optional<std::string> LocalizedMessage(Program& program, int englishId,
                                            const std::vector<std::string>& args);

}  // namespace kalv
