// Counts the paints of one child window of a dialog and the longest time between two of
// them, for measurements. The header is portable so that measuring code need not include
// <windows.h>.
#pragma once

#include <cstdint>
#include <memory>

namespace kalv::win32 {

class PaintCounter {
 public:
  // Starts counting the paints of the control controlId of the dialog window dialog
  // (WindowHandle::Native); counts nothing when there is no such control.
  PaintCounter(std::uintptr_t dialog, int controlId);
  ~PaintCounter();
  PaintCounter(const PaintCounter&) = delete;
  PaintCounter& operator=(const PaintCounter&) = delete;

  int paints() const;
  // The longest time between two paints, in milliseconds.
  double longestGapMilliseconds() const;

  struct State;

 private:
  std::unique_ptr<State> state_;
};

}  // namespace kalv::win32
