#include "games/other/half_life/half_life.h"

#include "games/game_status.h"
#include "games/other/half_life/half_life_files.h"
#include "launcher/base/functions.h"
#include "launcher/base/texts.h"
#include "ui/text_ids.h"

namespace kalv {

// The version comes from hl.exe, else from cstrike.exe. A directory with the game data
// but neither executable is found without a version: showing what an earlier directory's
// executable carried would name a version this one does not have.
GameState HLState(Program& program, const std::string& dir) {
  GameState state = StateByFile(program, dir, hl::kPak0);
  if (!state.found()) return state;
  state.statusRow = ids::kStatusFoundVersion;
  if (FileExists(program, dir + hl::kExecutable))
    state.version = GetFileVersionText(program, dir + hl::kExecutable);
  else if (FileExists(program, dir + hl::kCounterStrike))
    state.version = GetFileVersionText(program, dir + hl::kCounterStrike);
  else
    state.statusRow = ids::kStatusFound;
  return state;
}

void DetectHL(Program& program) {
  ShowGameState(program, program.frmDemPla.lblHLStatus, program.frmOptions.lblHLStatus, name::kHL,
                HLState(program, program.frmOptions.txtHLPath.Text()));
}

std::string BrowseHLFolder(Program& program, ui::Window& owner, const std::string& title) {
  return BrowseGameFolder(program, owner, title, program.frmOptions.txtHLPath);
}

}  // namespace kalv
