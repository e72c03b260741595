// One demo run as a value: everything it will do, made from the user's choices, the demo
// and what was read of the installation beforehand, by a pure function per game. One
// driver plays any plan; host tests read plans as tables.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/file_steps.h"
#include "games/game_code.h"
#include "games/release.h"
#include "platform/failure.h"

namespace kalv {

struct Install;

// The demo a run plays.
struct Demo {
  std::string path;  // as the command line named it, normalised
  Release release;   // Quake 3: the release whose demo ending it has
};

// A message a plan has for the user; its texts come from the string table.
struct Notice {
  enum class Kind {
    Silent,            // nothing is shown
    MissingDirectory,  // the game's folder is not set up; text: the game
    Error,             // the general error message for failure
    Text,              // the string-table message id, args filled in ("%1", ...)
    UnknownProtocol,   // Elite Force: row id, text, " - ", row detail; the run goes on
  };
  Kind kind = Kind::Silent;
  std::string text;
  int id = 0;
  int detail = 0;
  std::vector<std::string> args;
  Failure failure;
};
// A string-table message with its values.
Notice Message(int id, std::vector<std::string> args = {});

// The demo put where the game finds it, under the fixed name.
struct DemoCopy {
  std::string source;
  std::string target;
  bool own = false;    // the demo opened is the target itself: neither copied nor deleted
  bool plain = false;  // copied without the progress bar (a Quake 3 minimum installation)
};

// A CD the game reads its data from: looked for, and asked for (Retry / Cancel) until it
// is in a drive or the user cancels.
struct CdNeed {
  // The CD's drive letter when it is in a drive.
  std::optional<std::string> (*find)(const Install& install) = nullptr;
  int prompt = 0;     // the string-table message asking for it
  const char* title;  // the prompt's title
};

// What the run starts, waits for and undoes after.
struct GameStart {
  std::string executable;
  std::string commandLine;
  std::string folder;
  // A game that reads its data from its CD: the command line is commandLine + the CD's
  // letter + afterCdDrive.
  std::optional<CdNeed> cd;
  std::string afterCdDrive;
  // Quake 2: the companion is started, and it waits and undoes; the player ends.
  bool handOff = false;
  // Said when the program cannot be started (%1 its path, %2 why); 0: the general error.
  int cannotStart = 0;
};

// How a game with point releases (Quake 3) is switched to a demo's release and back.
struct SwitchedBack {
  std::optional<Leftover> left;  // the file that kept the folder from the newest release
  std::optional<Notice> notice;  // what a switch back that failed says
};
struct ReleaseSwitcher {
  // Switches the installation in dir to release; nothing when it did, else why it did
  // not (then nothing was changed).
  std::optional<Notice> (*to)(const Install& install, const std::string& dir,
                              const Release& release) = nullptr;
  // Back to the newest release.
  SwitchedBack (*back)(const Install& install, const std::string& dir) = nullptr;
};

// Quake 3: the installed executable the release store lacks, with the copy offered.
struct StoreOffer {
  std::string installed;  // the folder's Quake3.exe
  std::string stored;     // the store's file it would be copied to
  Notice question;        // asked (Yes/No) before anything changes
  int cannotStore = 0;    // said when the copy fails (%1 the stored file, %2 why)
};

struct RunPlan {
  GameCode game = GameCode::Q3A;
  std::string code;    // the game's code in the restore journal ("Q3A")
  std::string name;    // the game in messages ("Quake 3 Arena")
  std::string folder;  // the game folder the run prepares; every prepared file lies below it
  // A refused run changes nothing and shows this; the rest of the plan is empty.
  std::optional<Notice> refusal;
  // Asked (Yes/No) before anything changes, offer first; Yes copies the installed
  // executable into the store, after which the run is planned again.
  std::optional<StoreOffer> offer;
  // Shown before anything changes; the run goes on.
  std::vector<Notice> warnings;
  // Asked (Yes/No) in this order before anything changes; No ends the run.
  std::vector<Notice> questions;
  // What the demo needs and what was found, for the run log ("" when it says nothing).
  std::string needs;
  // Quake 3: the release to switch the folder to, and back to the newest after.
  std::optional<Release> switchTo;
  const ReleaseSwitcher* switcher = nullptr;
  Steps prepare;  // in the skipping mode, before the demo is copied
  DemoCopy demo;
  GameStart start;
  Steps undo;  // on the paths of prepare and the demo; attributes are recorded at the run
};

}  // namespace kalv
