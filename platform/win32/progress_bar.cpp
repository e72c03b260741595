#include "platform/win32/progress_bar.h"

#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include <algorithm>

namespace kalv::win32 {

namespace {

constexpr int kLow = 0;
constexpr int kHigh = 100;
// The visual style's progress parts and the fill's normal state (vssym32.h).
constexpr int kBarPart = 1;
constexpr int kFillPart = 5;
constexpr int kChunkPart = 3;  // what styles before the fill part drew the bar with
constexpr int kNormalState = 1;

using Theme = HANDLE;
struct ThemeApi {
  Theme(WINAPI* open)(HWND, LPCWSTR) = nullptr;
  HRESULT(WINAPI* close)(Theme) = nullptr;
  HRESULT(WINAPI* draw)(Theme, HDC, int, int, const RECT*, const RECT*) = nullptr;
  HRESULT(WINAPI* content)(Theme, HDC, int, int, const RECT*, RECT*) = nullptr;
};

template <typename Function>
void Find(HMODULE module, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The style functions, from the library the system has loaded for the windows' frames.
const ThemeApi& Themes() {
  static const ThemeApi api = [] {
    ThemeApi a;
    if (HMODULE module = LoadLibraryW(L"uxtheme.dll")) {
      Find(module, "OpenThemeData", a.open);
      Find(module, "CloseThemeData", a.close);
      Find(module, "DrawThemeBackground", a.draw);
      Find(module, "GetThemeBackgroundContentRect", a.content);
    }
    if (!a.open || !a.close || !a.draw || !a.content) a = ThemeApi{};
    return a;
  }();
  return api;
}

RECT FilledPart(RECT inside, int position) {
  inside.right = inside.left + (inside.right - inside.left) * (position - kLow) / (kHigh - kLow);
  return inside;
}

void Paint(HWND hwnd, int position) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  RECT all;
  GetClientRect(hwnd, &all);
  const ThemeApi& api = Themes();
  Theme theme = api.open ? api.open(hwnd, L"PROGRESS") : nullptr;
  if (theme) {
    api.draw(theme, dc, kBarPart, 0, &all, nullptr);
    RECT inside = all;
    api.content(theme, dc, kBarPart, 0, &all, &inside);
    const RECT filled = FilledPart(inside, position);
    if (filled.right > filled.left &&
        FAILED(api.draw(theme, dc, kFillPart, kNormalState, &filled, nullptr)))
      api.draw(theme, dc, kChunkPart, 0, &filled, nullptr);
    api.close(theme);
  } else {
    const RECT filled = FilledPart(all, position);
    RECT rest = all;
    rest.left = filled.right;
    FillRect(dc, &filled, GetSysColorBrush(COLOR_HIGHLIGHT));
    FillRect(dc, &rest, GetSysColorBrush(COLOR_BTNFACE));
  }
  EndPaint(hwnd, &paint);
}

// The position lives in the window's own extra bytes.
LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case PBM_SETPOS: {
      const LONG_PTR old = GetWindowLongPtrW(hwnd, 0);
      SetWindowLongPtrW(hwnd, 0, std::clamp(static_cast<int>(wParam), kLow, kHigh));
      InvalidateRect(hwnd, nullptr, FALSE);
      return old;
    }
    case PBM_GETPOS: return GetWindowLongPtrW(hwnd, 0);
    case WM_ERASEBKGND: return 1;  // the paint covers every pixel
    case WM_PAINT: Paint(hwnd, static_cast<int>(GetWindowLongPtrW(hwnd, 0))); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void RegisterProgressBar() {
  static const bool registered = [] {
    WNDCLASSW c{};
    c.lpfnWndProc = &Procedure;
    c.cbWndExtra = sizeof(LONG_PTR);
    c.hInstance = GetModuleHandleW(nullptr);
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.lpszClassName = kProgressBarClass;
    return RegisterClassW(&c) != 0;
  }();
  (void)registered;
}

}  // namespace kalv::win32
