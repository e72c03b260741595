#include "ui/about_window.h"

#include "ui/resource.h"

namespace kalv::ui {

const char* const kMakerEmail = "support@kalvenmarque.example";
const char* const kMakerWebSite = "https://kalvenmarque.example/";

namespace {
const char* const kReadme =
    "The Readme and the help file are available in English only.\r\n"
    "Die Readme und die Hilfedatei gibt es nur auf Englisch.\r\n"
    "\r\n"
    "Kalvenmarque plays recorded demos of Quake 1, Quake 2, Quake 3 Arena, Star Trek "
    "Voyager Elite Force, Half-Life and Unreal Tournament. Double-click a demo in Explorer "
    "and the right game starts with it; when the game ends, everything Kalvenmarque put "
    "into the game's directory is removed again.\r\n"
    "\r\n"
    "Quake 3 Arena demos are played on the release they were recorded with: Kalvenmarque "
    "switches the installed release before the demo and back to the newest release after "
    "it. The switch can also be made by hand in the main window.\r\n"
    "\r\n"
    "Set the game directories, the default mods, the Quake 1 program and the Unreal "
    "Tournament playback options in the Options window.";
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

  SetCaption("Kalvenmarque v1.2.0...");
  lblTitle.SetCaption("Kalvenmarque");
  lblEMailCaption.SetCaption("E-Mail:");
  lblEMail.SetCaption(kMakerEmail);
  lblWebSiteCaption.SetCaption("Web-Site:");
  lblWebSite.SetCaption(kMakerWebSite);
  txtEnglish.SetCaption(kReadme);
  cmdOK.SetCaption("&OK");
}

}  // namespace kalv::ui
