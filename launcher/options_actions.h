// What the options window does: detection on every edit of a path box, the browse
// buttons, the language list, the advanced options and saving on OK or the close box.
#pragma once

#include "launcher/base/program.h"

namespace kalv {

// Selects the chosen language in the window's list.
void ShowLanguage(Program& program);
// Copies the stored choices into the window: the language, the mods (a Quake 3 mod only
// when its description file is there), the Unreal Tournament options.
void OptionsLoad(Program& program);
// Copies the window's choices out and stores them. The close box keeps the three Unreal
// Tournament options out (withPlaybackOptions false); both hide the window and bring the
// main window back.
void SaveOptions(Program& program, bool withPlaybackOptions);

void WireOptionsWindow(Program& program);

}  // namespace kalv
