#include "platform/win32/win32_windows.h"

#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include <exception>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "platform/win32/anchored_layout.h"
#include "platform/win32/child_control.h"
#include "platform/win32/common_controls.h"
#include "platform/win32/deferred_window.h"
#include "platform/win32/list_view.h"
#include "platform/win32/scaled_pictures.h"
#include "platform/win32/wide.h"

namespace kalv::win32 {

namespace {

// Named here because the Windows 7 headers predate it.
constexpr UINT kDpiChanged = 0x02E0;
// Posted to itself: the pictures are fitted once the system has rescaled the dialog.
constexpr UINT kFitPictures = WM_APP + 1;
// The timer of the idle step: timer messages come after input and painting.
constexpr UINT_PTR kIdleTimer = 1;
// How long the idle step runs before the window's messages have their turn again.
constexpr DWORD kIdleSliceMilliseconds = 30;

// One modeless dialog. The window procedure only unpacks messages and hands them to
// the handlers the portable code installed.
class DialogWindow : public WindowHandle {
 public:
  explicit DialogWindow(const DialogTemplate& layout) : pictures_(layout), anchored_(layout) {}
  ~DialogWindow() override;
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  ControlHandle& Control(int id) override;
  void OnEvent(int id, Event event, std::function<void()> handler) override;
  std::uintptr_t Native() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }

  void SetText(const std::string& text) override { SetWindowTextW(hwnd_, Wide(text).c_str()); }
  std::string Text() const override { return WindowText(hwnd_); }
  void SetEnabled(bool enabled) override { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
  bool Enabled() const override { return IsWindowEnabled(hwnd_) != FALSE; }
  void SetVisible(bool visible) override { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }
  bool Visible() const override { return HasVisibleStyle(hwnd_); }
  void SetValue(int) override {}
  int Value() const override { return 0; }
  void ClearItems() override {}
  void AddItem(const std::string&) override {}
  int ItemCount() const override { return 0; }
  std::string Item(int) const override { return std::string(); }
  void SetSelection(int) override {}
  int Selection() const override { return -1; }
  void Repaint() override { RepaintNow(hwnd_); }
  void WhileIdle(std::function<bool()> step) override;

 private:
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnCommand(int id, int code, HWND control);
  INT_PTR OnNotify(const NMHDR& header);
  INT_PTR OnListNotify(const NMHDR& header);
  INT_PTR OnIdle();
  INT_PTR OnClose();
  INT_PTR OnDestroyed();
  void Fire(int id, Event event);

  HWND hwnd_ = nullptr;
  ScaledPictures pictures_;
  AnchoredLayout anchored_;
  std::function<bool()> idle_;
  int idleGeneration_ = 0;
  int quietDepth_ = 0;
  std::map<int, std::unique_ptr<ChildControl>> controls_;
  std::map<std::pair<int, Event>, std::function<void()>> handlers_;
};

// An exception must not unwind through the system's window code; it is noted for a
// debugger and the message counts as handled.
void NoteEscapedException(const char* what) {
  OutputDebugStringA("Kalvenmarque: exception in a window handler: ");
  OutputDebugStringA(what);
  OutputDebugStringA("\n");
}

DialogWindow::~DialogWindow() {
  if (!hwnd_) return;
  SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
  DestroyWindow(hwnd_);
}

// The object arrives with WM_INITDIALOG and is kept in the dialog's user slot; messages
// before it (WM_SETFONT) go to the default handling.
INT_PTR CALLBACK DialogWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogWindow* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<DialogWindow*>(lParam);
    SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = hwnd;
  } else {
    self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  }
  if (!self) return FALSE;
  try {
    return self->OnMessage(message, wParam, lParam);
  } catch (const std::exception& e) {
    NoteEscapedException(e.what());
  } catch (...) {
    NoteEscapedException("unknown");
  }
  return TRUE;
}

INT_PTR DialogWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      pictures_.Fit(hwnd_);
      anchored_.Record(hwnd_);
      return TRUE;
    case WM_SIZE: anchored_.Fit(hwnd_); return FALSE;
    case WM_GETMINMAXINFO: anchored_.Limit(*reinterpret_cast<MINMAXINFO*>(lParam)); return FALSE;
    case WM_TIMER: return wParam == kIdleTimer ? OnIdle() : FALSE;
    case kDpiChanged: PostMessageW(hwnd_, kFitPictures, 0, 0); return FALSE;
    case kFitPictures: pictures_.Fit(hwnd_); return TRUE;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CLOSE: return OnClose();
    case WM_NCDESTROY: return OnDestroyed();
    default: return FALSE;
  }
}

// BN_CLICKED and STN_CLICKED share code 0; code 1 is a selection change only for list
// and drop-down boxes (for a label it is a double click).
INT_PTR DialogWindow::OnCommand(int id, int code, HWND control) {
  if (code == BN_CLICKED) {
    Fire(id, Event::Click);
    return TRUE;
  }
  if (code == CBN_SELCHANGE) {
    const ControlKind kind = KindOf(control);
    if (kind == ControlKind::ComboBox || kind == ControlKind::ListBox) {
      Fire(id, Event::Click);
      return TRUE;
    }
    return FALSE;
  }
  if (code == EN_CHANGE && KindOf(control) == ControlKind::Edit) {
    if (quietDepth_ == 0) Fire(id, Event::Change);
    return TRUE;
  }
  return FALSE;
}

