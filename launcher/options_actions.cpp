#include "launcher/options_actions.h"

#include <string>

#include "games/quake3/elite_force/elite_force.h"
#include "games/quake3/quake3_arena.h"
#include "launcher/base/texts.h"
#include "launcher/base/functions.h"
#include "launcher/base/settings.h"
#include "launcher/base/setting_names.h"
#include "launcher/base/choices.h"
#include "launcher/language_actions.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

using Browse = Game::Browse;

// A check box only takes clear (0) or ticked (1); any other text leaves it as it is.
void SetCheck(ui::CheckBox& box, const std::string& stored) {
  const auto value = SettingInteger(stored);
  if (value && (*value == 0 || *value == 1)) box.SetValue(*value);
}

void ShowQ3AMod(Program& program) {
  ui::frmOptions& o = program.frmOptions;
  const ModChoice& mod = program.choices.q3aMod;
  const std::string description =
      program.choices.dir(GameCode::Q3A) + "\\" + mod.dir() + "\\description.txt";
  if (mod.label.size() < 3 || !FileExists(program, description)) {
    ClearMod(Q3AModControls(program));
    return;
  }
  o.lblModQ3A.SetCaption(mod.label);
  o.chkModQ3A.SetEnabled(true);
  SetCheck(o.chkModQ3A, mod.option.value_or("1"));
  if (auto text = ReadWholeFile(program.platform.files, description))
    o.lblModNameQ3A.SetCaption(text.value());
}

void WireBrowse(Program& program, ui::Button& button, const char* game, bool forMod,
                const Browse& browse) {
  Program* p = &program;
  button.click = [p, game, forMod, browse] {
    browse(*p, p->frmOptions, BrowsePrompt(*p, game, forMod));
  };
}

void OpenAdvanced(Program& program) {
  program.frmAdvanced.Show();
  program.frmOptions.SetEnabled(false);
}

}  // namespace

// An unknown language contributes no text, so the prompt is the game name alone.
std::string BrowsePrompt(Program& program, const std::string& game, bool forMod) {
  const auto select = Localized(program, ids::kPromptSelect);
  if (!select) return game;
  return *select + game + *Localized(program, forMod ? ids::kPromptMod : ids::kPromptFolder);
}

// With the load flag up, so that the selection is not stored again.
void ShowLanguage(Program& program) {
  if (!IsLanguage(program.choices.language)) return;
  program.languageLoading = true;
  program.frmOptions.comLanguage.Select(program.choices.language);
  program.languageLoading = false;
}

void OptionsLoad(Program& program) {
  ui::frmOptions& o = program.frmOptions;
  program.choices = LoadChoices(program);
  ShowLanguage(program);
  const Choices& c = program.choices;
  ShowQ3AMod(program);
  SetCheck(o.chkModSTVEF, c.stvefMod.option.value_or(""));
  o.lblModSTVEF.SetCaption(c.stvefMod.label);
  SetCheck(o.chkUT_nfc, c.utPlayback.noFrameCap);
  SetCheck(o.chkUT_tb, c.utPlayback.timeBased);
  SetCheck(o.chkUT_3rd, c.utPlayback.thirdPerson);
}

void SaveOptions(Program& program, bool withPlaybackOptions) {
  ui::frmOptions& o = program.frmOptions;
  Choices& c = program.choices;
  c.q3aMod.option = std::to_string(o.chkModQ3A.Value());
  c.stvefMod.option = std::to_string(o.chkModSTVEF.Value());
  c.q1Executable = o.lstQ1.FileName();
  for (const Game& game : *program.games) c.dir(game.code) = (o.*(game.pathBox)).Text();
  if (withPlaybackOptions)
    c.utPlayback =
        UTPlayback{std::to_string(o.chkUT_nfc.Value()), std::to_string(o.chkUT_tb.Value()),
                   std::to_string(o.chkUT_3rd.Value())};
  SaveChoices(program, withPlaybackOptions);

  program.frmDemPla.SetEnabled(true);
  program.frmDemPla.Show();
  o.Hide();
}

void WireOptionsWindow(Program& program) {
  ui::frmOptions& o = program.frmOptions;
  Program* p = &program;
  for (const Game& game : *program.games) {
    const Game::Operation& detect = game.detect;
    (o.*(game.pathBox)).change = [p, detect] { detect(*p); };
    WireBrowse(program, o.*(game.browseButton), game.name, false, game.browse);
  }
  WireBrowse(program, o.cmdBrowseQ3A_Mod, name::kQ3A, true, &BrowseQ3AMod);
  WireBrowse(program, o.cmdBrowseSTVEF_Mod, name::kSTVEF, true, &BrowseSTVEFMod);

  o.comLanguage.click = [p] { LanguageClicked(*p); };
  o.cmdAdvanced.click = [p] { OpenAdvanced(*p); };
  o.cmdOk.click = [p] { SaveOptions(*p, true); };
  o.close = [p] { SaveOptions(*p, false); };
}

}  // namespace kalv
