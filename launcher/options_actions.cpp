#include "launcher/options_actions.h"

#include <string>

#include "games/quake3/elite_force.h"
#include "games/quake3/quake3_arena.h"
#include "launcher/base/texts.h"
#include "launcher/base/functions.h"
#include "launcher/base/settings.h"
#include "launcher/base/setting_names.h"
#include "launcher/language_actions.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

using Browse = Game::Browse;

void Store(Program& program, const char* key, const std::string& text) {
  Skip(WriteSetting(program, key, text));
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

void SaveOptions(Program& program, bool withPlaybackOptions) {
  ui::frmOptions& o = program.frmOptions;
  Store(program, setting::kModification, o.lblModQ3A.Caption());
  Store(program, setting::kModificationOption, std::to_string(o.chkModQ3A.Value()));
  Store(program, setting::kModificationSTVEF, o.lblModSTVEF.Caption());
  Store(program, setting::kModificationOptionSTVEF, std::to_string(o.chkModSTVEF.Value()));
  Store(program, setting::kQ1Executable, o.lstQ1.FileName());

  for (const Game& game : *program.games) {
    std::string& dir = program.choices.dir(game.code);
    dir = (o.*(game.pathBox)).Text();
    Store(program, game.dirSetting, dir);
  }

  if (withPlaybackOptions) {
    Store(program, setting::kUTNoFrameCap, std::to_string(o.chkUT_nfc.Value()));
    Store(program, setting::kUTTimeBased, std::to_string(o.chkUT_tb.Value()));
    Store(program, setting::kUTThirdPerson, std::to_string(o.chkUT_3rd.Value()));
  }

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
