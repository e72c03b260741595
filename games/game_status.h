// What the games' Detect and Browse operations share: the status lines on the main and
// options windows, and the folder dialogs for a game directory and a mod.
#pragma once

#include <string>

#include "core/program.h"
#include "ui/controls.h"

namespace kalv {

// Paths shorter than this are taken as "no directory" without looking at the disk.
constexpr std::size_t kShortestGamePath = 3;

// Sets the main window's label to " " + game + status and the options window's label to
// game + status, in the current language; for another language index neither changes.
// statusRow is one of the English status rows (ids::kStatusFound, ...).
void ShowGameStatus(Program& program, ui::Label& mainLabel, ui::Label& optionsLabel,
                    const std::string& game, int statusRow, const std::string& version = "");

// The folder dialog for a game directory: the chosen path goes into pathBox (whose change
// handling runs the game's detection) and is returned; "" and no change on cancel.
std::string BrowseGameFolder(Program& program, ui::Window& owner, const std::string& title,
                             ui::TextBox& pathBox);

// The controls a mod choice fills (Quake 3 Arena and Elite Force have one set each).
struct ModControls {
  ui::TextBox& pathBox;
  ui::Label& modLabel;
  ui::Label& modNameLabel;
  ui::CheckBox& loadMod;
};

// The folder dialog for a mod below the game directory in pathBox; returns the chosen
// path, "" on cancel.
std::string BrowseGameMod(Program& program, ui::Window& owner, const std::string& title,
                          const ModControls& mod);

}  // namespace kalv
