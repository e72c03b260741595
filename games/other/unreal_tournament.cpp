#include "games/other/unreal_tournament.h"

#include "games/game_status.h"
#include "launcher/functions.h"

namespace kalv {

namespace {
const char* const kGame = "Unreal Tournament";
}  // namespace

// The playback options follow the installation in every language; their ticks stay.
void DetectUT(Program& program) {
  ui::frmOptions& options = program.frmOptions;
  const std::string dir = options.txtUTPath.Text();
  bool found = false;
  int row = status::kNotInstalled;
  if (dir.size() >= kShortestGamePath) {
    found = FileExists(program, dir + "\\system\\botpack.u");
    row = found ? status::kFound : status::kNotFound;
  }
  ShowGameStatus(program, program.frmDemPla.lblUTStatus, options.lblUTStatus, kGame, row);
  options.chkUT_nfc.SetEnabled(found);
  options.chkUT_3rd.SetEnabled(found);
  options.chkUT_tb.SetEnabled(found);
}

std::string BrowseUTFolder(Program& program, ui::Window& owner, const std::string& title) {
  return BrowseGameFolder(program, owner, title, program.frmOptions.txtUTPath);
}

}  // namespace kalv
