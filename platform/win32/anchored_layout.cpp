#include "platform/win32/anchored_layout.h"

#include "platform/window_anchors.h"

namespace kalv::win32 {

AnchoredLayout::AnchoredLayout(const DialogTemplate& layout)
    : resizable_((layout.style & WS_THICKFRAME) != 0),
      designed_{0, 0, layout.width, layout.height} {
  if (!resizable_) return;
  for (const TemplateControl& control : layout.controls)
    if (control.anchor) controls_.push_back({control.id, control.anchor, RECT{}});
}

void AnchoredLayout::Record(HWND dialog) {
  if (!resizable_) return;
  RECT designed = designed_;
  MapDialogRect(dialog, &designed);
  client_ = {designed.right, designed.bottom};
  RECT frame = designed;
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
  smallest_ = {frame.right - frame.left, frame.bottom - frame.top};
  for (Anchored& control : controls_) {
    HWND child = GetDlgItem(dialog, control.id);
    if (!child) continue;
    GetWindowRect(child, &control.made);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&control.made), 2);
  }
  Fit(dialog);
}

// One deferred move for all of them, so that the window is drawn once.
void AnchoredLayout::Fit(HWND dialog) const {
  if (!resizable_ || controls_.empty() || client_.cx == 0) return;
  RECT client{};
  GetClientRect(dialog, &client);
  const int dx = client.right - client_.cx;
  const int dy = client.bottom - client_.cy;
  HDWP moves = BeginDeferWindowPos(static_cast<int>(controls_.size()));
  for (const Anchored& control : controls_) {
    HWND child = GetDlgItem(dialog, control.id);
    if (!child || !moves) continue;
    RECT r = control.made;
    if (control.anchor & KALV_MOVE_RIGHT) OffsetRect(&r, dx, 0);
    if (control.anchor & KALV_MOVE_DOWN) OffsetRect(&r, 0, dy);
    if (control.anchor & KALV_GROW_RIGHT) r.right += dx;
    if (control.anchor & KALV_GROW_DOWN) r.bottom += dy;
    moves = DeferWindowPos(moves, child, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (moves) EndDeferWindowPos(moves);
  InvalidateRect(dialog, nullptr, TRUE);
}

void AnchoredLayout::Limit(MINMAXINFO& limits) const {
  if (!resizable_ || smallest_.cx == 0) return;
  limits.ptMinTrackSize = {smallest_.cx, smallest_.cy};
}

}  // namespace kalv::win32
