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

// The captions of the main, options and advanced windows, each in its slot of the string table.
std::vector<std::pair<int, Setter>> CaptionSlots(Program& program) {
  ui::frmDemPla& m = program.frmDemPla;
  ui::frmOptions& o = program.frmOptions;
  ui::frmAdvanced& a = program.frmAdvanced;
  return {
      {slot::kMainGameVersionLabel, Caption(m.lblGameVersion)},
      {slot::kMainAboutButton, Caption(m.cmdAbout)},
      {slot::kMainCloseButton, Caption(m.cmdClose)},
      {slot::kMainConvertButton, Caption(m.cmdConvert)},
      {slot::kMainOptionsButton, Caption(m.cmdOptions)},
      {slot::kMainQuake3ArenaButton, Caption(m.cmdQuake3Arena)},
      {slot::kMainGameStatesFrame, Caption(m.fraGameStates)},
      {slot::kMainQ3AFrame, Caption(m.fraQ3A)},
      {slot::kOptionsBrowseQ2Button, Caption(o.cmdBrowseQ2)},
      {slot::kOptionsQ2StatusFrame, Caption(o.fraQ2Status)},
      {slot::kOptionsQ2Label, Caption(o.lblQ2)},
      {slot::kOptionsBrowseQ1Button, Caption(o.cmdBrowseQ1)},
      {slot::kOptionsQ1StatusFrame, Caption(o.fraQ1Status)},
      {slot::kOptionsQ1Label, Caption(o.lblQ1)},
      {slot::kOptionsQ1ExecutableLabel, Caption(o.lblQ1_exe)},
      {slot::kOptionsBrowseSTVEFButton, Caption(o.cmdBrowseSTVEF)},
      {slot::kOptionsSTVEFStatusFrame, Caption(o.fraSTVEFStatus)},
      {slot::kOptionsSTVEFLabel, Caption(o.lblSTVEF)},
      {slot::kOptionsBrowseSTVEFModButton, Caption(o.cmdBrowseSTVEF_Mod)},
      {slot::kOptionsModSTVEFCheckBox, Caption(o.chkModSTVEF)},
      {slot::kOptionsBrowseHLButton, Caption(o.cmdBrowseHL)},
      {slot::kOptionsHLStatusFrame, Caption(o.fraHLStatus)},
      {slot::kOptionsHLLabel, Caption(o.lblHL)},
      {slot::kOptionsBrowseQ3AButton, Caption(o.cmdBrowseQ3A)},
      {slot::kOptionsQ3AStatusFrame, Caption(o.fraQ3AStatus)},
      {slot::kOptionsQ3ALabel, Caption(o.lblQ3A)},
      {slot::kOptionsBrowseQ3AModButton, Caption(o.cmdBrowseQ3A_Mod)},
      {slot::kOptionsModQ3ACheckBox, Caption(o.chkModQ3A)},
      {slot::kAdvancedReinitializeButton, Caption(a.cmdRFA)},
      {slot::kAdvancedRemoveButton, Caption(a.cmdUFA)},
      {slot::kAdvancedUninstallButton, Caption(a.cmdUS)},
      {slot::kAdvancedAdvancedFrame, Caption(a.fraAdvanced)},
      {slot::kAdvancedTitle, Caption(a)},
      {slot::kOptionsLanguageLabel, Caption(o.lblLanguage)},
      {slot::kOptionsAdvancedButton, Caption(o.cmdAdvanced)},
      {slot::kOptionsTitle, Caption(o)},
      {slot::kOptionsBrowseUTButton, Caption(o.cmdBrowseUT)},
      {slot::kOptionsUTStatusFrame, Caption(o.fraUTStatus)},
      {slot::kOptionsUTLabel, Caption(o.lblUT)},
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
