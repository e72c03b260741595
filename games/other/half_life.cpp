#include "games/other/half_life.h"

#include "games/game_status.h"
#include "launcher/functions.h"

namespace kalv {

namespace {
const char* const kGame = "Half-Life";
}  // namespace

// The version comes from hl.exe, else from cstrike.exe. A directory with the game data
// but neither executable is found without a version: showing what an earlier directory's
// executable carried would name a version this one does not have.
void DetectHL(Program& program) {
  const std::string dir = program.frmOptions.txtHLPath.Text();
  int row = status::kNotInstalled;
  std::string version;
  if (dir.size() >= kShortestGamePath) {
    bool haveExecutable = true;
    if (FileExists(program, dir + "\\hl.exe"))
      version = GetFileVersionText(program, dir + "\\hl.exe");
    else if (FileExists(program, dir + "\\cstrike.exe"))
      version = GetFileVersionText(program, dir + "\\cstrike.exe");
    else
      haveExecutable = false;
    if (!FileExists(program, dir + "\\valve\\pak0.pak")) {
      row = status::kNotFound;
      version.clear();
    } else {
      row = haveExecutable ? status::kFoundVersion : status::kFound;
    }
  }
  ShowGameStatus(program, program.frmDemPla.lblHLStatus, program.frmOptions.lblHLStatus, kGame,
                 row, version);
}

std::string BrowseHLFolder(Program& program, ui::Window& owner, const std::string& title) {
  return BrowseGameFolder(program, owner, title, program.frmOptions.txtHLPath);
}

}  // namespace kalv
