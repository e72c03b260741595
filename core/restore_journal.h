// The restore journal: before a demo run changes anything in a game folder, what its
// restore will undo is written down in the registry, per user and per game. A run cut off
// (the player killed, a logoff, a power cut) is undone at the next start from what was
// written, even when the settings have changed since. The player and the Quake 2
// companion share it.
//
// The registry can be written by every program of the user, and a replay may run with
// administrator rights (the uninstaller), so an entry is input, not orders: it is carried
// out only when it is one a run of this program could have written (core/journal_check.h).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/file_steps.h"
#include "core/journal_check.h"
#include "platform/processes.h"
#include "platform/registry.h"

namespace kalv {

// The journal's key below HKEY_CURRENT_USER, beside the player's settings; one subkey per
// game code holds that game's entry.
constexpr const char* kJournalKey =
    "Software\\VB and VBA Program Settings\\Kalvenmarque\\Restore Journal";
// Where an entry this program did not write is kept for the user, instead of being carried
// out or deleted: one subkey per entry, "<game code> <n>".
constexpr const char* kSetAsideKey =
    "Software\\VB and VBA Program Settings\\Kalvenmarque\\Restore Journal Set Aside";

struct RestoreRecord {
  std::string game;           // the game code ("Q3A", "Q2", ...)
  Steps undo;                 // the restore's file steps, paths resolved
  std::string switchBackDir;  // Quake 3: the folder to switch back to the newest release
  ProcessId process = 0;      // the game once it runs (or the Quake 2 companion); 0 before
  std::string executable;     // its path, so that another process with that id is not it
  bool handedOver = false;    // Quake 2: the companion undoes it, not the player
  // The game folder every step lies below ("" in an entry of an earlier version).
  std::string folder = {};
  // The program that wrote the entry and waits for the game, while it runs.
  ProcessId writer = 0;
  std::string writerExecutable = {};
};

// The entry of one game.
class RestoreJournal {
 public:
  RestoreJournal(Registry& registry, std::string game);

  // Writes the game's entry and returns once it is on the disk. The parts are written
  // first and the mark that makes the entry valid last, so an entry cut off while being
  // written is never taken for one. A complete entry already there is never replaced
  // (58), whether or not it reads; a write that fails leaves no entry of its own.
  Status Write(const RestoreRecord& record);
  // Adds the running game to the entry and flushes it (fails when there is no entry).
  Status RecordProcess(ProcessId process, const std::string& executable);
  // The entry; nothing when there is none, it was never completed, or it does not read.
  std::optional<RestoreRecord> Read();
  // Whether the entry carries the mark that makes it valid (its parts may still be bad).
  bool Completed();
  Status Clear();
  // Moves the entry, every value as it is, below kSetAsideKey; the key it took there.
  Result<std::string> SetAside();

  const std::string& game() const { return game_; }

 private:
  bool Named() const;
  Status WriteParts(const RestoreRecord& record);
  Status SetProcess(ProcessId process, const std::string& executable);

  Registry& registry_;
  std::string game_;
  std::string key_;
};

// What a replay did with an entry, from the best to the worst outcome.
enum class Replay {
  None,         // no entry that was asked for
  Done,         // undone and cleared
  Dropped,      // its game folder is gone: nothing to undo, the entry went
  SetAside,     // not an entry this program writes: not carried out, kept aside
  GameRunning,  // a program it names still runs: nothing touched, its entry kept
  Unfinished,   // a step could not be undone (a file still held): the entry kept
};

// Switches a recorded Quake 3 folder back to the newest release; nothing when it did,
// otherwise the file that kept it from it and why (a stored executable missing, the
// installed one held).
using SwitchBack = std::function<std::optional<Leftover>(const std::string& dir)>;

// An entry's outcome, with what is left (Unfinished) or why it was set aside.
struct ReplayOutcome {
  Replay replay = Replay::None;
  std::vector<Leftover> left;
  std::string refusal;   // SetAside: why, in English for the log
  std::string setAside;  // SetAside: the key it went to ("" when even that failed)
};

// The one undo of an entry, whether its run ended normally, failed or was cut off: the
// switch back of a recorded Quake 3 folder, then the undo steps; the entry is cleared
// when both are done and kept otherwise. A switch back that fails leaves the file steps
// for the next replay: the game may still hold its files. A step that fails because its
// file is gone already counts as done: every step is harmless to repeat.
ReplayOutcome UndoEntry(RestoreJournal& journal, const RestoreRecord& record, Files& files,
                        const SwitchBack& switchBack);

// What a replay needs besides the registry: the files, the running programs, which
// entries to look at, the rules each game's entries must keep and the switch back.
struct ReplayContext {
  Files& files;
  Processes& processes;
  std::function<const JournalRules*(const std::string& game)> rules;
  SwitchBack switchBack;
};

// One entry read from the journal, replayed: set aside when it is not one this program
// writes, dropped when its game folder is gone, kept while a program it names (the game,
// the Quake 2 companion, or the program that wrote it and still waits) runs, else undone.
ReplayOutcome ReplayEntry(RestoreJournal& journal, const RestoreRecord& record,
                          const ReplayContext& context);

// Replays the entries accept takes (every entry without one). A complete entry that does
// not read is set aside. Each entry replayed is told to replayed, with its outcome (for one
// that did not read, a record naming only its game). The answer is the worst outcome.
Replay ReplayJournal(
    Registry& registry, const ReplayContext& context,
    const std::function<bool(const RestoreRecord&)>& accept,
    const std::function<void(const RestoreRecord&, const ReplayOutcome&)>& replayed = nullptr);

}  // namespace kalv
