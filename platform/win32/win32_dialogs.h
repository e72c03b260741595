// Message boxes and the shell's folder dialog.
#pragma once

#include "platform/dialogs.h"

namespace kalv::win32 {

class Win32Dialogs : public Dialogs {
 public:
  Answer MessageBox(const std::string& text, const std::string& caption, Icon icon, Buttons buttons,
                    WindowHandle* owner) override;
  std::optional<std::string> BrowseForFolder(WindowHandle* owner,
                                             const std::string& title) override;
};

}  // namespace kalv::win32
