#include "ui/about_window.h"

#include "version.h"

#include "ui/resource.h"

namespace kalv::ui {

const char* const kMakerEmail = "support@kalvenmarque.example";
const char* const kMakerWebSite = "https://kalvenmarque.example/";

namespace {
// The readme, kept as ui/readme.txt and turned into a literal at build time.
const char* const kReadme =
#include "ui/readme_text.inc"
    ;
}  // namespace

void frmAbout::Create(WindowFactory& factory) {
  Window::Create(factory, IDD_ABOUT);
  WindowHandle& w = handle();
  picIcon.Bind(w, IDC_ABOUT_PICICON);
  lblTitle.Bind(w, IDC_ABOUT_LBLTITLE);
  lblVersion.Bind(w, IDC_ABOUT_LBLVERSION);
  lblEMailCaption.Bind(w, IDC_ABOUT_LBLEMAILCAPTION);
  lblEMail.Bind(w, IDC_ABOUT_LBLEMAIL);
  lblWebSiteCaption.Bind(w, IDC_ABOUT_LBLWEBSITECAPTION);
  lblWebSite.Bind(w, IDC_ABOUT_LBLWEBSITE);
  linTop.Bind(w, IDC_ABOUT_LINTOP);
  linBottom.Bind(w, IDC_ABOUT_LINBOTTOM);
  txtEnglish.Bind(w, IDC_ABOUT_TXTENGLISH);
  cmdOK.Bind(w, IDC_ABOUT_CMDOK);

  SetCaption("Kalvenmarque v" KALV_VERSION_TEXT "...");
  lblTitle.SetCaption("Kalvenmarque");
  lblEMailCaption.SetCaption("E-Mail:");
  lblEMail.SetCaption(kMakerEmail);
  lblWebSiteCaption.SetCaption("Web-Site:");
  lblWebSite.SetCaption(kMakerWebSite);
  txtEnglish.SetCaption(kReadme);
  cmdOK.SetCaption("&OK");
}

}  // namespace kalv::ui
