// frmAdvanced, the advanced options window: three actions on the installation, each
// handed to the association updater. Built from dialog template IDD_ADVANCED.
//
// Controls and their kinds:
//   fraAdvanced          frame
//   cmdRFA, cmdUFA, cmdUS buttons inside fraAdvanced
//   cmdOk                button
#pragma once

#include "platform/windows.h"
#include "ui/controls.h"

namespace kalv::ui {

struct frmAdvanced : Window {
  Frame fraAdvanced;
  Button cmdRFA;
  Button cmdUFA;
  Button cmdUS;
  Button cmdOk;

  void Create(WindowFactory& factory);
};

}  // namespace kalv::ui
