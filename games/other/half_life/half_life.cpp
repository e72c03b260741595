#include "games/other/half_life/half_life.h"

#include <cctype>

#include "games/other/half_life/half_life_demo.h"
#include "games/other/half_life/half_life_files.h"
#include "games/other/half_life/half_life_plan.h"
#include "games/other/half_life/half_life_texts.h"
#include "core/demo_types.h"
#include "games/setting_names.h"

namespace kalv {

// The version comes from hl.exe, else from cstrike.exe. A directory with the game data
// but neither executable is found without a version: showing what an earlier directory's
// executable carried would name a version this one does not have.
GameState HLState(const Install& install, const std::string& dir) {
  GameState state = StateByFile(install, dir, hl::kPak0);
  if (!state.found()) return state;
  state.status = GameState::Status::FoundVersion;
  if (install.Has(dir + hl::kExecutable))
    state.version = FileVersionText(install, dir + hl::kExecutable);
  else if (install.Has(dir + hl::kCounterStrike))
    state.version = FileVersionText(install, dir + hl::kCounterStrike);
  else
    state.status = GameState::Status::Found;
  return state;
}

bool IsHalfLifeDemo(std::string_view head) {
  static constexpr std::string_view kStamp = "HLDEMO";
  if (head.size() < kStamp.size()) return false;
  for (std::size_t i = 0; i < kStamp.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(head[i])) != kStamp[i]) return false;
  return true;
}

const Game kHalfLife{
    GameCode::HL,     "HL",
    "Half-Life",      "Half-Life",
    setting::kHLPath, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Sierra OnLine\\Setup\\HALFLIFE",
    "Directory",      EndingsOfType("Kalvenmarque.HL"),
    &IsHalfLifeDemo,  nullptr,
    &HLState,         &HLNeeds,
    &PlanHLRun,       &HLJournalRules,
    nullptr,          {hltext::kGameMissing},
    nullptr,          &ReadHalfLifeDemoLength,
};

}  // namespace kalv
