#include "platform/win32/child_control.h"

#include <commctrl.h>

#include <vector>

#include "platform/win32/progress_bar.h"
#include "platform/win32/wide.h"

namespace kalv::win32 {

ControlKind KindOfClassName(const wchar_t* name) {
  struct Entry {
    const wchar_t* className;
    ControlKind kind;
  };
  static const Entry kKinds[] = {
      {L"Static", ControlKind::Static},   {L"Button", ControlKind::Button},
      {L"Edit", ControlKind::Edit},       {L"ComboBox", ControlKind::ComboBox},
      {L"ListBox", ControlKind::ListBox}, {kProgressBarClass, ControlKind::Progress},
      {WC_TABCONTROLW, ControlKind::Tab}, {WC_LISTVIEWW, ControlKind::ListView},
  };
  for (const Entry& e : kKinds)
    if (lstrcmpiW(name, e.className) == 0) return e.kind;
  return ControlKind::Other;
}

ControlKind KindOf(HWND control) {
  wchar_t name[64] = L"";
  if (!control || GetClassNameW(control, name, 64) == 0) return ControlKind::Other;
  return KindOfClassName(name);
}

std::string WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return std::string();
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
  const int n = GetWindowTextW(hwnd, buffer.data(), length + 1);
  return Utf8(buffer.data(), static_cast<std::size_t>(n > 0 ? n : 0));
}

// The control's own flag: IsWindowVisible would also say false while its window is hidden.
bool HasVisibleStyle(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }

void RepaintNow(HWND hwnd) {
  InvalidateRect(hwnd, nullptr, TRUE);
  UpdateWindow(hwnd);
}

ChildControl::ChildControl(HWND hwnd, int& quietDepth)
    : hwnd_(hwnd), kind_(KindOf(hwnd)), quietDepth_(quietDepth) {}

LRESULT ChildControl::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return SendMessageW(hwnd_, message, wParam, lParam);
}

// The portable text box raises its own change event, so the edit box's notification
// for this program-made change is held back.
void ChildControl::SetText(const std::string& text) {
  ++quietDepth_;
  SetWindowTextW(hwnd_, Wide(text).c_str());
  --quietDepth_;
}

std::string ChildControl::Text() const { return WindowText(hwnd_); }

void ChildControl::SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

bool ChildControl::Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

namespace {

bool IsGroupBox(HWND hwnd) {
  return KindOf(hwnd) == ControlKind::Button &&
         (GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

}  // namespace

// A frame holds the controls drawn inside it, as a container would: a dialog template
// cannot nest them, so they are the controls that follow the group box in the
// template and lie within it. A group box of the same size ends the run, so frames
// stacked in one place (one page each) are shown and hidden one by one.
void ChildControl::SetVisible(bool visible) {
  const int show = visible ? SW_SHOW : SW_HIDE;
  ShowWindow(hwnd_, show);
  if (!IsGroupBox(hwnd_)) return;
  RECT frame{};
  GetWindowRect(hwnd_, &frame);
  for (HWND next = GetWindow(hwnd_, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT)) {
    RECT area{};
    GetWindowRect(next, &area);
    if (!Inside(area, frame) || (IsGroupBox(next) && EqualRect(&area, &frame))) break;
    ShowWindow(next, show);
  }
}

bool ChildControl::Visible() const { return HasVisibleStyle(hwnd_); }

void ChildControl::SetValue(int value) {
  switch (kind_) {
    case ControlKind::Button: Send(BM_SETCHECK, static_cast<WPARAM>(value)); break;
    case ControlKind::Progress: SetProgressPosition(value); break;
    case ControlKind::Tab: Send(TCM_SETCURSEL, static_cast<WPARAM>(value)); break;
    default: break;
  }
}

// The position of a shown bar waits for the next Repaint: its owner decides how often a
// moving bar is drawn. A bar that is not on screen takes it at once.
void ChildControl::SetProgressPosition(int value) {
  pendingPosition_ = value;
  if (!IsWindowVisible(hwnd_)) SendPendingPosition();
}

// The bar invalidates what the new position changes.
bool ChildControl::SendPendingPosition() {
  if (pendingPosition_ < 0) return false;
  Send(PBM_SETPOS, static_cast<WPARAM>(pendingPosition_));
  pendingPosition_ = -1;
  return true;
}

int ChildControl::Value() const {
  switch (kind_) {
    case ControlKind::Button: return static_cast<int>(Send(BM_GETCHECK));
    case ControlKind::Progress:
      return pendingPosition_ >= 0 ? pendingPosition_ : static_cast<int>(Send(PBM_GETPOS));
    case ControlKind::Tab: return static_cast<int>(Send(TCM_GETCURSEL));
    default: return 0;
  }
}

void ChildControl::ClearItems() {
  switch (kind_) {
    case ControlKind::ComboBox: Send(CB_RESETCONTENT); break;
    case ControlKind::ListBox: Send(LB_RESETCONTENT); break;
    case ControlKind::Tab: Send(TCM_DELETEALLITEMS); break;
    default: break;
  }
}

void ChildControl::AddItem(const std::string& item) {
  std::wstring text = Wide(item);
  switch (kind_) {
    case ControlKind::ComboBox:
      Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
      break;
    case ControlKind::ListBox: Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())); break;
    case ControlKind::Tab: {
      TCITEMW tab{};
      tab.mask = TCIF_TEXT;
      tab.pszText = text.data();
      Send(TCM_INSERTITEMW, static_cast<WPARAM>(Send(TCM_GETITEMCOUNT)),
           reinterpret_cast<LPARAM>(&tab));
      break;
    }
    default: break;
  }
}

