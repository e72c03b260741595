#include "platform/win32/testtools/window_find.h"

#include <regex>

#include "platform/win32/testtools/wide_text.h"

namespace kalv::testtools {
namespace {

constexpr DWORD kPollMs = 100;
constexpr UINT kSendTimeoutMs = 5000;
constexpr int kMessageBoxTextId = 0xFFFF;
// The icon static: 20 on Windows, 1088 in Wine's template.
constexpr int kMessageBoxIconIds[] = {0x14, 0x440};

struct Search {
  const WindowFilter* filter;
  std::vector<HWND> found;
};

bool Matches(HWND window, const WindowFilter& filter) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == GetCurrentProcessId()) return false;
  if (!filter.includeHidden && !IsWindowVisible(window)) return false;
  std::wstring cls = ClassOf(window);
  if (!filter.className.empty() && cls != filter.className) return false;
  if (filter.messageBoxOnly && !IsMessageBox(window)) return false;
  if (filter.hasControlId != 0 && ControlById(window, filter.hasControlId) == nullptr) return false;
  if (filter.title.empty() && filter.titleRegex.empty()) return true;
  std::wstring caption = TextOf(window);
  if (!filter.title.empty() && caption != filter.title) return false;
  if (!filter.titleRegex.empty()) {
    // Patterns are matched on UTF-8 text: std::wregex is unreliable in this runtime.
    std::regex pattern(ToUtf8(filter.titleRegex));
    if (!std::regex_search(ToUtf8(caption), pattern)) return false;
  }
  return true;
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  if (Matches(window, *search->filter)) search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> FindWindows(const WindowFilter& filter) {
  Search search{&filter, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(const WindowFilter& filter, DWORD timeoutMs, DWORD pollMs) {
  DWORD start = GetTickCount();
  for (;;) {
    std::vector<HWND> found = FindWindows(filter);
    if (!found.empty()) return found.front();
    if (GetTickCount() - start >= timeoutMs) return nullptr;
    Sleep(pollMs);
  }
}

bool WaitUntilGone(const WindowFilter& filter, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (FindWindows(filter).empty()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(kPollMs);
  }
}

bool IsMessageBox(HWND window) {
  if (ClassOf(window) != L"#32770") return false;
  bool hasText = false;
  bool hasButton = false;
  for (HWND child : ChildrenOf(window)) {
    int id = GetDlgCtrlID(child);
    std::wstring cls = ClassOf(child);
    if (cls == L"Static" && id == kMessageBoxTextId) {
      hasText = true;
    } else if (cls == L"Static" && (id == kMessageBoxIconIds[0] || id == kMessageBoxIconIds[1])) {
      continue;
    } else if (cls == L"Button" && id >= IDOK && id <= IDCONTINUE) {
      hasButton = true;
    } else {
      return false;
    }
  }
  return hasText && hasButton;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  int got = GetClassNameW(window, name, 256);
  return std::wstring(name, got > 0 ? static_cast<std::size_t>(got) : 0);
}

// Captions, labels and buttons keep their text in the window itself, which the system
// hands out without a message: that works while the program is busy (its start-up pause,
// a copy). Edit controls and drop-downs must be asked.
std::wstring TextOf(HWND window) {
  std::wstring cls = ClassOf(window);
  if (cls != L"Edit" && cls != L"ComboBox" && cls.rfind(L"RichEdit", 0) != 0) {
    wchar_t text[4096] = {};
    int got = GetWindowTextW(window, text, 4096);
    return std::wstring(text, got > 0 ? static_cast<std::size_t>(got) : 0);
  }
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &length))
    return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR got = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &got))
    return {};
  text.resize(got);
  return text;
}

std::vector<HWND> ChildrenOf(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

HWND ControlById(HWND window, int id) {
  for (HWND child : ChildrenOf(window))
    if (GetDlgCtrlID(child) == id) return child;
  return nullptr;
}

LRESULT SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
  return static_cast<LRESULT>(result);
}

void SyncWith(HWND window) { SendWithTimeout(window, WM_NULL, 0, 0); }

}  // namespace kalv::testtools
