#include "platform/win32/paint_count.h"

#include "platform/win32/windows_api.h"
#include <commctrl.h>

namespace kalv::win32 {

struct PaintCounter::State {
  HWND control = nullptr;
  int paints = 0;
  LARGE_INTEGER frequency{};
  LARGE_INTEGER last{};
  double longestGap = 0;
};

namespace {

constexpr UINT_PTR kSubclassId = 0x4B50;  // any id unique to this counter

// Counts a paint before the control draws itself; the drawing is the control's own.
LRESULT CALLBACK CountPaints(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR data) {
  if (message == WM_PAINT) {
    auto* state = reinterpret_cast<PaintCounter::State*>(data);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    if (state->paints > 0) {
      const double gap = 1000.0 * static_cast<double>(now.QuadPart - state->last.QuadPart) /
                         static_cast<double>(state->frequency.QuadPart);
      if (gap > state->longestGap) state->longestGap = gap;
    }
    state->last = now;
    ++state->paints;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

PaintCounter::PaintCounter(std::uintptr_t dialog, int controlId)
    : state_(std::make_unique<State>()) {
  QueryPerformanceFrequency(&state_->frequency);
  state_->control = GetDlgItem(reinterpret_cast<HWND>(dialog), controlId);
  if (state_->control && !SetWindowSubclass(state_->control, &CountPaints, kSubclassId,
                                            reinterpret_cast<DWORD_PTR>(state_.get())))
    state_->control = nullptr;
}

PaintCounter::~PaintCounter() {
  if (state_->control) RemoveWindowSubclass(state_->control, &CountPaints, kSubclassId);
}

int PaintCounter::paints() const { return state_->paints; }

double PaintCounter::longestGapMilliseconds() const { return state_->longestGap; }

}  // namespace kalv::win32