int ChildControl::ItemCount() const {
  LRESULT n = 0;
  switch (kind_) {
    case ControlKind::ComboBox: n = Send(CB_GETCOUNT); break;
    case ControlKind::ListBox: n = Send(LB_GETCOUNT); break;
    case ControlKind::Tab: n = Send(TCM_GETITEMCOUNT); break;
    default: break;
  }
  return n < 0 ? 0 : static_cast<int>(n);
}

std::string ChildControl::Item(int index) const {
  if (index < 0 || index >= ItemCount()) return std::string();
  std::vector<wchar_t> buffer;
  switch (kind_) {
    case ControlKind::ComboBox: {
      const LRESULT n = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
      if (n < 0) return std::string();
      buffer.assign(static_cast<std::size_t>(n) + 1, L'\0');
      const LRESULT got =
          Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
      return got < 0 ? std::string() : Utf8(buffer.data(), static_cast<std::size_t>(got));
    }
    case ControlKind::ListBox: {
      const LRESULT n = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
      if (n < 0) return std::string();
      buffer.assign(static_cast<std::size_t>(n) + 1, L'\0');
      const LRESULT got =
          Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
      return got < 0 ? std::string() : Utf8(buffer.data(), static_cast<std::size_t>(got));
    }
    case ControlKind::Tab: {
      buffer.assign(256, L'\0');
      TCITEMW tab{};
      tab.mask = TCIF_TEXT;
      tab.pszText = buffer.data();
      tab.cchTextMax = 256;
      if (!Send(TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab)))
        return std::string();
      return Utf8(tab.pszText);
    }
    default: return std::string();
  }
}

// Selecting from the program never raises a click; only the user's choice does.
void ChildControl::SetSelection(int index) {
  switch (kind_) {
    case ControlKind::ComboBox: Send(CB_SETCURSEL, static_cast<WPARAM>(index)); break;
    case ControlKind::ListBox: Send(LB_SETCURSEL, static_cast<WPARAM>(index)); break;
    case ControlKind::Tab: Send(TCM_SETCURSEL, static_cast<WPARAM>(index)); break;
    default: break;
  }
}

int ChildControl::Selection() const {
  LRESULT n = -1;
  switch (kind_) {
    case ControlKind::ComboBox: n = Send(CB_GETCURSEL); break;
    case ControlKind::ListBox: n = Send(LB_GETCURSEL); break;
    case ControlKind::Tab: n = Send(TCM_GETCURSEL); break;
    default: break;
  }
  return n < 0 ? -1 : static_cast<int>(n);
}

// A bar given a new position paints what changed; anything else is painted whole.
void ChildControl::Repaint() {
  if (SendPendingPosition())
    UpdateWindow(hwnd_);
  else
    RepaintNow(hwnd_);
}

}  // namespace kalv::win32
