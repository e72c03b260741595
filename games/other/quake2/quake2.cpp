#include "games/other/quake2/quake2.h"

#include "games/game_status.h"
#include "games/other/quake2/quake2_files.h"
#include "launcher/base/functions.h"
#include "launcher/base/texts.h"
#include "ui/text_ids.h"

namespace kalv {

// The path is tested by plain concatenation, as every game path is used.
GameState Q2State(Program& program, const std::string& dir) {
  return StateByFile(program, dir, q2::kPak0);
}

void DetectQ2(Program& program) {
  ShowGameState(program, program.frmDemPla.lblQ2Status, program.frmOptions.lblQ2Status, name::kQ2,
                Q2State(program, program.frmOptions.txtQ2Path.Text()));
}

std::string BrowseQ2Folder(Program& program, ui::Window& owner, const std::string& title) {
  return BrowseGameFolder(program, owner, title, program.frmOptions.txtQ2Path);
}

}  // namespace kalv
