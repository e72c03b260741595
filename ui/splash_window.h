// frmSplash: the start-up window. It shows who the program is licensed to and what it is
// doing, carries the progress bar of demo copies and is hidden while a game runs.
#pragma once

#include "platform/files.h"
#include "platform/windows.h"
#include "ui/controls.h"
#include "ui/file_list.h"

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
  // Invisible file lists: the release files the dispatcher reads, and the list that
  // normalises the demo's directory.
  FileList lstFiles{"*.Vrk"};
  FileList lstBugFix1;

  // Creates the window (hidden) and binds every control to its template id; the file
  // lists read the given file system (without one they stay empty).
  void Create(WindowFactory& factory);
  void Create(WindowFactory& factory, Files& files);
  bool created() const { return window.created(); }
};

}  // namespace kalv::ui
