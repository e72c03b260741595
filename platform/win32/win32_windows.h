// Windows made from the dialog templates in the program's resources.
#pragma once

#include <memory>

#include "platform/windows.h"

namespace kalv::win32 {

// Creates modeless dialogs, hidden; the C++ window object owns its native window, which
// is made when the window is first needed (DeferredWindow).
class Win32WindowFactory : public WindowFactory {
 public:
  std::unique_ptr<WindowHandle> CreateWindowFromTemplate(int templateId) override;
};

// The native dialog of a template, made at once and hidden.
std::unique_ptr<WindowHandle> CreateDialogNow(int templateId);

}  // namespace kalv::win32
