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
//   cmdDemos                           button (the demo library)
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "platform/windows.h"
#include "ui/controls.h"
#include "ui/options_window.h"
#include "ui/resource.h"

namespace kalv::ui {

// The title: the product and the maker's tag.
extern const char* const kMainWindowTitle;

struct frmDemPla : Window {
  Frame fraGameStates;
  // One status line per game, by the order of the table of games (kGamePageRows).
  std::array<Label, kGamePages> lblStatus;
  // The status lines by their documented names.
  Label &lblQ3AStatus = lblStatus[page::kQ3A], &lblHLStatus = lblStatus[page::kHL],
        &lblSTVEFStatus = lblStatus[page::kSTVEF], &lblQ1Status = lblStatus[page::kQ1],
        &lblQ2Status = lblStatus[page::kQ2], &lblUTStatus = lblStatus[page::kUT];
  Picture picWow;
  Frame fraQ3A;
  Button cmdConvert;
  ComboBox comQ3;
  Label lblGameVersion;
  Button cmdClose;
  Button cmdQuake3Arena;
  Button cmdAbout;
  Button cmdOptions;
  Button cmdDemos;

  void Create(WindowFactory& factory);

  // The status line of game index, in the order of the table of games.
  Label& StatusLine(std::size_t index) { return lblStatus[index]; }
};

}  // namespace kalv::ui
