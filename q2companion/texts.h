// The companion's never-translated texts: its switch, the files it runs and cleans, and
// its one English message.
#pragma once

#include "version.h"

namespace kalv::q2companion::text {

constexpr const char kTitle[] = "Kalvenmarque Quake 2 Sub v" KALV_VERSION_TEXT;

// Compared with case, anywhere in the command line.
constexpr const char kSwitch[] = "/Quake2SubFunction";

// Relative to the companion's own directory, which is the Quake 2 directory.
constexpr const char kGameExecutable[] = "\\quake2.exe";
constexpr const char kGameArguments[] = " +exec autoexec.cfg +exec config.cfg +exec kalvenmarque.cfg";
constexpr const char kOneOffConfig[] = "\\baseq2\\Kalvenmarque.cfg";
constexpr const char kFixedNameDemo[] = "\\baseq2\\demos\\Kalvenmarque.dm2";
constexpr const char kGameConfig[] = "\\baseq2\\config.cfg";

constexpr const char kNotStartedByPlayer[] =
    "This program is a sub function program of Kalvenmarque v" KALV_VERSION_TEXT " for Quake 2. This "
    "program will now terminate.";

}  // namespace kalv::q2companion::text
