#include "platform/win32/scaled_pictures.h"

#include "platform/win32/wide.h"

namespace kalv::win32 {

std::string PictureForScale(const std::string& name, int dpi) {
  if (dpi >= 192) return name + "_192";
  if (dpi >= 144) return name + "_144";
  return name;
}

// GetDpiForWindow came with Windows 10; before it every window has the system's scale.
int WindowDpi(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow) {
    const UINT dpi = getDpiForWindow(window);
    if (dpi != 0) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

ScaledPictures::ScaledPictures(const DialogTemplate& layout) {
  for (const TemplateControl& control : layout.controls)
    if (control.kind == ControlKind::Static && (control.style & SS_TYPEMASK) == SS_BITMAP &&
        control.text && !control.text->empty())
      pictures_.push_back({control.id, *control.text, *control.text, nullptr});
}

// Runs after the dialog is destroyed, so no control still shows a bitmap deleted here.
ScaledPictures::~ScaledPictures() {
  for (Picture& picture : pictures_)
    if (picture.loaded) DeleteObject(picture.loaded);
}

// A version missing from the resources leaves the picture as it is: smaller, never absent.
void ScaledPictures::Fit(HWND dialog) {
  const int dpi = WindowDpi(dialog);
  for (Picture& picture : pictures_) {
    const std::string wanted = PictureForScale(picture.name, dpi);
    if (wanted == picture.shown) continue;
    HWND control = GetDlgItem(dialog, picture.id);
    auto bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), Wide(wanted).c_str(), IMAGE_BITMAP, 0, 0, 0));
    if (!control || !bitmap) {
      if (bitmap) DeleteObject(bitmap);
      continue;
    }
    SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    if (picture.loaded) DeleteObject(picture.loaded);
    picture.loaded = bitmap;
    picture.shown = wanted;
  }
}

}  // namespace kalv::win32
