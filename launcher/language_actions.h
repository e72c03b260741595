// The language of every window: captions from the string table for the language chosen
// in the options window, and the choice of another language there.
#pragma once

#include "launcher/base/program.h"

namespace kalv {

// Re-captions the main, options and advanced windows (and with includeSplash the splash
// window) for the current language, then runs every game's detection so the status lines
// follow. An unknown language sets no caption but still runs the detections.
void LanguageChange(Program& program, bool includeSplash);

// The language list's selection change: warns about Afrikaans, stores the choice and
// re-captions. Does nothing when the list shows the language chosen already (the program
// itself set it).
void LanguageClicked(Program& program);

}  // namespace kalv
