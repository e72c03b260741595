// The splash window's progress bar, drawn by the player itself. The system's progress
// control lives in the common controls library, which costs every start tens of
// milliseconds to load under Wine, and a demo run shows nothing else of it. The bar
// answers the system control's position messages (PBM_SETPOS, PBM_GETPOS; its range is
// always 0 to 100) and draws with the visual style's progress parts where a style is on,
// as a smooth classic bar where none is.
#pragma once

namespace kalv::win32 {

constexpr wchar_t kProgressBarClass[] = L"KalvProgressBar";

// Registers the bar's window class for this program, once; before any dialog using it.
void RegisterProgressBar();

}  // namespace kalv::win32
