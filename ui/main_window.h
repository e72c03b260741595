// frmDemPla, the main window: the status of the six game installations, the Quake 3
// release switch and the buttons. Built from dialog template IDD_MAIN.
//
// Controls and their kinds:
//   fraGameStates                      frame
//   lblUTStatus, lblQ2Status, lblQ1Status,
//   lblSTVEFStatus, lblHLStatus,
//   lblQ3AStatus                       labels inside fraGameStates
//   picWow                             picture
//   fraQ3A                             frame
//   cmdConvert                         button
//   comQ3                              drop-down list
//   lblGameVersion                     label
//   cmdClose                           button
//   cmdQuake3Arena                     button
//   cmdAbout                           button
//   cmdOptions                         button
#pragma once

#include <string>

#include "platform/windows.h"
#include "ui/controls.h"

namespace kalv::ui {

// The title: the product and the maker's tag.
extern const char* const kMainWindowTitle;

struct frmDemPla : Window {
  Frame fraGameStates;
  Label lblUTStatus;
  Label lblQ2Status;
  Label lblQ1Status;
  Label lblSTVEFStatus;
  Label lblHLStatus;
  Label lblQ3AStatus;
  Picture picWow;
  Frame fraQ3A;
  Button cmdConvert;
  ComboBox comQ3;
  Label lblGameVersion;
  Button cmdClose;
  Button cmdQuake3Arena;
  Button cmdAbout;
  Button cmdOptions;

  void Create(WindowFactory& factory);
};

}  // namespace kalv::ui
