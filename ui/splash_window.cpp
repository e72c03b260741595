#include "ui/splash_window.h"

#include "ui/resource.h"

namespace kalv::ui {

// The progress bar starts hidden: only a demo copy shows it.
void SplashWindow::Create(WindowFactory& factory) {
  window.Create(factory, IDD_SPLASH);
  WindowHandle& w = window.handle();
  picSplash.Bind(w, IDC_SPLASH_PICSPLASH);
  lblCompany.Bind(w, IDC_SPLASH_LBLCOMPANY);
  lblCopyright.Bind(w, IDC_SPLASH_LBLCOPYRIGHT);
  lblEmail.Bind(w, IDC_SPLASH_LBLEMAIL);
  lblICQ.Bind(w, IDC_SPLASH_LBLICQ);
  lblLicensedto.Bind(w, IDC_SPLASH_LBLLICENSEDTO);
  lblUserName.Bind(w, IDC_SPLASH_LBLUSERNAME);
  lblPlatform.Bind(w, IDC_SPLASH_LBLPLATFORM);
  lblVersion.Bind(w, IDC_SPLASH_LBLVERSION);
  lblStatus0Label1.Bind(w, IDC_SPLASH_LBLSTATUS0LABEL1);
  lblStatus1.Bind(w, IDC_SPLASH_LBLSTATUS1);
  ProgressBar.Bind(w, IDC_SPLASH_PROGRESSBAR);
  ProgressBar.SetVisible(false);
}

}  // namespace kalv::ui
