#include "games/other/quake2/quake2.h"

#include "games/other/quake2/quake2_files.h"
#include "games/other/quake2/quake2_plan.h"
#include "games/other/quake2/quake2_texts.h"
#include "core/demo_types.h"
#include "games/setting_names.h"

namespace kalv {

// The path is tested by plain concatenation, as every game path is used.
GameState Q2State(const Install& install, const std::string& dir) {
  return StateByFile(install, dir, q2::kPak0);
}

const Game kQuake2{
    GameCode::Q2,
    q2::kGameCode,
    "Quake 2",
    "Quake 2",
    setting::kQ2Path,
    "",
    "",
    EndingsOfType("Kalvenmarque.Q2"),
    nullptr,
    nullptr,
    &Q2State,
    &Q2Needs,
    &PlanQ2Run,
    &q2::Rules,
    nullptr,
    {q2text::kCompanionFailed, q2text::kFolderMissing, q2text::kOtherProtocol,
     q2text::kGameMissing},
};

}  // namespace kalv
