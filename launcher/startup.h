// The start of Kalvenmarque: one instance only, the splash window, the message loop.
#pragma once

#include "launcher/program.h"
#include "platform/platform.h"

namespace kalv {

// Sets the splash window's captions for language (0-2) and empties the user name;
// another language leaves every caption as it is.
void SetSplashCaptions(Program& program, int language);

// Creates the splash window with its captions, shows it with the loading status, and
// makes its close box end the program.
void ShowSplash(Program& program);

// The whole run: ends at once when another instance is running, otherwise shows the
// splash window and handles messages until the program ends. Returns the exit code.
int RunKalvenmarque(Platform& platform);

}  // namespace kalv
