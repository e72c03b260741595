// Windows made from the dialog templates in the program's resources.
#pragma once

#include "platform/windows.h"

namespace kalv::win32 {

// Creates modeless dialogs, hidden; the C++ window object owns its native window.
class Win32WindowFactory : public WindowFactory {
 public:
  std::unique_ptr<WindowHandle> CreateWindowFromTemplate(int templateId) override;
};

}  // namespace kalv::win32
