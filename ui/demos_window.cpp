#include "ui/demos_window.h"

#include "ui/resource.h"

namespace kalv::ui {

void frmDemos::Create(WindowFactory& factory) {
  Window::Create(factory, IDD_DEMOS);
  WindowHandle& w = handle();
  lblFolder.Bind(w, IDC_DEMOS_LBLFOLDER);
  txtFolder.Bind(w, IDC_DEMOS_TXTFOLDER);
  cmdBrowse.Bind(w, IDC_DEMOS_CMDBROWSE);
  chkSubfolders.Bind(w, IDC_DEMOS_CHKSUBFOLDERS);
  lblGame.Bind(w, IDC_DEMOS_LBLGAME);
  comGame.Bind(w, IDC_DEMOS_COMGAME);
  lblFilter.Bind(w, IDC_DEMOS_LBLFILTER);
  txtFilter.Bind(w, IDC_DEMOS_TXTFILTER);
  lvwDemos.Bind(w, IDC_DEMOS_LVWDEMOS);
  lblStatus.Bind(w, IDC_DEMOS_LBLSTATUS);
  prgReading.Bind(w, IDC_DEMOS_PRGREADING);
  cmdPlay.Bind(w, IDC_DEMOS_CMDPLAY);
  cmdClose.Bind(w, IDC_DEMOS_CMDCLOSE);
}

}  // namespace kalv::ui
