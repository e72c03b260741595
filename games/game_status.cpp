#include "games/game_status.h"

#include <optional>

#include "launcher/base/functions.h"
#include "launcher/base/texts.h"
#include "platform/files.h"

namespace kalv {

namespace {

// The part of chosen below gameDir ("osp" for C:\Quake3\osp under C:\Quake3); nothing
// when chosen does not lie below it. Only a path that starts with the game directory
// counts, so a folder that merely contains its text elsewhere never names a wrong mod.
std::optional<std::string> ModBelow(const std::string& gameDir, const std::string& chosen) {
  std::string base = gameDir;
  while (!base.empty() && base.back() == '\\') base.pop_back();
  if (base.empty()) return std::nullopt;
  const std::string prefix = AsciiLower(base) + "\\";
  if (chosen.size() <= prefix.size() || AsciiLower(chosen).compare(0, prefix.size(), prefix) != 0)
    return std::nullopt;
  return chosen.substr(prefix.size());
}

}  // namespace

void ClearMod(const ModControls& mod) {
  mod.choice.label = mod::kNone;
  mod.modLabel.SetCaption(mod::kNone);
  mod.modNameLabel.SetCaption(mod::kNone);
  mod.loadMod.SetValue(0);
  mod.loadMod.SetEnabled(false);
}

GameState StateByFile(Program& program, const std::string& dir, const char* marker) {
  GameState state;
  if (dir.size() >= kShortestGamePath)
    state.statusRow = FileExists(program, dir + marker) ? ids::kStatusFound : ids::kStatusNotFound;
  return state;
}

void ShowGameState(Program& program, ui::Label& mainLabel, ui::Label& optionsLabel,
                   const std::string& game, const GameState& state) {
  const auto status = Localized(program, state.statusRow);
  if (!status) return;
  mainLabel.SetCaption(" " + game + *status + state.version);
  optionsLabel.SetCaption(game + *status + state.version);
}

// A dialog that yields no readable path counts as cancelled.
std::string BrowseGameFolder(Program& program, ui::Window& owner, const std::string& title,
                             ui::TextBox& pathBox) {
  auto chosen = program.platform.dialogs.BrowseForFolder(&owner.handle(), title);
  if (!chosen || chosen->empty()) return "";
  pathBox.SetText(*chosen);
  return *chosen;
}

// The description is read from the folder that was just tested for it, so the mod name
// always belongs to the chosen folder.
std::string BrowseGameMod(Program& program, ui::Window& owner, const std::string& title,
                          const ModControls& mod) {
  auto chosen = program.platform.dialogs.BrowseForFolder(&owner.handle(), title);
  if (!chosen || chosen->empty()) return "";
  const std::string& folder = *chosen;
  const auto below = ModBelow(mod.pathBox.Text(), folder);
  if (!below) {
    ClearMod(mod);
    return folder;
  }
  if (!FileExists(program, folder + "\\Description.txt")) {
    ClearMod(mod);
    return folder;
  }
  mod.choice.label = mod::kPrefix + *below;
  mod.modLabel.SetCaption(mod.choice.label);
  auto description = ReadWholeFile(program.platform.files, folder + "\\description.txt");
  if (!description) return folder;
  mod.modNameLabel.SetCaption(description.value());
  mod.loadMod.SetEnabled(true);
  return folder;
}

}  // namespace kalv
