#include "games/quake3/quake3_arena.h"

#include "games/game_status.h"
#include "games/quake3/quake3_files.h"
#include "games/quake3/release_store.h"
#include "launcher/base/functions.h"
#include "launcher/base/texts.h"
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
GameState Q3AState(Program& program, const std::string& dir) {
  GameState state = StateByFile(program, dir, q3a::kExecutable);
  if (!state.found()) return state;
  const std::optional<Release> installed = ReleaseOfPaks(program, dir);
  if (installed && !installed->version.empty()) {
    state.statusRow = ids::kStatusFoundVersion;
    state.version = installed->version.substr(1);
  }
  return state;
}

void DetectQ3A(Program& program) {
  ui::frmOptions& options = program.frmOptions;
  const std::string dir = options.txtQ3APath.Text();
  const GameState state = Q3AState(program, dir);
  if (state.found()) program.choices.dir(GameCode::Q3A) = dir;
  EnableQ3AControls(program, state.found());
  if (!state.found())
    options.chkModQ3A.SetEnabled(false);
  else if (program.choices.q3aMod.label != mod::kNone)
    options.chkModQ3A.SetEnabled(true);
  ShowGameState(program, program.frmDemPla.lblQ3AStatus, options.lblQ3AStatus, name::kQ3A, state);
}

std::string BrowseQ3AFolder(Program& program, ui::Window& owner, const std::string& title) {
  return BrowseGameFolder(program, owner, title, program.frmOptions.txtQ3APath);
}

ModControls Q3AModControls(Program& program) {
  ui::frmOptions& o = program.frmOptions;
  return {program.choices.q3aMod, o.txtQ3APath, o.lblModQ3A, o.lblModNameQ3A, o.chkModQ3A};
}

std::string BrowseQ3AMod(Program& program, ui::Window& owner, const std::string& title) {
  return BrowseGameMod(program, owner, title, Q3AModControls(program));
}

}  // namespace kalv
