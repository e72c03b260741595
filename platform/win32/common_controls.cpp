#include "platform/win32/common_controls.h"

#include "platform/win32/windows_api.h"
#include <commctrl.h>

namespace kalv::win32 {

// The context stays active for the rest of the run: the program has one thread, and every
// window made from here on wants the styled controls.
void UseCommonControls() {
  static const bool done = [] {
    ACTCTXW manifest{};
    manifest.cbSize = sizeof manifest;
    manifest.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID | ACTCTX_FLAG_HMODULE_VALID;
    manifest.hModule = GetModuleHandleW(nullptr);
    manifest.lpResourceName = MAKEINTRESOURCEW(kCommonControlsManifest);
    HANDLE context = CreateActCtxW(&manifest);
    ULONG_PTR cookie = 0;
    if (context != INVALID_HANDLE_VALUE) ActivateActCtx(context, &cookie);
    // Loaded within the context, the library is the one the manifest names.
    HMODULE library = LoadLibraryW(L"comctl32.dll");
    using Initialise = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto initialise = library ? reinterpret_cast<Initialise>(reinterpret_cast<void*>(
                                          GetProcAddress(library, "InitCommonControlsEx")))
                                    : nullptr;
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES;
    return initialise && initialise(&classes);
  }();
  (void)done;
}

}  // namespace kalv::win32
