#include "ui/main_window.h"

#include "version.h"

#include "ui/resource.h"

namespace kalv::ui {

const char* const kMainWindowTitle = "Kalvenmarque v" KALV_VERSION_TEXT " - KVM Demo Player";

void frmDemPla::Create(WindowFactory& factory) {
  Window::Create(factory, IDD_MAIN);
  WindowHandle& w = handle();
  SetCaption(kMainWindowTitle);
  fraGameStates.Bind(w, IDC_MAIN_FRAGAMESTATES);
  for (std::size_t i = 0; i < kGamePages; ++i) lblStatus[i].Bind(w, kGamePageRows[i].mainStatus);
  picWow.Bind(w, IDC_MAIN_PICWOW);
  fraQ3A.Bind(w, IDC_MAIN_FRAQ3A);
  cmdConvert.Bind(w, IDC_MAIN_CMDCONVERT);
  comQ3.Bind(w, IDC_MAIN_COMQ3);
  lblGameVersion.Bind(w, IDC_MAIN_LBLGAMEVERSION);
  cmdClose.Bind(w, IDC_MAIN_CMDCLOSE);
  cmdQuake3Arena.Bind(w, IDC_MAIN_CMDQUAKE3ARENA);
  cmdAbout.Bind(w, IDC_MAIN_CMDABOUT);
  cmdOptions.Bind(w, IDC_MAIN_CMDOPTIONS);
  cmdDemos.Bind(w, IDC_MAIN_CMDDEMOS);
}

}  // namespace kalv::ui
