#include "games/other/unreal_tournament/unreal_tournament.h"

#include "games/game_status.h"
#include "games/other/unreal_tournament/unreal_tournament_files.h"
#include "launcher/base/functions.h"
#include "launcher/base/texts.h"
#include "ui/text_ids.h"

namespace kalv {

GameState UTState(Program& program, const std::string& dir) {
  return StateByFile(program, dir, ut::kBotPack);
}

// The playback options follow the installation in every language; their ticks stay.
void DetectUT(Program& program) {
  ui::frmOptions& options = program.frmOptions;
  const GameState state = UTState(program, options.txtUTPath.Text());
  ShowGameState(program, program.frmDemPla.lblUTStatus, options.lblUTStatus, name::kUT, state);
  options.chkUT_nfc.SetEnabled(state.found());
  options.chkUT_3rd.SetEnabled(state.found());
  options.chkUT_tb.SetEnabled(state.found());
}

std::string BrowseUTFolder(Program& program, ui::Window& owner, const std::string& title) {
  return BrowseGameFolder(program, owner, title, program.frmOptions.txtUTPath);
}

}  // namespace kalv
