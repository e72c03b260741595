// frmDemos, the demo library: a folder of demos in a report list, with filters by game and
// text, the reading's progress in the status line, and Play. Built from IDD_DEMOS; it is
// made when first opened.
#pragma once

#include "platform/windows.h"
#include "ui/controls.h"

namespace kalv::ui {

struct frmDemos : Window {
  Label lblFolder;
  TextBox txtFolder;
  Button cmdBrowse;
  CheckBox chkSubfolders;
  Label lblGame;
  ComboBox comGame;
  Label lblFilter;
  TextBox txtFilter;
  TableControl lvwDemos;
  Label lblStatus;
  ProgressBar prgReading;
  Button cmdPlay;
  Button cmdClose;

  void Create(WindowFactory& factory);
};

}  // namespace kalv::ui
