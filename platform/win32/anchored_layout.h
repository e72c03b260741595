// The layout of a resizable dialog: each control whose template gives it anchors keeps its
// distances to the edges they name, and the window is never made smaller than it was made.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32/dialog_template.h"
#include "platform/win32/windows_api.h"

namespace kalv::win32 {

class AnchoredLayout {
 public:
  explicit AnchoredLayout(const DialogTemplate& layout);

  // Takes the controls' places as the template lays them out; a window the system made
  // smaller than its template (to fit the screen) then has them fitted to it.
  void Record(HWND dialog);
  // Moves the anchored controls to the dialog's present size.
  void Fit(HWND dialog) const;
  // The smallest size the user can drag the window to.
  void Limit(MINMAXINFO& limits) const;

 private:
  struct Anchored {
    int id;
    std::uint32_t anchor;
    RECT made;
  };
  bool resizable_;
  RECT designed_;  // the template's size, in dialog units
  std::vector<Anchored> controls_;
  SIZE client_{};
  SIZE smallest_{};
};

}  // namespace kalv::win32
