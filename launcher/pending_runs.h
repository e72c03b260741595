// Runs the restore journal still holds: replayed at the start, and looked at again before a
// demo of the same game plays. What a replay finds is logged with the folder it concerns;
// an entry this program did not write is set aside and the user told, and one that cannot
// be finished says what is left and may be forgotten.
#pragma once

#include "core/restore_journal.h"
#include "core/run_log.h"
#include "launcher/base/program.h"

namespace kalv {

// The replay as the player does it: each game's own rules, and the Quake 3 switch back
// through the player's release store.
ReplayContext PlayerReplayContext(Program& program);

// Undoes the runs the restore journal holds whose games have ended; the worst outcome.
// With ask, an entry set aside is told and one that cannot be finished offered to be
// forgotten (nothing is shown without).
Replay ReplayInterruptedRuns(Program& program, bool ask);

// Before a run of the game whose journal this is: an entry still there is replayed now
// (its game may have ended since the start). True when the run may go on: nothing was
// pending, it was put back, set aside, dropped or forgotten by the user; false (after
// saying why) while its game runs or when the user keeps it.
bool PutBackPendingRun(Program& program, RestoreJournal& journal, RunLog& log);

}  // namespace kalv
