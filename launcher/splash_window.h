// frmSplash: the start-up window. It shows who the program is licensed to and what it is
// doing, carries the progress bar of demo copies and is hidden while a game runs.
#pragma once

#include "platform/files.h"
#include "platform/windows.h"
#include "ui/controls.h"
#include "ui/file_list.h"

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
  // Invisible file lists: the release files the dispatcher reads, and the list that
  // normalises the demo's directory.
  ui::FileList lstFiles{"*.Vrk"};
  ui::FileList lstBugFix1;

  // Creates the window (hidden) and binds every control to its template id; the file
  // lists read the given file system (without one they stay empty).
  void Create(WindowFactory& factory);
  void Create(WindowFactory& factory, Files& files);
  bool created() const { return window.created(); }
};

}  // namespace kalv
