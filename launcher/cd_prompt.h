// Asking for a game's CD until it is in a drive.
#pragma once

#include <optional>
#include <string>

#include "games/run_plan.h"
#include "launcher/base/program.h"

namespace kalv {

// Looks for the CD, and asks for it (Retry / Cancel) until it is found: its drive letter,
// or nothing when the user cancels. Without a language the prompt cannot be shown, which
// counts as Cancel: asking forever is no answer.
std::optional<std::string> AskForCd(Program& program, const CdNeed& cd);

}  // namespace kalv
