// Message boxes and the shell's folder dialog.
#pragma once

#include <optional>
#include <string>

namespace kalv {

class WindowHandle;

enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Buttons { Ok, OkCancel, YesNo, RetryCancel };
// The numbers are the Windows button ids.
enum class Answer { Ok = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7 };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual Answer MessageBox(const std::string& text, const std::string& caption, Icon icon,
                            Buttons buttons, WindowHandle* owner = nullptr) = 0;
  // The folder dialog with the given title and no root folder: the chosen path (read into
  // a 512-character buffer, up to its first NUL), or nothing when cancelled or unreadable.
  virtual std::optional<std::string> BrowseForFolder(WindowHandle* owner,
                                                     const std::string& title) = 0;
};

}  // namespace kalv
