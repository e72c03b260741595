// The common controls, version 6 (the visual styles), taken into use the first time a
// window needs them. The program's manifest leaves them out and a second manifest in the
// resources names them: loading the library costs every start tens of milliseconds under
// Wine, and a demo that plays shows only the splash window, which needs none of it.
#pragma once

namespace kalv::win32 {

// The resource id of the manifest that names the common controls (resource type 24).
constexpr int kCommonControlsManifest = 101;

// From the first call on, windows and message boxes are made with the common controls of
// the second manifest (the program's own, when it has none) and their classes are there.
void UseCommonControls();

}  // namespace kalv::win32
