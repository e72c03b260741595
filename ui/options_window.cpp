#include "ui/options_window.h"

#include "ui/resource.h"

namespace kalv::ui {

const std::array<const char*, 6> kOptionTabs = {
    "Quake 3 Arena",    "Quake 2", "Quake 1", "Half-Life", "Star Trek Voyager Elite Force",
    "Unreal Tournament"};
const std::array<const char*, 3> kLanguages = {"English", "Deutsch", "Afrikaans"};
const char* const kNoMod = " /";

// The texts that never change with the language are set here, so that every backend
// shows them whatever its template holds.
void frmOptions::Create(WindowFactory& factory, Files& files) {
  Window::Create(factory, IDD_OPTIONS);
  WindowHandle& w = handle();
  TabStrip1.Bind(w, IDC_OPTIONS_TABSTRIP1);
  fraQ3A.Bind(w, IDC_OPTIONS_FRAQ3A);
  fraQ2.Bind(w, IDC_OPTIONS_FRAQ2);
  fraQ1.Bind(w, IDC_OPTIONS_FRAQ1);
  fraHL.Bind(w, IDC_OPTIONS_FRAHL);
  fraSTVEF.Bind(w, IDC_OPTIONS_FRASTVEF);
  fraUT.Bind(w, IDC_OPTIONS_FRAUT);
  txtQ3APath.Bind(w, IDC_OPTIONS_TXTQ3APATH);
  txtQ2Path.Bind(w, IDC_OPTIONS_TXTQ2PATH);
  txtQ1Path.Bind(w, IDC_OPTIONS_TXTQ1PATH);
  txtHLPath.Bind(w, IDC_OPTIONS_TXTHLPATH);
  txtSTVEFPath.Bind(w, IDC_OPTIONS_TXTSTVEFPATH);
  txtUTPath.Bind(w, IDC_OPTIONS_TXTUTPATH);
  lblQ3A.Bind(w, IDC_OPTIONS_LBLQ3A);
  lblQ2.Bind(w, IDC_OPTIONS_LBLQ2);
  lblQ1.Bind(w, IDC_OPTIONS_LBLQ1);
  lblHL.Bind(w, IDC_OPTIONS_LBLHL);
  lblSTVEF.Bind(w, IDC_OPTIONS_LBLSTVEF);
  lblUT.Bind(w, IDC_OPTIONS_LBLUT);
  cmdBrowseQ3A.Bind(w, IDC_OPTIONS_CMDBROWSEQ3A);
  cmdBrowseQ2.Bind(w, IDC_OPTIONS_CMDBROWSEQ2);
  cmdBrowseQ1.Bind(w, IDC_OPTIONS_CMDBROWSEQ1);
  cmdBrowseHL.Bind(w, IDC_OPTIONS_CMDBROWSEHL);
  cmdBrowseSTVEF.Bind(w, IDC_OPTIONS_CMDBROWSESTVEF);
  cmdBrowseUT.Bind(w, IDC_OPTIONS_CMDBROWSEUT);
  fraQ3AStatus.Bind(w, IDC_OPTIONS_FRAQ3ASTATUS);
  fraQ2Status.Bind(w, IDC_OPTIONS_FRAQ2STATUS);
  fraQ1Status.Bind(w, IDC_OPTIONS_FRAQ1STATUS);
  fraHLStatus.Bind(w, IDC_OPTIONS_FRAHLSTATUS);
  fraSTVEFStatus.Bind(w, IDC_OPTIONS_FRASTVEFSTATUS);
  fraUTStatus.Bind(w, IDC_OPTIONS_FRAUTSTATUS);
  lblQ3AStatus.Bind(w, IDC_OPTIONS_LBLQ3ASTATUS);
  lblQ2Status.Bind(w, IDC_OPTIONS_LBLQ2STATUS);
  lblQ1Status.Bind(w, IDC_OPTIONS_LBLQ1STATUS);
  lblHLStatus.Bind(w, IDC_OPTIONS_LBLHLSTATUS);
  lblSTVEFStatus.Bind(w, IDC_OPTIONS_LBLSTVEFSTATUS);
  lblUTStatus.Bind(w, IDC_OPTIONS_LBLUTSTATUS);
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

  for (const char* tab : kOptionTabs) TabStrip1.AddTab(tab);
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

// The frames are matched by caption, as the tabs are identified by their game names.
void frmOptions::ShowSelectedTab() {
  const int index = TabStrip1.Selected();
  const std::string selected =
      index >= 0 && index < TabStrip1.TabCount() ? TabStrip1.TabCaption(index) : std::string();
  Frame* frames[] = {&fraQ3A, &fraQ2, &fraQ1, &fraHL, &fraSTVEF, &fraUT};
  for (std::size_t i = 0; i < kOptionTabs.size(); ++i)
    frames[i]->SetVisible(selected == kOptionTabs[i]);
}

}  // namespace kalv::ui
