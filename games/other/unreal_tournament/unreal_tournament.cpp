#include "games/other/unreal_tournament/unreal_tournament.h"

#include "games/other/unreal_tournament/unreal_tournament_files.h"
#include "games/other/unreal_tournament/unreal_tournament_plan.h"
#include "core/demo_types.h"
#include "games/setting_names.h"

namespace kalv {

GameState UTState(const Install& install, const std::string& dir) {
  return StateByFile(install, dir, ut::kBotPack);
}

// Last of the games sharing ".dem" in the table: every such demo the others do not take.
const Game kUnrealTournament{
    GameCode::UT,
    "UT",
    "Unreal Tournament",
    "Unreal Tournament",
    setting::kUTPath,
    "",
    "",
    EndingsOfType("Kalvenmarque.HL"),
    nullptr,
    nullptr,
    &UTState,
    nullptr,
    &PlanUTRun,
    &UTJournalRules,
    nullptr,
    {},
};

}  // namespace kalv
