// The companion's never-translated texts: its switch, the files it runs and cleans, and
// its one English message.
#pragma once

#include "version.h"

namespace kalv::q2companion::text {

constexpr const char kTitle[] = "Kalvenmarque Quake 2 Sub v" KALV_VERSION_TEXT;

// Its switch, the game and the files it cleans are the player's own Quake 2 rows
// (games/other/quake2/quake2_files.h). The game's arguments after its path:
constexpr const char kGameArguments[] =
    " +exec autoexec.cfg +exec config.cfg +exec kalvenmarque.cfg";

// Said after the clean-up when quake2.exe could not be started.
constexpr const char kGameNotStarted[] = "Kalvenmarque could not start Quake 2: ";
constexpr const char kGameNotStartedAdvice[] =
    "). The demo was not played, and the Quake 2 folder is as it was before.";

constexpr const char kNotStartedByPlayer[] =
    "This program is a sub function program of Kalvenmarque v" KALV_VERSION_TEXT
    " for Quake 2. This program will now terminate.";

}  // namespace kalv::q2companion::text
