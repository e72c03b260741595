#include "ui/options_window.h"

#include "ui/resource.h"

namespace kalv::ui {

const std::array<const char*, 3> kLanguages = {"English", "Deutsch", "Afrikaans"};
const char* const kNoMod = " /";

// The texts that never change with the language are set here, so that every backend
// shows them whatever its template holds.
void frmOptions::Create(WindowFactory& factory, Files& files) {
  Window::Create(factory, IDD_OPTIONS);
  WindowHandle& w = handle();
  TabStrip1.Bind(w, IDC_OPTIONS_TABSTRIP1);
  for (std::size_t i = 0; i < kGamePages; ++i) {
    const GamePageRow& row = kGamePageRows[i];
    fraGame[i].Bind(w, row.frame);
    lblPath[i].Bind(w, row.pathLabel);
    txtPath[i].Bind(w, row.path);
    cmdBrowse[i].Bind(w, row.browse);
    fraStatus[i].Bind(w, row.statusFrame);
    lblStatus[i].Bind(w, row.status);
  }
  chkModQ3A.Bind(w, IDC_OPTIONS_CHKMODQ3A);
  chkModSTVEF.Bind(w, IDC_OPTIONS_CHKMODSTVEF);
  cmdBrowseQ3A_Mod.Bind(w, IDC_OPTIONS_CMDBROWSEQ3A_MOD);
  cmdBrowseSTVEF_Mod.Bind(w, IDC_OPTIONS_CMDBROWSESTVEF_MOD);
  lblModQ3A.Bind(w, IDC_OPTIONS_LBLMODQ3A);
  lblModSTVEF.Bind(w, IDC_OPTIONS_LBLMODSTVEF);
  lblModNameQ3A.Bind(w, IDC_OPTIONS_LBLMODNAMEQ3A);
  lblModNameSTVEF.Bind(w, IDC_OPTIONS_LBLMODNAMESTVEF);
  lstQ1Box.Bind(w, IDC_OPTIONS_LSTQ1);
  lblQ1_exe.Bind(w, IDC_OPTIONS_LBLQ1_EXE);
  chkUT_nfc.Bind(w, IDC_OPTIONS_CHKUT_NFC);
  chkUT_tb.Bind(w, IDC_OPTIONS_CHKUT_TB);
  chkUT_3rd.Bind(w, IDC_OPTIONS_CHKUT_3RD);
  Frame1.Bind(w, IDC_OPTIONS_FRAME1);
  lblLanguage.Bind(w, IDC_OPTIONS_LBLLANGUAGE);
  comLanguage.Bind(w, IDC_OPTIONS_COMLANGUAGE);
  cmdAdvanced.Bind(w, IDC_OPTIONS_CMDADVANCED);
  cmdOk.Bind(w, IDC_OPTIONS_CMDOK);

  lstQ1.Attach(files);
  lstQ1.ShowIn(lstQ1Box);

  for (std::size_t place = 0; place < kGamePages; ++place)
    for (const GamePageRow& row : kGamePageRows)
      if (static_cast<std::size_t>(row.tabPlace) == place) TabStrip1.AddTab(row.tab);
  TabStrip1.Select(0);
  comLanguage.Clear();
  for (const char* language : kLanguages) comLanguage.Add(language);
  chkUT_nfc.SetCaption("No frame cap");
  chkUT_tb.SetCaption("Time based");
  chkUT_3rd.SetCaption("3rd Person");
  Frame1.SetCaption("Kalvenmarque Options");
  cmdOk.SetCaption("&Ok");
  lblModQ3A.SetCaption(kNoMod);
  lblModSTVEF.SetCaption(kNoMod);
  lblModNameQ3A.SetCaption(kNoMod);
  lblModNameSTVEF.SetCaption(kNoMod);
  TabStrip1.click = [this] { ShowSelectedTab(); };
  ShowSelectedTab();
}

GamePage frmOptions::Page(std::size_t index) {
  return {fraGame[index],   lblPath[index],   txtPath[index],
          cmdBrowse[index], fraStatus[index], lblStatus[index]};
}

// The pages are matched by their tabs' captions, as the tabs are identified by their game
// names.
void frmOptions::ShowSelectedTab() {
  const int index = TabStrip1.Selected();
  const std::string selected =
      index >= 0 && index < TabStrip1.TabCount() ? TabStrip1.TabCaption(index) : std::string();
  for (std::size_t i = 0; i < kGamePages; ++i)
    fraGame[i].SetVisible(selected == kGamePageRows[i].tab);
}

}  // namespace kalv::ui
