#include "launcher/game_windows.h"

#include <optional>

#include "games/game_table.h"
#include "games/other/quake1/quake1_plan.h"
#include "launcher/base/localized.h"
#include "launcher/base/settings.h"
#include "ui/text_ids.h"

namespace kalv {

// The windows' pages and status lines follow the table of games.
static_assert(ui::kGamePages == kGameCount);
static_assert(ui::page::kQ3A == IndexOf(GameCode::Q3A) && ui::page::kHL == IndexOf(GameCode::HL) &&
              ui::page::kSTVEF == IndexOf(GameCode::STVEF) &&
              ui::page::kQ1 == IndexOf(GameCode::Q1) && ui::page::kQ2 == IndexOf(GameCode::Q2) &&
              ui::page::kUT == IndexOf(GameCode::UT));

namespace {

// Patterns that match no file of the game, so the Quake 1 list shows nothing.
const char* const kNoListPattern = "eh.kalk";
const char* const kNotFoundPattern = "uh.kalk";

int StatusRow(GameState::Status status) {
  switch (status) {
    case GameState::Status::NotInstalled: return ids::kStatusNotInstalled;
    case GameState::Status::NotFound: return ids::kStatusNotFound;
    case GameState::Status::Found: return ids::kStatusFound;
    case GameState::Status::FoundVersion: return ids::kStatusFoundVersion;
  }
  return ids::kStatusNotInstalled;
}

ui::GamePage PageOf(Program& program, GameCode code) {
  return program.frmOptions.Page(IndexOf(code));
}

// A mod choice and the controls that show it (Quake 3 Arena and Elite Force have one
// set each).
struct ModControls {
  ModChoice& choice;
  ui::Label& modLabel;
  ui::Label& modNameLabel;
  ui::CheckBox& loadMod;
  ui::Button& browse;
};
std::optional<ModControls> ModControlsOf(Program& program, GameCode code) {
  ui::frmOptions& o = program.frmOptions;
  if (code == GameCode::Q3A)
    return ModControls{program.choices.q3aMod, o.lblModQ3A, o.lblModNameQ3A, o.chkModQ3A,
                       o.cmdBrowseQ3A_Mod};
  if (code == GameCode::STVEF)
    return ModControls{program.choices.stvefMod, o.lblModSTVEF, o.lblModNameSTVEF, o.chkModSTVEF,
                       o.cmdBrowseSTVEF_Mod};
  return std::nullopt;
}

// No mod chosen: the label " /" in the choice and on the window, the check box clear and
// disabled.
void ClearMod(const ModControls& mod) {
  mod.choice.label = mod::kNone;
  mod.modLabel.SetCaption(mod::kNone);
  mod.modNameLabel.SetCaption(mod::kNone);
  mod.loadMod.SetValue(0);
  mod.loadMod.SetEnabled(false);
}

// A check box only takes clear (0) or ticked (1); any other text leaves it as it is.
void SetCheck(ui::CheckBox& box, const std::string& stored) {
  const auto value = SettingInteger(stored);
  if (value && (*value == 0 || *value == 1)) box.SetValue(*value);
}

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

// The controls that follow the installation, in every language.
void ShowFollowers(Program& program, GameCode code, const GameState& state) {
  ui::frmOptions& o = program.frmOptions;
  const bool found = state.found();
  if (const auto mod = ModControlsOf(program, code)) {
    mod->browse.SetEnabled(found);
    if (!found)
      mod->loadMod.SetEnabled(false);
    else if (mod->choice.label != mod::kNone)
      mod->loadMod.SetEnabled(true);
  }
  switch (code) {
    case GameCode::Q3A:
      program.frmDemPla.cmdConvert.SetEnabled(found);
      program.frmDemPla.cmdQuake3Arena.SetEnabled(found);
      break;
    case GameCode::UT:
      o.chkUT_nfc.SetEnabled(found);
      o.chkUT_3rd.SetEnabled(found);
      o.chkUT_tb.SetEnabled(found);
      break;
    case GameCode::Q1:
      if (found) {
        Skip(o.lstQ1.SetPath(program.shownFolders[IndexOf(code)]));
        Skip(o.lstQ1.SetPattern("*.exe"));
      } else {
        Skip(o.lstQ1.SetPattern(
            state.status == GameState::Status::NotInstalled ? kNoListPattern : kNotFoundPattern));
      }
      break;
    default: break;
  }
}

}  // namespace

void ShowGameState(Program& program, GameCode code, const GameState& state) {
  ShowFollowers(program, code, state);
  const auto status = Localized(program, StatusRow(state.status));
  if (!status) return;
  const std::string name = GameOf(code).statusName;
  program.frmDemPla.StatusLine(IndexOf(code)).SetCaption(" " + name + *status + state.version);
  PageOf(program, code).status.SetCaption(name + *status + state.version);
}

// Setting the caption runs no change handling.
void ShowFolder(Program& program, GameCode code, const std::string& folder) {
  program.shownFolders[IndexOf(code)] = folder;
  PageOf(program, code).path.SetCaption(folder);
}

void DetectGame(Program& program, GameCode code) {
  const std::string& folder = program.shownFolders[IndexOf(code)];
  const GameState state = GameOf(code).detect(program.install(), folder);
  if (state.found()) program.choices.dir(code) = folder;
  ShowGameState(program, code, state);
}

void DetectGames(Program& program) {
  for (const Game* game : Games()) DetectGame(program, game->code);
}

// A dialog that yields no readable path counts as cancelled.
std::string BrowseGameFolder(Program& program, GameCode code) {
  const std::string title = BrowsePrompt(program, GameOf(code).name, false);
  auto chosen = program.platform.dialogs.BrowseForFolder(&program.frmOptions.handle(), title);
  if (!chosen || chosen->empty()) return "";
  PageOf(program, code).path.SetText(*chosen);
  return *chosen;
}

// The description is read from the folder that was just tested for it, so the mod name
// always belongs to the chosen folder.
std::string BrowseGameMod(Program& program, GameCode code) {
  const auto mod = ModControlsOf(program, code);
  if (!mod) return "";
  const std::string title = BrowsePrompt(program, GameOf(code).name, true);
  auto chosen = program.platform.dialogs.BrowseForFolder(&program.frmOptions.handle(), title);
  if (!chosen || chosen->empty()) return "";
  const std::string& folder = *chosen;
  const auto below = ModBelow(PageOf(program, code).path.Text(), folder);
  Files& files = program.platform.files;
  if (!below || !files.CanOpenForRead(folder + "\\Description.txt")) {
    ClearMod(*mod);
    return folder;
  }
  mod->choice.label = mod::kPrefix + *below;
  mod->modLabel.SetCaption(mod->choice.label);
  auto description = ReadWholeFile(files, folder + "\\description.txt");
  if (!description) return folder;
  mod->modNameLabel.SetCaption(description.value());
  mod->loadMod.SetEnabled(true);
  return folder;
}

// An unknown language contributes no text, so the prompt is the game name alone.
std::string BrowsePrompt(Program& program, const std::string& game, bool forMod) {
  const auto select = Localized(program, ids::kPromptSelect);
  if (!select) return game;
  return *select + game + *Localized(program, forMod ? ids::kPromptMod : ids::kPromptFolder);
}

void ShowQ3AMod(Program& program) {
  ui::frmOptions& o = program.frmOptions;
  const ModChoice& mod = program.choices.q3aMod;
  const std::string description =
      program.choices.dir(GameCode::Q3A) + "\\" + mod.dir() + "\\description.txt";
  if (mod.label.size() < 3 || !program.platform.files.CanOpenForRead(description)) {
    ClearMod(*ModControlsOf(program, GameCode::Q3A));
    return;
  }
  o.lblModQ3A.SetCaption(mod.label);
  o.chkModQ3A.SetEnabled(true);
  SetCheck(o.chkModQ3A, mod.option.value_or("1"));
  if (auto text = ReadWholeFile(program.platform.files, description))
    o.lblModNameQ3A.SetCaption(text.value());
}

// The stored name must match exactly, letter case included.
std::string SelectQ1Executable(Program& program) {
  ui::FileList& list = program.frmOptions.lstQ1;
  std::vector<std::string> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(list.Item(i));
  const std::string chosen = ChooseQ1Executable(names, program.choices.q1Executable);
  for (int i = 0; i < list.Count(); ++i)
    if (names[static_cast<std::size_t>(i)] == chosen) list.Select(i);
  return chosen;
}

void ShowSTVEFMod(Program& program) {
  ui::frmOptions& o = program.frmOptions;
  SetCheck(o.chkModSTVEF, program.choices.stvefMod.option.value_or(""));
  o.lblModSTVEF.SetCaption(program.choices.stvefMod.label);
}

}  // namespace kalv
