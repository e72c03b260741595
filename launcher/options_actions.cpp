#include "launcher/options_actions.h"

#include <string>

#include "games/game_table.h"
#include "launcher/base/choices.h"
#include "launcher/base/settings.h"
#include "launcher/game_windows.h"
#include "launcher/language_actions.h"

namespace kalv {

namespace {

// A check box only takes clear (0) or ticked (1); any other text leaves it as it is.
void SetCheck(ui::CheckBox& box, const std::string& stored) {
  const auto value = SettingInteger(stored);
  if (value && (*value == 0 || *value == 1)) box.SetValue(*value);
}

void OpenAdvanced(Program& program) {
  program.frmAdvanced.Show();
  program.frmOptions.SetEnabled(false);
}

}  // namespace

// The list takes the choice; its change handling finds nothing to change then.
void ShowLanguage(Program& program) {
  if (!IsLanguage(program.choices.language)) return;
  program.frmOptions.comLanguage.Select(program.choices.language);
}

void OptionsLoad(Program& program) {
  ui::frmOptions& o = program.frmOptions;
  program.choices = LoadChoices(program);
  ShowLanguage(program);
  const Choices& c = program.choices;
  ShowQ3AMod(program);
  ShowSTVEFMod(program);
  SetCheck(o.chkUT_nfc, c.utPlayback.noFrameCap);
  SetCheck(o.chkUT_tb, c.utPlayback.timeBased);
  SetCheck(o.chkUT_3rd, c.utPlayback.thirdPerson);
}

// The folders the user edited become the chosen ones, whether or not they hold a game.
void SaveOptions(Program& program, bool withPlaybackOptions) {
  ui::frmOptions& o = program.frmOptions;
  Choices& c = program.choices;
  c.q3aMod.option = std::to_string(o.chkModQ3A.Value());
  c.stvefMod.option = std::to_string(o.chkModSTVEF.Value());
  c.q1Executable = o.lstQ1.FileName();
  c.dirs = program.shownFolders;
  if (withPlaybackOptions)
    c.utPlayback =
        UTPlayback{std::to_string(o.chkUT_nfc.Value()), std::to_string(o.chkUT_tb.Value()),
                   std::to_string(o.chkUT_3rd.Value())};
  SaveChoices(program, withPlaybackOptions);

  program.frmDemPla.SetEnabled(true);
  program.frmDemPla.Show();
  o.Hide();
}

// A page's folder box hands every edit back, and the game's detection looks at it.
void WireOptionsWindow(Program& program) {
  ui::frmOptions& o = program.frmOptions;
  Program* p = &program;
  for (const Game* game : Games()) {
    const GameCode code = game->code;
    ui::GamePage page = o.Page(IndexOf(code));
    ui::TextBox* box = &page.path;
    page.path.change = [p, code, box] {
      p->shownFolders[IndexOf(code)] = box->Text();
      DetectGame(*p, code);
    };
    page.browse.click = [p, code] { BrowseGameFolder(*p, code); };
  }
  o.cmdBrowseQ3A_Mod.click = [p] { BrowseGameMod(*p, GameCode::Q3A); };
  o.cmdBrowseSTVEF_Mod.click = [p] { BrowseGameMod(*p, GameCode::STVEF); };

  o.comLanguage.click = [p] { LanguageClicked(*p); };
  o.cmdAdvanced.click = [p] { OpenAdvanced(*p); };
  o.cmdOk.click = [p] { SaveOptions(*p, true); };
  o.close = [p] { SaveOptions(*p, false); };
}

}  // namespace kalv
