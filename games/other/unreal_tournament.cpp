#include "games/other/unreal_tournament.h"

#include "games/game_status.h"
#include "games/other/unreal_tournament_files.h"
#include "core/functions.h"
#include "core/texts.h"
#include "ui/text_ids.h"

namespace kalv {

// The playback options follow the installation in every language; their ticks stay.
void DetectUT(Program& program) {
  ui::frmOptions& options = program.frmOptions;
  const std::string dir = options.txtUTPath.Text();
  bool found = false;
  int row = ids::kStatusNotInstalled;
  if (dir.size() >= kShortestGamePath) {
    found = FileExists(program, dir + ut::kBotPack);
    row = found ? ids::kStatusFound : ids::kStatusNotFound;
  }
  ShowGameStatus(program, program.frmDemPla.lblUTStatus, options.lblUTStatus, name::kUT, row);
  options.chkUT_nfc.SetEnabled(found);
  options.chkUT_3rd.SetEnabled(found);
  options.chkUT_tb.SetEnabled(found);
}

std::string BrowseUTFolder(Program& program, ui::Window& owner, const std::string& title) {
  return BrowseGameFolder(program, owner, title, program.frmOptions.txtUTPath);
}

}  // namespace kalv
