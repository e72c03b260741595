#include "ui/advanced_window.h"

#include "ui/resource.h"

namespace kalv::ui {

void frmAdvanced::Create(WindowFactory& factory) {
  Window::Create(factory, IDD_ADVANCED);
  WindowHandle& w = handle();
  fraAdvanced.Bind(w, IDC_ADVANCED_FRAADVANCED);
  cmdRFA.Bind(w, IDC_ADVANCED_CMDRFA);
  cmdUFA.Bind(w, IDC_ADVANCED_CMDUFA);
  cmdUS.Bind(w, IDC_ADVANCED_CMDUS);
  cmdOk.Bind(w, IDC_ADVANCED_CMDOK);
  cmdOk.SetCaption("&Ok");
}

}  // namespace kalv::ui
