// The Quake 2 launch companion: starts Quake 2 from its own directory, waits for it and
// undoes what the main program prepared for the demo.
#pragma once

#include <string>

#include "platform/platform.h"
#include "core/restore_journal.h"
#include "core/run_log.h"

namespace kalv::q2companion {

bool HasSwitch(const std::string& commandLine);
std::string GameExecutable(const std::string& ownDir);
std::string GameCommandLine(const std::string& ownDir, const std::string& gameFolder = "");
// The game folder the player named with "/Game:<folder>"; "" for none or for a name that is
// not a plain folder name.
std::string GameFolderOf(const std::string& commandLine);

// Starts the game, notes it in the player's journal entry, and returns once it has ended;
// the failure of a start that failed.
Status RunGameAndWait(Platform& platform, const std::string& ownDir, RestoreJournal& journal,
                      RunLog& log);
// Removes the fixed-name files (the demo stays when keepDemo) and makes the game's
// configurations (baseq2's and gameFolder's) writable again; false when a file could not
// be undone.
bool CleanUp(Files& files, const std::string& ownDir, bool keepDemo = false,
             const std::string& gameFolder = "");
// True when the player asked to keep the demo (the user opened the fixed-name copy).
bool KeepsDemo(const std::string& commandLine);

// The whole run; always ends the program.
void Run(Platform& platform);

}  // namespace kalv::q2companion
