// Quake 3 Arena demo playback: the release switched to the demo's, the files prepared,
// the game started and waited for, everything undone afterwards; and the Launch button.
#pragma once

#include "games/quake3/quake3_files.h"
#include "launcher/base/program.h"

namespace kalv {

// The run of the current demo, from the program-wide values and the settings.
DemoRun CurrentQ3ARun(Program& program);

// Plays program.demoPath with the release the dispatcher matched; ends the program.
[[noreturn]] void PlayQ3ADemo(Program& program);
// Back to the newest stored release, the prepared files undone; ends the program.
[[noreturn]] void RestoreQ3A(Program& program);
// The same without ending the program (an undo can be run again safely).
void UndoQ3ARun(Program& program);

// The main window's Launch button: starts Quake 3 minimized and ends the program; on a
// minimum installation the CD is asked for first, and Cancel returns to the main window.
void LaunchQuake3(Program& program);

}  // namespace kalv
