#include "platform/win32/win32_dialogs.h"

#include "platform/win32/windows_api.h"
#include <shlobj.h>

#include "platform/win32/common_controls.h"
#include "platform/win32/shell_library.h"
#include "platform/win32/wide.h"
#include "platform/windows.h"

namespace kalv::win32 {

namespace {

UINT IconFlag(Icon icon) {
  switch (icon) {
    case Icon::None: return 0;
    case Icon::Critical: return MB_ICONERROR;
    case Icon::Question: return MB_ICONQUESTION;
    case Icon::Exclamation: return MB_ICONEXCLAMATION;
    case Icon::Information: return MB_ICONINFORMATION;
  }
  return 0;
}

UINT ButtonFlag(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok: return MB_OK;
    case Buttons::OkCancel: return MB_OKCANCEL;
    case Buttons::YesNo: return MB_YESNO;
    case Buttons::RetryCancel: return MB_RETRYCANCEL;
  }
  return MB_OK;
}

HWND OwnerOf(WindowHandle* owner) {
  return owner ? reinterpret_cast<HWND>(owner->Native()) : nullptr;
}

}  // namespace

// Without an owner the box is task-modal, so no window of the program can be used
// behind it. A box that could not be shown counts as declined.
Answer Win32Dialogs::MessageBox(const std::string& text, const std::string& caption, Icon icon,
                                Buttons buttons, WindowHandle* owner) {
  UseCommonControls();
  HWND hwnd = OwnerOf(owner);
  const UINT flags = IconFlag(icon) | ButtonFlag(buttons) | (hwnd ? 0 : MB_TASKMODAL);
  const int result = MessageBoxW(hwnd, Wide(text).c_str(), Wide(caption).c_str(), flags);
  switch (result) {
    case IDOK: return Answer::Ok;
    case IDCANCEL: return Answer::Cancel;
    case IDRETRY: return Answer::Retry;
    case IDYES: return Answer::Yes;
    case IDNO: return Answer::No;
    default: break;
  }
  if (buttons == Buttons::Ok) return Answer::Ok;
  return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

std::optional<std::string> Win32Dialogs::BrowseForFolder(WindowHandle* owner,
                                                         const std::string& title) {
  UseCommonControls();
  const std::wstring wtitle = Wide(title);
  wchar_t display[MAX_PATH] = L"";
  BROWSEINFOW bi{};
  bi.hwndOwner = OwnerOf(owner);
  bi.pidlRoot = nullptr;
  bi.pszDisplayName = display;
  bi.lpszTitle = wtitle.c_str();
  bi.ulFlags = BIF_RETURNONLYFSDIRS;
  PIDLIST_ABSOLUTE pidl = shell::BrowseForFolder(bi);
  if (!pidl) return std::nullopt;
  wchar_t path[512] = L"";
  const bool ok = shell::PathFromIdList(pidl, path);
  shell::FreeIdList(pidl);
  if (!ok) return std::nullopt;
  path[511] = L'\0';
  return Utf8(path);
}

}  // namespace kalv::win32
