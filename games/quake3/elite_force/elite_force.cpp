#include "games/quake3/elite_force/elite_force.h"

#include "games/game_status.h"
#include "games/quake3/elite_force/elite_force_files.h"
#include "games/quake3/elite_force/elite_force_plan.h"
#include "launcher/base/functions.h"
#include "launcher/base/texts.h"
#include "ui/text_ids.h"

namespace kalv {

// The version follows the newest numbered pak: pak2 came with 1.20, pak1 with 1.10, and
// without either it is 1.00.
GameState STVEFState(Program& program, const std::string& dir) {
  GameState state = StateByFile(program, dir, stvef::kPak0);
  if (!state.found()) return state;
  state.statusRow = ids::kStatusFoundVersion;
  // Shown without the "v" the release names carry.
  state.version =
      STVEFVersion(FileExists(program, dir + stvef::kPak1), FileExists(program, dir + stvef::kPak2))
          .substr(1);
  return state;
}

void DetectSTVEF(Program& program) {
  ui::frmOptions& options = program.frmOptions;
  const std::string dir = options.txtSTVEFPath.Text();
  const GameState state = STVEFState(program, dir);
  if (state.found()) {
    program.choices.dir(GameCode::STVEF) = dir;
    options.cmdBrowseSTVEF_Mod.SetEnabled(true);
    if (program.choices.stvefMod.label != mod::kNone) options.chkModSTVEF.SetEnabled(true);
  } else {
    options.chkModSTVEF.SetEnabled(false);
    options.cmdBrowseSTVEF_Mod.SetEnabled(false);
  }
  ShowGameState(program, program.frmDemPla.lblSTVEFStatus, options.lblSTVEFStatus,
                name::kSTVEFStatus, state);
}

std::string BrowseSTVEFFolder(Program& program, ui::Window& owner, const std::string& title) {
  return BrowseGameFolder(program, owner, title, program.frmOptions.txtSTVEFPath);
}

ModControls STVEFModControls(Program& program) {
  ui::frmOptions& o = program.frmOptions;
  return {program.choices.stvefMod, o.txtSTVEFPath, o.lblModSTVEF, o.lblModNameSTVEF,
          o.chkModSTVEF};
}

std::string BrowseSTVEFMod(Program& program, ui::Window& owner, const std::string& title) {
  return BrowseGameMod(program, owner, title, STVEFModControls(program));
}

}  // namespace kalv
