#include "games/quake3/elite_force/elite_force.h"

#include "games/quake3/elite_force/elite_force_files.h"
#include "games/quake3/elite_force/elite_force_plan.h"
#include "games/quake3/elite_force/elite_force_texts.h"
#include "core/demo_types.h"
#include "games/engine_demo_length.h"
#include "games/setting_names.h"

namespace kalv {

// The version follows the newest numbered pak: pak2 came with 1.20, pak1 with 1.10, and
// without either it is 1.00.
GameState STVEFState(const Install& install, const std::string& dir) {
  GameState state = StateByFile(install, dir, stvef::kPak0);
  if (!state.found()) return state;
  state.status = GameState::Status::FoundVersion;
  // Shown without the "v" the release names carry.
  state.version =
      STVEFVersion(install.Has(dir + stvef::kPak1), install.Has(dir + stvef::kPak2)).substr(1);
  return state;
}

const Game kEliteForce{
    GameCode::STVEF,
    "STVEF",
    "Star Trek Voyager Elite Force",
    "Star Trek Voyager",
    setting::kSTVEFPath,
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Activision\\Star Trek: Voyager - Elite Force\\v1.0",
    "INSTALLPATH",
    EndingsOfType("Kalvenmarque.STVEF"),
    nullptr,
    nullptr,
    &STVEFState,
    &STVEFNeeds,
    &PlanSTVEFRun,
    &STVEFJournalRules,
    nullptr,
    {stveftext::kProtocol24, stveftext::kProtocol22, stveftext::kProtocolWord,
     stveftext::kProtocolUnknown},
    nullptr,
    &ReadEngineDemoLength,
};

}  // namespace kalv
