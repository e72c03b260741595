#include "platform/win32/shell_library.h"

#include <shellapi.h>

namespace kalv::win32::shell {

namespace {

// The function name of library, which stays loaded for the rest of the run.
template <typename Function>
Function* Find(const wchar_t* library, const char* name) {
  HMODULE module = LoadLibraryW(library);
  if (!module) return nullptr;
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The folder dialog and the shell's verbs use COM objects: OLE once per run, before them.
void InitialiseOle() {
  static const bool done = [] {
    auto* initialise = Find<decltype(OleInitialize)>(L"ole32.dll", "OleInitialize");
    return initialise && SUCCEEDED(initialise(nullptr));
  }();
  (void)done;
}

}  // namespace

PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOW& info) {
  InitialiseOle();
  static auto* browse = Find<decltype(SHBrowseForFolderW)>(L"shell32.dll", "SHBrowseForFolderW");
  return browse ? browse(&info) : nullptr;
}

bool PathFromIdList(PCIDLIST_ABSOLUTE list, wchar_t* path) {
  static auto* read = Find<decltype(SHGetPathFromIDListW)>(L"shell32.dll", "SHGetPathFromIDListW");
  return read && read(list, path);
}

void FreeIdList(PIDLIST_ABSOLUTE list) {
  static auto* free = Find<decltype(CoTaskMemFree)>(L"ole32.dll", "CoTaskMemFree");
  if (free) free(list);
}

std::optional<INT_PTR> Execute(const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                               const wchar_t* directory, int show) {
  InitialiseOle();
  static auto* execute = Find<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
  if (!execute) return std::nullopt;
  return reinterpret_cast<INT_PTR>(execute(nullptr, verb, file, parameters, directory, show));
}

void ChangeNotify(LONG event, UINT flags) {
  static auto* notify = Find<decltype(SHChangeNotify)>(L"shell32.dll", "SHChangeNotify");
  if (notify) notify(event, flags, nullptr, nullptr);
}

}  // namespace kalv::win32::shell
