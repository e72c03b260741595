#include "games/other/quake1/quake1.h"

#include "games/game_status.h"
#include "games/other/quake1/quake1_files.h"
#include "launcher/base/functions.h"
#include "launcher/base/texts.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

// Patterns that match no file of the game, so the list shows nothing.
const char* const kNoListPattern = "eh.kalk";
const char* const kNotFoundPattern = "uh.kalk";
}  // namespace

GameState Q1State(Program& program, const std::string& dir) {
  return StateByFile(program, dir, q1::kPak0);
}

// The list follows the text even in a language that sets no caption.
void DetectQ1(Program& program) {
  ui::frmOptions& options = program.frmOptions;
  const std::string dir = options.txtQ1Path.Text();
  const GameState state = Q1State(program, dir);
  ShowGameState(program, program.frmDemPla.lblQ1Status, options.lblQ1Status, name::kQ1, state);
  if (state.found()) {
    Skip(options.lstQ1.SetPath(dir));
    Skip(options.lstQ1.SetPattern("*.exe"));
  } else {
    Skip(options.lstQ1.SetPattern(state.statusRow == ids::kStatusNotInstalled ? kNoListPattern
                                                                              : kNotFoundPattern));
  }
}

// The stored name must match exactly, letter case included; otherwise the first entry
// stands in for it.
std::string SelectQ1Executable(Program& program) {
  ui::FileList& list = program.frmOptions.lstQ1;
  const std::string saved = program.choices.q1Executable;
  std::string result;
  for (int i = 0; i < list.Count(); ++i) {
    list.Select(i);
    if (list.FileName() == saved) return saved;
    list.Select(0);
    result = list.FileName();
  }
  return result;
}

std::string BrowseQ1Folder(Program& program, ui::Window& owner, const std::string& title) {
  return BrowseGameFolder(program, owner, title, program.frmOptions.txtQ1Path);
}

}  // namespace kalv
