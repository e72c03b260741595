// The shell and OLE functions the programs call, each loaded with its library the first
// time it is called: a demo that plays calls none of them, and under Wine loading the two
// libraries costs every start some milliseconds and about 2 MB of working set.
#pragma once

#include <optional>

#include "platform/win32/windows_api.h"
#include <shlobj.h>

namespace kalv::win32::shell {

// SHBrowseForFolderW, after OLE has been initialised for the thread; nullptr when the
// user cancels or the shell cannot be loaded.
PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOW& info);
// SHGetPathFromIDListW; false when it fails or cannot be loaded.
bool PathFromIdList(PCIDLIST_ABSOLUTE list, wchar_t* path);
// CoTaskMemFree of a list BrowseForFolder returned.
void FreeIdList(PIDLIST_ABSOLUTE list);
// ShellExecuteW's result, OLE initialised first; nothing when the shell cannot be loaded
// (GetLastError says why).
std::optional<INT_PTR> Execute(const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                               const wchar_t* directory, int show);
// SHChangeNotify; nothing happens when the shell cannot be loaded.
void ChangeNotify(LONG event, UINT flags);

}  // namespace kalv::win32::shell
