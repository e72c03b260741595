// One demo run as a value: everything it will do, made from the user's choices, the demo
// and what was read of the installation beforehand, by a pure function per game. One
// driver plays any plan; host tests read plans as tables.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "launcher/base/games.h"
#include "launcher/base/release.h"
#include "platform/failure.h"
#include "core/file_steps.h"

namespace kalv {

// The demo a run plays.
struct Demo {
  std::string path;  // as the command line named it, normalised
  Release release;   // Quake 3: the release whose demo ending it has
};

// A message a plan has for the user.
struct Notice {
  enum class Kind {
    Silent,            // nothing is shown
    MissingDirectory,  // the game's folder is not set up; text: the game
    Error,             // the general error message for failure
    Localized,         // the string-table message id
    UnknownProtocol,   // Elite Force: "Protocol <text> - unknown"; the run goes on
    English,           // text, as it stands
  };
  Kind kind = Kind::Silent;
  std::string text;
  int id = 0;
  Failure failure;
};

// The demo put where the game finds it, under the fixed name.
struct DemoCopy {
  std::string source;
  std::string target;
  bool own = false;    // the demo opened is the target itself: neither copied nor deleted
  bool plain = false;  // copied without the progress bar (a Quake 3 minimum installation)
};

// What the run starts, waits for and undoes after.
struct GameStart {
  std::string executable;
  std::string commandLine;
  std::string folder;
  // Quake 3 on a minimum installation: the CD is asked for, and the command line is
  // commandLine + the CD's letter + afterCdDrive.
  bool askForCd = false;
  std::string afterCdDrive;
  // Quake 2: the companion is started, and it waits and undoes; the player ends.
  bool handOff = false;
};

struct RunPlan {
  GameCode game = GameCode::Q3A;
  std::string code;    // the game's code in the restore journal ("Q3A")
  std::string name;    // the game in messages ("Quake 3 Arena")
  std::string folder;  // the game folder the run prepares; every prepared file lies below it
  // A refused run changes nothing and shows this; the rest of the plan is empty.
  std::optional<Notice> refusal;
  // Shown before anything changes; the run goes on.
  std::vector<Notice> warnings;
  // Asked (Yes/No, the text English) before anything changes; No ends the run.
  std::string question;
  // Quake 3: the release file to switch the folder to, and back to the newest after.
  std::string switchDir;
  std::string switchTo;
  Steps prepare;  // in the skipping mode, before the demo is copied
  DemoCopy demo;
  GameStart start;
  Steps undo;  // on the paths of prepare and the demo; attributes are recorded at the run
};

// A plan that refuses with notice.
RunPlan Refused(GameCode game, Notice notice);

}  // namespace kalv
