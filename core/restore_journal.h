// The restore journal: before a demo run changes anything in a game folder, what its
// restore will undo is written down in the registry, per user and per game. A run cut off
// (the player killed, a logoff, a power cut) is undone at the next start from what was
// written, even when the settings have changed since. The player and the Quake 2
// companion share it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/file_steps.h"
#include "platform/processes.h"
#include "platform/registry.h"

namespace kalv {

// The journal's key below HKEY_CURRENT_USER, beside the player's settings; one subkey per
// game code holds that game's entry.
constexpr const char* kJournalKey =
    "Software\\VB and VBA Program Settings\\Kalvenmarque\\Restore Journal";

struct RestoreRecord {
  std::string game;           // the game code ("Q3A", "Q2", ...)
  Steps undo;                 // the restore's file steps, paths resolved
  std::string switchBackDir;  // Quake 3: the folder to switch back to the newest release
  ProcessId process = 0;      // the game once it runs (or the Quake 2 companion); 0 before
  std::string executable;     // its path, so that another process with that id is not it
  bool handedOver = false;    // Quake 2: the companion undoes it, not the player
};

// The entry of one game.
class RestoreJournal {
 public:
  RestoreJournal(Registry& registry, std::string game);

  // Writes the game's entry and returns once it is on the disk. The parts are written
  // first and the mark that makes the entry valid last, so an entry cut off while being
  // written is never taken for one. A complete entry already there is never replaced
  // (58); a write that fails leaves no entry of its own.
  Status Write(const RestoreRecord& record);
  // Adds the running game to the entry and flushes it (fails when there is no entry).
  Status RecordProcess(ProcessId process, const std::string& executable);
  // The entry; nothing when there is none or it was never completed.
  std::optional<RestoreRecord> Read();
  // Whether the entry carries the mark that makes it valid (its parts may still be bad).
  bool Completed();
  Status Clear();

 private:
  bool Named() const;
  Status WriteParts(const RestoreRecord& record);
  Status SetProcess(ProcessId process, const std::string& executable);

  Registry& registry_;
  std::string game_;
  std::string key_;
};

// What a replay did.
enum class Replay {
  None,         // no entry that was asked for
  GameRunning,  // a recorded game still runs: nothing touched, its entry kept
  Done,         // undone and cleared
  Unfinished,   // a step could not be undone (a file still held): the entry kept
};

// Switches a recorded Quake 3 folder back to the newest release; false when it could not.
using SwitchBack = std::function<bool(const std::string& dir)>;

// The one undo of an entry, whether its run ended normally, failed or was cut off: the
// switch back of a recorded Quake 3 folder, then the undo steps; the entry is cleared
// when both are done and kept otherwise. A step that fails because its file is gone
// already counts as done: every step is harmless to repeat.
Replay UndoEntry(RestoreJournal& journal, const RestoreRecord& record, Files& files,
                 const SwitchBack& switchBack);

// Replays the entries accept takes: UndoEntry of each whose recorded process (the game,
// or the Quake 2 companion) no longer runs. The answer is the worst outcome.
// Each entry replayed is told to replayed, with its outcome.
Replay ReplayJournal(Registry& registry, Files& files, Processes& processes,
                     const std::function<bool(const RestoreRecord&)>& accept,
                     const SwitchBack& switchBack,
                     const std::function<void(const RestoreRecord&, Replay)>& replayed = nullptr);

}  // namespace kalv
