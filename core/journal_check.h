// Whether a restore journal entry is one a run of this program could have written: each
// game names the files its runs leave for the undo, as paths below its folder, and what
// the undo may do to each. An entry that asks for anything else is not carried out.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/file_steps.h"

namespace kalv {

struct RestoreRecord;

// What the undo may do to a file of a game's run.
enum class FileRole {
  Made,       // the run makes it (the one-off configuration, the demo): deleted, or the
              // user's own file of that name put back
  Protected,  // the game's own configuration: its attributes put back, or deleted when the
              // run found none
  Switched,   // a file the release switch touches (paks, the executable): attributes only
};

// A file by its path below the game folder ("\baseq3\Kalvenmarque.cfg"). A "*" stands for
// one part of a name that is a plain folder name (core/folder_name.h), so "\*\config.cfg"
// is the configuration of any one game folder and "\demos\Kalvenmarque.*" a demo of any
// ending; it never reaches another folder.
struct JournalFile {
  const char* path;
  FileRole role;
};

struct JournalRules {
  const char* game;                // its code in the journal
  std::vector<JournalFile> files;  // what its runs may leave for the undo
  bool switchBack = false;         // Quake 3: the folder is switched back to the newest release
};

// Why record is not an entry a run of the game of rules writes; nothing when it is. The
// game folder is the entry's own, or (for an entry an earlier version wrote) the one its
// steps name; every step must be one of the game's files below it, with a kind its role
// allows.
std::optional<std::string> CheckEntry(const RestoreRecord& record, const JournalRules& rules);

// The game folder of an entry as CheckEntry takes it: its own, else the one the first of
// its steps that names a file of the game lies below; "" when none does.
std::string FolderOf(const RestoreRecord& record, const JournalRules& rules);

}  // namespace kalv