INT_PTR DialogWindow::OnNotify(const NMHDR& header) {
  if (header.code == static_cast<UINT>(TCN_SELCHANGE)) {
    Fire(static_cast<int>(header.idFrom), Event::Click);
    return TRUE;
  }
  if (KindOf(header.hwndFrom) == ControlKind::ListView) return OnListNotify(header);
  return FALSE;
}

// Enter needs nothing here: the dialog turns it into a click on the default button.
INT_PTR DialogWindow::OnListNotify(const NMHDR& header) {
  const int id = static_cast<int>(header.idFrom);
  switch (header.code) {
    case static_cast<UINT>(LVN_COLUMNCLICK):
      Control(id).SetValue(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
      Fire(id, Event::Column);
      return TRUE;
    case static_cast<UINT>(NM_DBLCLK):
      if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0) Fire(id, Event::Activate);
      return TRUE;
    case static_cast<UINT>(LVN_KEYDOWN):
      if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_F5) Fire(id, Event::Reload);
      return TRUE;
    case static_cast<UINT>(LVN_ITEMCHANGED): {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) &&
          !(change.uOldState & LVIS_SELECTED))
        Fire(id, Event::Click);
      return TRUE;
    }
    default: return FALSE;
  }
}

void DialogWindow::WhileIdle(std::function<bool()> step) {
  idle_ = std::move(step);
  ++idleGeneration_;
  if (idle_)
    SetTimer(hwnd_, kIdleTimer, USER_TIMER_MINIMUM, nullptr);
  else
    KillTimer(hwnd_, kIdleTimer);
}

// A step may replace itself or stop the work while it runs; each round runs a copy.
INT_PTR DialogWindow::OnIdle() {
  const DWORD began = GetTickCount();
  while (idle_ && GetTickCount() - began < kIdleSliceMilliseconds) {
    const std::function<bool()> step = idle_;
    const int generation = idleGeneration_;
    if (!step() && generation == idleGeneration_) WhileIdle(nullptr);
  }
  return TRUE;
}

// The close box only reports; the window stays until its owner discards it.
INT_PTR DialogWindow::OnClose() {
  Fire(0, Event::Close);
  return TRUE;
}

// Destroyed from outside (the system ending the session): forget the handle.
INT_PTR DialogWindow::OnDestroyed() {
  SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
  hwnd_ = nullptr;
  return FALSE;
}

// The handler is copied first: it may replace itself while it runs.
void DialogWindow::Fire(int id, Event event) {
  const auto found = handlers_.find({id, event});
  if (found == handlers_.end() || !found->second) return;
  const std::function<void()> handler = found->second;
  handler();
}

ControlHandle& DialogWindow::Control(int id) {
  auto found = controls_.find(id);
  if (found != controls_.end()) return *found->second;
  HWND child = GetDlgItem(hwnd_, id);
  if (!child) throw std::out_of_range("the dialog template has no control " + std::to_string(id));
  std::unique_ptr<ChildControl> handle = KindOf(child) == ControlKind::ListView
                                             ? std::make_unique<ListViewControl>(child, quietDepth_)
                                             : std::make_unique<ChildControl>(child, quietDepth_);
  ChildControl& ref = *handle;
  controls_.emplace(id, std::move(handle));
  return ref;
}

void DialogWindow::OnEvent(int id, Event event, std::function<void()> handler) {
  handlers_[{id, event}] = std::move(handler);
}

DialogTemplate TemplateOf(int templateId) {
  std::optional<DialogTemplate> layout = ReadDialogTemplate(templateId);
  if (!layout)
    throw std::runtime_error("dialog template " + std::to_string(templateId) + " is missing");
  return std::move(*layout);
}

// Texts, pictures and the program's own bar are all user32 and this program draw: a window
// of only those (the splash) is made without the common controls.
bool NeedsCommonControls(const DialogTemplate& layout) {
  for (const TemplateControl& control : layout.controls)
    if (control.kind != ControlKind::Static && control.kind != ControlKind::Progress) return true;
  return false;
}

}  // namespace

// Only a list view keeps its rows, so a window with one is made at once.
std::unique_ptr<WindowHandle> Win32WindowFactory::CreateWindowFromTemplate(int templateId) {
  const DialogTemplate layout = TemplateOf(templateId);
  for (const TemplateControl& control : layout.controls)
    if (control.kind == ControlKind::ListView) return CreateDialogNow(templateId);
  return std::make_unique<DeferredWindow>(layout,
                                          [templateId] { return CreateDialogNow(templateId); });
}

std::unique_ptr<WindowHandle> CreateDialogNow(int templateId) {
  const DialogTemplate& layout = TemplateOf(templateId);
  if (NeedsCommonControls(layout)) UseCommonControls();
  auto window = std::make_unique<DialogWindow>(layout);
  HWND hwnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), nullptr,
                                 &DialogWindow::Procedure, reinterpret_cast<LPARAM>(window.get()));
  if (!hwnd)
    throw std::runtime_error("dialog template " + std::to_string(templateId) +
                             " could not be created");
  ShowWindow(hwnd, SW_HIDE);
  return window;
}

}  // namespace kalv::win32
