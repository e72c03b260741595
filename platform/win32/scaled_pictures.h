// The pictures of a dialog, each shown in the version drawn for the display scale of the
// window: name_192 from 200 %, name_144 from 150 %, the template's own below.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/dialog_template.h"
#include "platform/win32/windows_api.h"

namespace kalv::win32 {

// The resource name of picture name drawn for dpi dots per inch.
std::string PictureForScale(const std::string& name, int dpi);

// The dots per inch the window is drawn at (the system's where Windows has no
// per-window scale).
int WindowDpi(HWND window);

class ScaledPictures {
 public:
  explicit ScaledPictures(const DialogTemplate& layout);
  ~ScaledPictures();
  ScaledPictures(const ScaledPictures&) = delete;
  ScaledPictures& operator=(const ScaledPictures&) = delete;

  // Shows each picture of dialog in the version for its scale: on creation and after
  // the window moved to a display of another scale.
  void Fit(HWND dialog);

 private:
  struct Picture {
    int id = 0;
    std::string name;
    std::string shown;  // the version on screen; the template's at first
    HBITMAP loaded = nullptr;
  };
  std::vector<Picture> pictures_;
};

}  // namespace kalv::win32
