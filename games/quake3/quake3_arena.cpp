#include "games/quake3/quake3_arena.h"

#include "games/game_status.h"
#include "games/quake3/quake3_files.h"
#include "games/quake3/release_store.h"
#include "core/functions.h"
#include "core/texts.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

void EnableQ3AControls(Program& program, bool enabled) {
  program.frmDemPla.cmdConvert.SetEnabled(enabled);
  program.frmDemPla.cmdQuake3Arena.SetEnabled(enabled);
  program.frmOptions.cmdBrowseQ3A_Mod.SetEnabled(enabled);
}

}  // namespace

// An installation whose paks match no stored release is still an installation: it is
// reported as found without a version rather than leaving an earlier directory's caption.
void DetectQ3A(Program& program) {
  ui::frmDemPla& main = program.frmDemPla;
  ui::frmOptions& options = program.frmOptions;
  const std::string dir = options.txtQ3APath.Text();
  if (dir.size() < kShortestGamePath) {
    ShowGameStatus(program, main.lblQ3AStatus, options.lblQ3AStatus, name::kQ3A,
                   ids::kStatusNotInstalled);
    EnableQ3AControls(program, false);
    options.chkModQ3A.SetEnabled(false);
    return;
  }
  if (!FileExists(program, dir + q3a::kExecutable)) {
    EnableQ3AControls(program, false);
    options.chkModQ3A.SetEnabled(false);
    ShowGameStatus(program, main.lblQ3AStatus, options.lblQ3AStatus, name::kQ3A,
                   ids::kStatusNotFound);
    return;
  }
  program.choices.dir(GameCode::Q3A) = dir;
  const std::optional<Release> installed = ReleaseOfPaks(program, dir);
  const std::string version = installed ? installed->version : "";
  EnableQ3AControls(program, true);
  if (options.lblModQ3A.Caption() != mod::kNone) options.chkModQ3A.SetEnabled(true);
  if (version.empty())
    ShowGameStatus(program, main.lblQ3AStatus, options.lblQ3AStatus, name::kQ3A, ids::kStatusFound);
  else
    ShowGameStatus(program, main.lblQ3AStatus, options.lblQ3AStatus, name::kQ3A,
                   ids::kStatusFoundVersion, version.substr(1));
}

std::string BrowseQ3AFolder(Program& program, ui::Window& owner, const std::string& title) {
  return BrowseGameFolder(program, owner, title, program.frmOptions.txtQ3APath);
}

std::string BrowseQ3AMod(Program& program, ui::Window& owner, const std::string& title) {
  ui::frmOptions& o = program.frmOptions;
  return BrowseGameMod(program, owner, title,
                       {o.txtQ3APath, o.lblModQ3A, o.lblModNameQ3A, o.chkModQ3A});
}

}  // namespace kalv
