// The handle of one child control of a dialog: each call talks to the real control.
#pragma once

#include <string>

#include "platform/win32/windows_api.h"
#include "platform/windows.h"

namespace kalv::win32 {

enum class ControlKind { Static, Button, Edit, ComboBox, ListBox, ListView, Progress, Tab, Other };

ControlKind KindOf(HWND control);
ControlKind KindOfClassName(const wchar_t* name);

class ChildControl : public ControlHandle {
 public:
  // quietDepth counts the program's own text changes, during which an edit box's
  // change notification is not the user's.
  ChildControl(HWND hwnd, int& quietDepth);

  void SetText(const std::string& text) override;
  std::string Text() const override;
  void SetEnabled(bool enabled) override;
  bool Enabled() const override;
  void SetVisible(bool visible) override;
  bool Visible() const override;
  void SetValue(int value) override;
  int Value() const override;
  void ClearItems() override;
  void AddItem(const std::string& item) override;
  int ItemCount() const override;
  std::string Item(int index) const override;
  void SetSelection(int index) override;
  int Selection() const override;
  void Repaint() override;

 protected:
  HWND hwnd() const { return hwnd_; }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

 private:
  void SetProgressPosition(int value);
  bool SendPendingPosition();

  HWND hwnd_;
  ControlKind kind_;
  int& quietDepth_;
  int pendingPosition_ = -1;  // a progress position not yet sent to the control
};

// Text, enabled, visible and repaint of any window (shared by controls and dialogs).
std::string WindowText(HWND hwnd);
bool HasVisibleStyle(HWND hwnd);
void RepaintNow(HWND hwnd);

}  // namespace kalv::win32
