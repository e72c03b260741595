#include "launcher/main_window_actions.h"

#include <optional>
#include <string>

#include "launcher/constants.h"
#include "launcher/functions.h"
#include "launcher/settings.h"
#include "launcher/setting_names.h"

namespace kalv {

namespace {

constexpr int kMissingFilesRow = 182;  // + language
constexpr int kAboutVersionRow = 179;  // + language
const char* const kReleaseSection = "Quake 3 Arena Version";
const char* const kReleaseMissing = "Error";
const char* const kNoMod = " /";
const std::size_t kModPrefixLength = 5;  // "Mod: "

bool KnownLanguage(int language) { return language >= 0 && language <= 2; }

}  // namespace

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
  o.lblModQ3A.SetCaption(kNoMod);
  o.lblModNameQ3A.SetCaption(kNoMod);
}

void OpenOptions(Program& program) {
  OptionsLoad(program);
  program.frmOptions.Show();
  program.frmDemPla.SetEnabled(false);
}

void OpenAbout(Program& program) {
  const int language = program.Language();
  if (KnownLanguage(language))
    program.frmAbout.lblVersion.SetCaption(LoadText(program, kAboutVersionRow + language));
  program.frmAbout.Show();
  program.frmDemPla.SetEnabled(false);
}

void RunIfSet(Program& program, const Program::Operation& operation) {
  if (operation) operation(program);
}

}  // namespace

void LoadMainWindow(Program& program) {
  ui::frmDemPla& main = program.frmDemPla;
  const Status listed =
      main.lstFiles.SetPath(program.platform.system.ProgramDirectory() + "\\Versions");
  if (!listed.ok()) {
    const int language = program.Language();
    if (KnownLanguage(language))
      program.platform.dialogs.MessageBox(LoadText(program, kMissingFilesRow + language),
                                          kProgramTitle, Icon::Critical, Buttons::Ok);
    program.platform.system.EndProgram();
  }
  for (int i = 0; i < main.lstFiles.Count(); ++i) {
    const std::string file = main.lstFiles.Path() + "\\" + main.lstFiles.Item(i);
    const std::string version =
        program.platform.profile.ReadString(file, kReleaseSection, "Version", kReleaseMissing);
    if (version != kReleaseMissing) main.comQ3.Add("Quake 3 Arena " + version);
  }
}

// A mod is only offered when its description file is there; the language selection is
// set with the load flag up so that it is not stored again.
void OptionsLoad(Program& program) {
  ui::frmOptions& o = program.frmOptions;
  program.languageLoading = true;
  const auto language = SettingInteger(ReadSetting(program, setting::kLanguage, "0"));
  if (language && KnownLanguage(*language)) o.comLanguage.Select(*language);
  program.languageLoading = false;

  o.lblModQ3A.SetCaption(ReadSetting(program, setting::kModification, ""));
  const std::string caption = o.lblModQ3A.Caption();
  const std::string mod = caption.size() > kModPrefixLength ? caption.substr(kModPrefixLength) : "";
  const std::string description = program.q3aDir + "\\" + mod + "\\description.txt";
  if (caption.size() < 3 || !FileExists(program, description)) {
    ClearQ3AMod(o);
  } else {
    o.chkModQ3A.SetEnabled(true);
    SetCheckFromSetting(program, o.chkModQ3A, setting::kModificationOption, "1");
    auto text = ReadWholeFile(program.platform.files, description);
    if (text) o.lblModNameQ3A.SetCaption(text.value());
  }

  SetCheckFromSetting(program, o.chkModSTVEF, setting::kModificationOptionSTVEF, "");
  o.lblModSTVEF.SetCaption(ReadSetting(program, setting::kModificationSTVEF, kNoMod));
  SetCheckFromSetting(program, o.chkUT_nfc, setting::kUTNoFrameCap, "0");
  SetCheckFromSetting(program, o.chkUT_tb, setting::kUTTimeBased, "1");
  SetCheckFromSetting(program, o.chkUT_3rd, setting::kUTThirdPerson, "0");
}

void WireMainWindow(Program& program) {
  ui::frmDemPla& main = program.frmDemPla;
  Program* p = &program;
  main.cmdConvert.click = [p] { RunIfSet(*p, p->convertToSelected); };
  main.cmdQuake3Arena.click = [p] { RunIfSet(*p, p->launchQuake3); };
  main.cmdOptions.click = [p] { OpenOptions(*p); };
  main.cmdAbout.click = [p] { OpenAbout(*p); };
  main.cmdClose.click = [p] { p->platform.system.EndProgram(); };
  main.close = [p] { p->platform.system.EndProgram(); };
}

}  // namespace kalv
