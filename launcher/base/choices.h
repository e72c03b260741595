// The user's choices (games/choices.h) as the settings store keeps them: loaded and
// stored in one place.
#pragma once

#include "games/choices.h"

namespace kalv {

struct Program;

// The choices as stored, over the game folders the program holds; a stored language
// that names none leaves the program's.
Choices LoadChoices(Program& program);

// Stores what the options window lets the user choose: the mods, the Quake 1 executable,
// the game folders and, with playbackOptions, the Unreal Tournament options.
void SaveChoices(Program& program, bool playbackOptions);

}  // namespace kalv
