// What the games' play operations share: the mod choice read from the settings, the test
// whether the demo opened is the fixed-name copy itself, and the pause before a start.
#pragma once

#include <functional>
#include <string>

#include "launcher/base/program.h"
#include "platform/file_steps.h"

namespace kalv {

// The mod of a demo run: the directory the stored mod label names ("Mod: osp" gives
// "osp"; "" for " /", an empty or a too short label) and whether it is loaded. It is
// loaded unless the label names none or the option setting is "0" (its default).
struct ModChoice {
  std::string dir;
  bool use = false;
};
ModChoice ReadModChoice(Program& program, const char* modSetting, const char* optionSetting);

// True when the demo being played is the file target names (the user opened the copy a
// run left in a game folder): it is neither copied onto itself nor deleted afterwards.
bool IsOwnDemo(Program& program, const std::string& target);

// A demo that cannot be read is reported (the general error message) before anything in
// a game folder is touched, and the program ends.
void EndUnlessDemoExists(Program& program);

// The fixed pause before every game start.
void PauseBeforeGame(Program& program);

// The preparation every game shares: its file steps in the skipping mode, then the demo
// copied under its fixed name with the splash window's progress bar (not when the demo
// is that file already). A copy that fails is raised.
void PrepareWithDemo(Program& program, const Steps& steps, const std::string& demoTarget,
                     bool ownDemo);

// Writes down, before anything in the game folder changes, what the run's restore will
// undo, so that a run cut off is undone at the next start. A registry that refuses it
// does not keep the demo from playing.
void BeginRun(Program& program, const char* gameCode, const Steps& undo,
              const std::string& switchBackDir = "");
// Runs the undo steps; the journal entry goes when every step is done (a file still held
// keeps it for the next start).
void UndoRun(Program& program, const char* gameCode, const Steps& undo, bool switchedBack = true);

// The handled part of a play operation: a failure raised in play is reported for the game
// (70 as access denied, anything else as the general error), then undo runs and the
// program ends. No path leaves a game folder half-prepared.
void PlayHandled(Program& program, const char* gameName, const std::function<void()>& play,
                 const std::function<void()>& undo);

}  // namespace kalv
