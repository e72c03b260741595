// frmAbout, the About window: title, version, the maker's links and the readme text.
// Built from dialog template IDD_ABOUT. Only lblVersion follows the language.
//
// Controls and their kinds:
//   picIcon                 picture (the program icon)
//   lblTitle                label
//   lblVersion              label
//   lblEMailCaption         label "E-Mail:"
//   lblEMail                label, clickable (opens a mail to the maker)
//   lblWebSiteCaption       label "Web-Site:"
//   lblWebSite              label, clickable (opens the maker's web page)
//   linTop, linBottom       frames drawn as etched separator lines
//   txtEnglish              edit box, multi-line, read-only (the readme)
//   cmdOK                   button
#pragma once

#include "platform/windows.h"
#include "ui/controls.h"

namespace kalv::ui {

extern const char* const kMakerEmail;
extern const char* const kMakerWebSite;

struct frmAbout : Window {
  Picture picIcon;
  Label lblTitle;
  Label lblVersion;
  Label lblEMailCaption;
  Label lblEMail;
  Label lblWebSiteCaption;
  Label lblWebSite;
  Frame linTop;
  Frame linBottom;
  Label txtEnglish;  // read-only: only its caption (the readme) is ever set
  Button cmdOK;

  void Create(WindowFactory& factory);
};

}  // namespace kalv::ui
