#include "launcher/language_actions.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "launcher/base/functions.h"
#include "launcher/base/settings.h"
#include "launcher/base/setting_names.h"
#include "launcher/startup.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

constexpr int kAfrikaans = 2;
const char* const kAfrikaansWarning =
    "BETA WARNING\r\nNote: The Afrikaans language option will be removed in the next version "
    "if there is no input from other users.";
const char* const kAfrikaansWarningTitle = "Known Bug";

using Setter = std::function<void(const std::string&)>;

Setter Caption(ui::Control& control) {
  return [&control](const std::string& text) { control.SetCaption(text); };
}
Setter Caption(ui::Window& window) {
  return [&window](const std::string& text) { window.SetCaption(text); };
}

// Slot numbers of the captions below the splash window's, as the string table lays them out.
std::vector<std::pair<int, Setter>> CaptionSlots(Program& program) {
  ui::frmDemPla& m = program.frmDemPla;
  ui::frmOptions& o = program.frmOptions;
  ui::frmAdvanced& a = program.frmAdvanced;
  return {
      {10, Caption(m.lblGameVersion)},
      {11, Caption(m.cmdAbout)},
      {12, Caption(m.cmdClose)},
      {13, Caption(m.cmdConvert)},
      {14, Caption(m.cmdOptions)},
      {15, Caption(m.cmdQuake3Arena)},
      {16, Caption(m.fraGameStates)},
      {17, Caption(m.fraQ3A)},
      {18, Caption(o.cmdBrowseQ2)},
      {19, Caption(o.fraQ2Status)},
      {20, Caption(o.lblQ2)},
      {21, Caption(o.cmdBrowseQ1)},
      {22, Caption(o.fraQ1Status)},
      {23, Caption(o.lblQ1)},
      {24, Caption(o.lblQ1_exe)},
      {25, Caption(o.cmdBrowseSTVEF)},
      {26, Caption(o.fraSTVEFStatus)},
      {27, Caption(o.lblSTVEF)},
      {28, Caption(o.cmdBrowseSTVEF_Mod)},
      {29, Caption(o.chkModSTVEF)},
      {30, Caption(o.cmdBrowseHL)},
      {31, Caption(o.fraHLStatus)},
      {32, Caption(o.lblHL)},
      {33, Caption(o.cmdBrowseQ3A)},
      {34, Caption(o.fraQ3AStatus)},
      {35, Caption(o.lblQ3A)},
      {36, Caption(o.cmdBrowseQ3A_Mod)},
      {37, Caption(o.chkModQ3A)},
      {38, Caption(a.cmdRFA)},
      {39, Caption(a.cmdUFA)},
      {40, Caption(a.cmdUS)},
      {41, Caption(a.fraAdvanced)},
      {42, Caption(a)},
      {43, Caption(o.lblLanguage)},
      {44, Caption(o.cmdAdvanced)},
      {45, Caption(o)},
      {46, Caption(o.cmdBrowseUT)},
      {47, Caption(o.fraUTStatus)},
      {48, Caption(o.lblUT)},
  };
}

}  // namespace

// Setting a caption runs nothing else; only the detections at the end act, in the order
// of the table of games.
void LanguageChange(Program& program, bool includeSplash) {
  const int language = program.Language();
  if (IsLanguage(language)) {
    if (includeSplash && program.frmSplash.created()) SetSplashCaptions(program, language);
    for (auto& [slot, set] : CaptionSlots(program))
      set(*Localized(program, ids::kCaptions + slot, 100));
  }
  for (const Game& game : *program.games) game.detect(program);
}

void LanguageClicked(Program& program) {
  if (program.languageLoading) return;
  program.choices.language = program.frmOptions.comLanguage.Selected();
  const int language = program.Language();
  if (language == kAfrikaans)
    program.platform.dialogs.MessageBox(kAfrikaansWarning, kAfrikaansWarningTitle, Icon::Critical,
                                        Buttons::Ok);
  if (IsLanguage(language))
    Skip(WriteSetting(program, setting::kLanguage, std::to_string(language)));
  LanguageChange(program, false);
}

}  // namespace kalv
