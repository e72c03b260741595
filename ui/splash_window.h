// frmSplash: the start-up window. It shows who the program is licensed to and what it is
// doing, carries the progress bar of demo copies and is hidden while a game runs.
#pragma once

#include "platform/windows.h"
#include "ui/controls.h"

namespace kalv::ui {

struct SplashWindow {
  Window window;
  Picture picSplash;
  Label lblCompany;
  Label lblCopyright;
  Label lblEmail;
  Label lblICQ;
  Label lblLicensedto;
  Label lblUserName;
  Label lblPlatform;
  Label lblVersion;
  Label lblStatus0Label1;
  Label lblStatus1;
  ui::ProgressBar ProgressBar;

  // Creates the window (hidden) and binds every control to its template id.
  void Create(WindowFactory& factory);
  bool created() const { return window.created(); }
};

}  // namespace kalv::ui
