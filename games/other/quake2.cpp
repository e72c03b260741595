#include "games/other/quake2.h"

#include "games/game_status.h"
#include "launcher/functions.h"

namespace kalv {

namespace {
const char* const kGame = "Quake 2";
}  // namespace

// The path is tested by plain concatenation, as every game path is used.
void DetectQ2(Program& program) {
  const std::string dir = program.frmOptions.txtQ2Path.Text();
  int row = status::kNotInstalled;
  if (dir.size() >= kShortestGamePath)
    row = FileExists(program, dir + "\\baseq2\\pak0.pak") ? status::kFound : status::kNotFound;
  ShowGameStatus(program, program.frmDemPla.lblQ2Status, program.frmOptions.lblQ2Status, kGame,
                 row);
}

std::string BrowseQ2Folder(Program& program, ui::Window& owner, const std::string& title) {
  return BrowseGameFolder(program, owner, title, program.frmOptions.txtQ2Path);
}

}  // namespace kalv
