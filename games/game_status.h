// What the games' Detect and Browse operations share: the status lines on the main and
// options windows, and the folder dialogs for a game directory and a mod.
#pragma once

#include <string>

#include "launcher/base/program.h"
#include "ui/controls.h"
#include "ui/text_ids.h"

namespace kalv {

// Paths shorter than this are taken as "no directory" without looking at the disk.
constexpr std::size_t kShortestGamePath = 3;

// What a game's detection found in a folder: the status row (ids::kStatusNotInstalled
// for no folder, kStatusNotFound, kStatusFound, kStatusFoundVersion) and the version
// shown after it.
struct GameState {
  int statusRow = ids::kStatusNotInstalled;
  std::string version;
  bool found() const {
    return statusRow == ids::kStatusFound || statusRow == ids::kStatusFoundVersion;
  }
};

// The state of a folder whose installation shows by one file: not installed for a path
// too short to be a folder, found when dir + marker exists, not found otherwise.
GameState StateByFile(Program& program, const std::string& dir, const char* marker);

// Writes a state to both windows: the main window's label becomes " " + game + status +
// version and the options window's game + status + version, in the current language;
// for another language index neither changes.
void ShowGameState(Program& program, ui::Label& mainLabel, ui::Label& optionsLabel,
                   const std::string& game, const GameState& state);

// The folder dialog for a game directory: the chosen path goes into pathBox (whose change
// handling runs the game's detection) and is returned; "" and no change on cancel.
std::string BrowseGameFolder(Program& program, ui::Window& owner, const std::string& title,
                             ui::TextBox& pathBox);

// A mod choice and the controls that show it (Quake 3 Arena and Elite Force have one
// set each).
struct ModControls {
  ModChoice& choice;
  ui::TextBox& pathBox;
  ui::Label& modLabel;
  ui::Label& modNameLabel;
  ui::CheckBox& loadMod;
};

// The folder dialog for a mod below the game directory in pathBox: a folder with a
// description becomes the chosen mod, any other clears the choice. Returns the chosen
// path, "" on cancel.
std::string BrowseGameMod(Program& program, ui::Window& owner, const std::string& title,
                          const ModControls& mod);

// No mod chosen: the label " /" in the choice and on the window, the check box clear and
// disabled.
void ClearMod(const ModControls& mod);

}  // namespace kalv
