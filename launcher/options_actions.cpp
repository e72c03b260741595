#include "launcher/options_actions.h"

#include <string>

#include "games/other/half_life.h"
#include "games/other/quake1.h"
#include "games/other/quake2.h"
#include "games/other/unreal_tournament.h"
#include "games/quake3/elite_force.h"
#include "games/quake3/quake3_arena.h"
#include "launcher/functions.h"
#include "launcher/settings.h"
#include "launcher/setting_names.h"
#include "ui/language.h"

namespace kalv {

namespace {

constexpr int kPromptSelectRow = 424;
constexpr int kPromptFolderRow = 427;
constexpr int kPromptModRow = 433;

using Browse = std::string (*)(Program&, ui::Window&, const std::string&);

void Store(Program& program, const char* key, const std::string& text) {
  Skip(WriteSetting(program, key, text));
}

void WireBrowse(Program& program, ui::Button& button, const char* game, bool forMod,
                Browse browse) {
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
  const int language = program.Language();
  if (language < 0 || language > 2) return game;
  return LoadText(program, kPromptSelectRow + language) + game +
         LoadText(program, (forMod ? kPromptModRow : kPromptFolderRow) + language);
}

void SaveOptions(Program& program, bool withPlaybackOptions) {
  ui::frmOptions& o = program.frmOptions;
  Store(program, setting::kModification, o.lblModQ3A.Caption());
  Store(program, setting::kModificationOption, std::to_string(o.chkModQ3A.Value()));
  Store(program, setting::kModificationSTVEF, o.lblModSTVEF.Caption());
  Store(program, setting::kModificationOptionSTVEF, std::to_string(o.chkModSTVEF.Value()));
  Store(program, setting::kQ1Executable, o.lstQ1.FileName());

  program.q3aDir = o.txtQ3APath.Text();
  program.hlDir = o.txtHLPath.Text();
  program.stvefDir = o.txtSTVEFPath.Text();
  program.q1Dir = o.txtQ1Path.Text();
  program.q2Dir = o.txtQ2Path.Text();
  program.utDir = o.txtUTPath.Text();
  Store(program, setting::kQ3APath, program.q3aDir);
  Store(program, setting::kHLPath, program.hlDir);
  Store(program, setting::kSTVEFPath, program.stvefDir);
  Store(program, setting::kQ1Path, program.q1Dir);
  Store(program, setting::kQ2Path, program.q2Dir);
  Store(program, setting::kUTPath, program.utDir);

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
  o.txtQ3APath.change = [p] { DetectQ3A(*p); };
  o.txtQ2Path.change = [p] { DetectQ2(*p); };
  o.txtQ1Path.change = [p] { DetectQ1(*p); };
  o.txtHLPath.change = [p] { DetectHL(*p); };
  o.txtSTVEFPath.change = [p] { DetectSTVEF(*p); };
  o.txtUTPath.change = [p] { DetectUT(*p); };

  WireBrowse(program, o.cmdBrowseQ3A, "Quake 3 Arena", false, &BrowseQ3AFolder);
  WireBrowse(program, o.cmdBrowseQ2, "Quake 2", false, &BrowseQ2Folder);
  WireBrowse(program, o.cmdBrowseQ1, "Quake 1", false, &BrowseQ1Folder);
  WireBrowse(program, o.cmdBrowseHL, "Half-Life", false, &BrowseHLFolder);
  WireBrowse(program, o.cmdBrowseSTVEF, "Star Trek Voyager Elite Force", false,
             &BrowseSTVEFFolder);
  WireBrowse(program, o.cmdBrowseUT, "Unreal Tournament", false, &BrowseUTFolder);
  WireBrowse(program, o.cmdBrowseQ3A_Mod, "Quake 3 Arena", true, &BrowseQ3AMod);
  WireBrowse(program, o.cmdBrowseSTVEF_Mod, "Star Trek Voyager Elite Force", true,
             &BrowseSTVEFMod);

  o.comLanguage.click = [p] { LanguageClicked(*p); };
  o.cmdAdvanced.click = [p] { OpenAdvanced(*p); };
  o.cmdOk.click = [p] { SaveOptions(*p, true); };
  o.close = [p] { SaveOptions(*p, false); };
}

}  // namespace kalv
