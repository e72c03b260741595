#include "games/other/half_life.h"

#include "games/game_status.h"
#include "games/other/half_life_files.h"
#include "core/functions.h"
#include "core/texts.h"
#include "ui/text_ids.h"

namespace kalv {

// The version comes from hl.exe, else from cstrike.exe. A directory with the game data
// but neither executable is found without a version: showing what an earlier directory's
// executable carried would name a version this one does not have.
void DetectHL(Program& program) {
  const std::string dir = program.frmOptions.txtHLPath.Text();
  int row = ids::kStatusNotInstalled;
  std::string version;
  if (dir.size() >= kShortestGamePath) {
    bool haveExecutable = true;
    if (FileExists(program, dir + hl::kExecutable))
      version = GetFileVersionText(program, dir + hl::kExecutable);
    else if (FileExists(program, dir + hl::kCounterStrike))
      version = GetFileVersionText(program, dir + hl::kCounterStrike);
    else
      haveExecutable = false;
    if (!FileExists(program, dir + hl::kPak0)) {
      row = ids::kStatusNotFound;
      version.clear();
    } else {
      row = haveExecutable ? ids::kStatusFoundVersion : ids::kStatusFound;
    }
  }
  ShowGameStatus(program, program.frmDemPla.lblHLStatus, program.frmOptions.lblHLStatus, name::kHL,
                 row, version);
}

std::string BrowseHLFolder(Program& program, ui::Window& owner, const std::string& title) {
  return BrowseGameFolder(program, owner, title, program.frmOptions.txtHLPath);
}

}  // namespace kalv
