// frmSplash: the start-up window. It shows who the program is licensed to and what it is
// doing, carries the progress bar of demo copies and is hidden while a game runs.
#pragma once

#include "platform/windows.h"
#include "ui/controls.h"

namespace kalv {

struct SplashWindow {
  ui::Window window;
  ui::Picture picSplash;
  ui::Label lblCompany;
  ui::Label lblCopyright;
  ui::Label lblEmail;
  ui::Label lblICQ;
  ui::Label lblLicensedto;
  ui::Label lblUserName;
  ui::Label lblPlatform;
  ui::Label lblVersion;
  ui::Label lblStatus0Label1;
  ui::Label lblStatus1;
  ui::ProgressBar ProgressBar;

  // Creates the window (hidden) and binds every control to its template id.
  void Create(WindowFactory& factory);
  bool created() const { return window.created(); }
};

}  // namespace kalv
