// Finding the top-level windows of other processes and reading their controls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kalv::testtools {

struct WindowFilter {
  std::wstring title;          // exact caption, when set
  std::wstring titleRegex;     // caption search pattern (ECMAScript), when set
  std::wstring className;      // exact window class, when set
  bool includeHidden = false;  // hidden windows count only when asked for
  bool messageBoxOnly = false;
  int hasControlId = 0;  // the window must hold a control with this id, when set
};

std::vector<HWND> FindWindows(const WindowFilter& filter);
// Polls every pollMs until a matching window shows up; nullptr after timeoutMs.
HWND WaitForWindow(const WindowFilter& filter, DWORD timeoutMs, DWORD pollMs = 100);
// Polls until no matching window is left.
bool WaitUntilGone(const WindowFilter& filter, DWORD timeoutMs);

// A dialog whose children are only push buttons and the text and icon statics of a
// message box.
bool IsMessageBox(HWND window);

std::wstring ClassOf(HWND window);
// The text a user sees on the window or control.
std::wstring TextOf(HWND window);
// Every descendant control in creation order.
std::vector<HWND> ChildrenOf(HWND window);
// The descendant control with the given id.
HWND ControlById(HWND window, int id);

// A message sent with a time limit, so that a hung program cannot hang the driver.
LRESULT SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Waits until the window's thread has handled what was posted to it.
void SyncWith(HWND window);

}  // namespace kalv::testtools
