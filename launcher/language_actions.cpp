#include "launcher/language_actions.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "games/setting_names.h"
#include "launcher/base/localized.h"
#include "launcher/base/settings.h"
#include "launcher/game_windows.h"
#include "launcher/startup.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

constexpr int kAfrikaans = 2;

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
  std::vector<std::pair<int, Setter>> slots = {
      {slot::kMainGameVersionLabel, Caption(m.lblGameVersion)},
      {slot::kMainAboutButton, Caption(m.cmdAbout)},
      {slot::kMainCloseButton, Caption(m.cmdClose)},
      {slot::kMainConvertButton, Caption(m.cmdConvert)},
      {slot::kMainOptionsButton, Caption(m.cmdOptions)},
      {slot::kMainQuake3ArenaButton, Caption(m.cmdQuake3Arena)},
      {slot::kMainGameStatesFrame, Caption(m.fraGameStates)},
      {slot::kMainQ3AFrame, Caption(m.fraQ3A)},
      {slot::kMainDemosButton, Caption(m.cmdDemos)},
      {slot::kOptionsQ1ExecutableLabel, Caption(o.lblQ1_exe)},
      {slot::kOptionsBrowseSTVEFModButton, Caption(o.cmdBrowseSTVEF_Mod)},
      {slot::kOptionsModSTVEFCheckBox, Caption(o.chkModSTVEF)},
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
  };
  for (std::size_t i = 0; i < ui::kGamePages; ++i) {
    const ui::GamePageRow& row = ui::kGamePageRows[i];
    slots.push_back({row.labelSlot, Caption(o.lblPath[i])});
    slots.push_back({row.browseSlot, Caption(o.cmdBrowse[i])});
    slots.push_back({row.statusFrameSlot, Caption(o.fraStatus[i])});
  }
  return slots;
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
  DetectGames(program);
}

// The warning about Afrikaans speaks the language the user chose it in (English when that
// was none). A selection the program made itself changes nothing.
void LanguageClicked(Program& program) {
  const int chosen = program.frmOptions.comLanguage.Selected();
  if (chosen == program.choices.language) return;
  if (chosen == kAfrikaans) {
    auto row = [&program](int id) {
      return Localized(program, id).value_or(LoadText(program, id));
    };
    program.platform.dialogs.MessageBox(
        row(ids::kAfrikaansWarning), row(ids::kAfrikaansWarningTitle), Icon::Critical, Buttons::Ok);
  }
  program.choices.language = chosen;
  const int language = program.Language();
  if (IsLanguage(language))
    Skip(WriteSetting(program, setting::kLanguage, std::to_string(language)));
  LanguageChange(program, false);
}

}  // namespace kalv
