#include "launcher/main_window_actions.h"

#include <optional>
#include <string>

#include "games/quake3/conversion.h"
#include "games/quake3/quake3_play.h"
#include "games/quake3/release_store.h"
#include "launcher/base/texts.h"
#include "launcher/base/functions.h"
#include "launcher/base/settings.h"
#include "launcher/base/setting_names.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {}  // namespace

// Blanks around the number are allowed; anything else that is not a whole number is not.
std::optional<int> SettingInteger(const std::string& text) {
  std::size_t begin = text.find_first_not_of(' ');
  std::size_t end = text.find_last_not_of(' ');
  if (begin == std::string::npos) return std::nullopt;
  std::string digits = text.substr(begin, end - begin + 1);
  std::size_t i = digits[0] == '-' || digits[0] == '+' ? 1 : 0;
  if (i == digits.size() || digits.size() > 9) return std::nullopt;
  for (std::size_t k = i; k < digits.size(); ++k)
    if (digits[k] < '0' || digits[k] > '9') return std::nullopt;
  return std::stoi(digits);
}

namespace {

// A check box only takes clear (0) or ticked (1); anything else leaves it as it is.
void SetCheckFromSetting(Program& program, ui::CheckBox& box, const char* key,
                         const std::string& fallback) {
  const auto value = SettingInteger(ReadSetting(program, key, fallback));
  if (value && (*value == 0 || *value == 1)) box.SetValue(*value);
}

void ClearQ3AMod(ui::frmOptions& o) {
  o.chkModQ3A.SetValue(0);
  o.chkModQ3A.SetEnabled(false);
  o.lblModQ3A.SetCaption(mod::kNone);
  o.lblModNameQ3A.SetCaption(mod::kNone);
}

void OpenOptions(Program& program) {
  OptionsLoad(program);
  program.frmOptions.Show();
  program.frmDemPla.SetEnabled(false);
}

void OpenAbout(Program& program) {
  if (const auto version = Localized(program, ids::kAboutVersion))
    program.frmAbout.lblVersion.SetCaption(*version);
  program.frmAbout.Show();
  program.frmDemPla.SetEnabled(false);
}

}  // namespace

void LoadMainWindow(Program& program) {
  ui::frmDemPla& main = program.frmDemPla;
  auto releases = ReadReleases(program);
  if (!releases) {
    program.exitCode = 1;
    if (const auto text = Localized(program, ids::kMissingFiles))
      program.platform.dialogs.MessageBox(*text, kProgramTitle, Icon::Critical, Buttons::Ok);
    program.End();
  }
  program.offeredReleases.clear();
  for (const Release& r : releases.value()) {
    if (r.version == release::kMissing) continue;
    program.offeredReleases.push_back(r);
    main.comQ3.Add(release::kListPrefix + r.version);
  }
}

// A mod is only offered when its description file is there; the language selection is
// set with the load flag up so that it is not stored again.
void OptionsLoad(Program& program) {
  ui::frmOptions& o = program.frmOptions;
  program.languageLoading = true;
  const auto language = SettingInteger(ReadSetting(program, setting::kLanguage, "0"));
  if (language && IsLanguage(*language)) {
    program.choices.language = *language;
    o.comLanguage.Select(*language);
  }
  program.languageLoading = false;

  o.lblModQ3A.SetCaption(ReadSetting(program, setting::kModification, ""));
  const std::string caption = o.lblModQ3A.Caption();
  const std::string modDir =
      caption.size() > mod::kPrefixLength ? caption.substr(mod::kPrefixLength) : "";
  const std::string description =
      program.choices.dir(GameCode::Q3A) + "\\" + modDir + "\\description.txt";
  if (caption.size() < 3 || !FileExists(program, description)) {
    ClearQ3AMod(o);
  } else {
    o.chkModQ3A.SetEnabled(true);
    SetCheckFromSetting(program, o.chkModQ3A, setting::kModificationOption, "1");
    auto text = ReadWholeFile(program.platform.files, description);
    if (text) o.lblModNameQ3A.SetCaption(text.value());
  }

  SetCheckFromSetting(program, o.chkModSTVEF, setting::kModificationOptionSTVEF, "");
  o.lblModSTVEF.SetCaption(ReadSetting(program, setting::kModificationSTVEF, mod::kNone));
  SetCheckFromSetting(program, o.chkUT_nfc, setting::kUTNoFrameCap, "0");
  SetCheckFromSetting(program, o.chkUT_tb, setting::kUTTimeBased, "1");
  SetCheckFromSetting(program, o.chkUT_3rd, setting::kUTThirdPerson, "0");
}

void WireMainWindow(Program& program) {
  ui::frmDemPla& main = program.frmDemPla;
  Program* p = &program;
  main.cmdConvert.click = [p] { ConvertToSelected(*p); };
  main.cmdQuake3Arena.click = [p] { LaunchQuake3(*p); };
  main.cmdOptions.click = [p] { OpenOptions(*p); };
  main.cmdAbout.click = [p] { OpenAbout(*p); };
  main.cmdClose.click = [p] { p->End(); };
  main.close = [p] { p->End(); };
}

}  // namespace kalv
