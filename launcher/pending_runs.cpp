#include "launcher/pending_runs.h"

#include "core/contracts.h"
#include "games/game_table.h"
#include "launcher/base/localized.h"
#include "launcher/base/messages.h"
#include "launcher/base/texts.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

const Game* GameNamed(const std::string& code) {
  for (const Game* game : Games())
    if (code == game->journalCode) return game;
  return nullptr;
}

std::string NameOf(const std::string& code) {
  const Game* game = GameNamed(code);
  return game ? game->name : code;
}

std::string FolderNamed(const RestoreRecord& record) {
  const Game* game = GameNamed(record.game);
  return game ? FolderOf(record, game->journalRules()) : record.folder;
}

std::string Lines(const std::vector<Leftover>& left) {
  std::string lines;
  for (const Leftover& l : left)
    lines += "\r\n    " + l.path + " (" + std::to_string(l.failure.number) + " " +
             l.failure.description + ")";
  return lines;
}

const char* Told(Replay replay) {
  switch (replay) {
    case Replay::None: return "nothing to do";
    case Replay::Done: return "put back";
    case Replay::Dropped: return "dropped: its game folder is gone";
    case Replay::SetAside: return "set aside, not carried out";
    case Replay::GameRunning: return "kept: its game still runs";
    case Replay::Unfinished: return "kept: not all could be put back";
  }
  return "";
}

void Log(RunLog& log, const RestoreRecord& record, const ReplayOutcome& outcome) {
  std::string line = "the " + record.game + " run in " + FolderNamed(record) +
                     ", cut off earlier: " + Told(outcome.replay);
  if (outcome.replay == Replay::SetAside)
    line += " (" + outcome.refusal + "; " +
            (outcome.setAside.empty() ? "it could not be moved" : "kept as " + outcome.setAside) +
            ")";
  if (!outcome.left.empty()) line += ";" + Lines(outcome.left);
  log.Write(line);
}

void TellSetAside(Program& program, const RestoreRecord& record, const ReplayOutcome& outcome) {
  if (const auto text = LocalizedMessage(program, ids::kRunSetAside,
                                         {NameOf(record.game), outcome.refusal, outcome.setAside}))
    program.platform.dialogs.MessageBox(*text, kProgramTitle, Icon::Exclamation, Buttons::Ok);
}

// True when the user chose to forget the run: its entry goes, its files stay as they are.
bool OfferToForget(Program& program, RestoreJournal& journal, RunLog& log,
                   const RestoreRecord& record, const ReplayOutcome& outcome) {
  const Notice question =
      Message(ids::kRunNotPutBack, {NameOf(record.game), FolderNamed(record), Lines(outcome.left)});
  if (!AskNotice(program, question)) return false;
  if (const Status cleared = journal.Clear(); !cleared) return false;
  log.Write("the " + record.game + " run in " + FolderNamed(record) +
            " forgotten by the user; its files stay as they are");
  return true;
}

}  // namespace

// The switch back is the one game's with releases to switch (an entry of any other game
// names no folder to switch back).
ReplayContext PlayerReplayContext(Program& program) {
  return ReplayContext{program.platform.files, program.platform.processes,
                       [](const std::string& code) -> const JournalRules* {
                         const Game* game = GameNamed(code);
                         return game ? &game->journalRules() : nullptr;
                       },
                       [&program](const std::string& dir) -> std::optional<Leftover> {
                         for (const Game* game : Games())
                           if (game->switcher)
                             return game->switcher->back(program.install(), dir).left;
                         return std::nullopt;
                       }};
}

// A run that was cut off (the player or the companion killed, a power cut) is undone
// before anything else, unless its game still runs. Quake 2 is left to its companion while
// one runs. A replay that cannot finish keeps its entry for the next start.
Replay ReplayInterruptedRuns(Program& program, bool ask) {
  Platform& platform = program.platform;
  RunLog log(platform.files, platform.system, "player");
  return ReplayJournal(
      platform.registry, PlayerReplayContext(program),
      [&platform](const RestoreRecord& record) {
        return record.game != contract::kQuake2JournalCode ||
               !platform.system.ProgramRunning(contract::kCompanionFile);
      },
      [&](const RestoreRecord& record, const ReplayOutcome& outcome) {
        Log(log, record, outcome);
        if (!ask) return;
        if (outcome.replay == Replay::SetAside) TellSetAside(program, record, outcome);
        if (outcome.replay == Replay::Unfinished) {
          RestoreJournal journal(platform.registry, record.game);
          OfferToForget(program, journal, log, record, outcome);
        }
      });
}

bool PutBackPendingRun(Program& program, RestoreJournal& journal, RunLog& log) {
  if (!journal.Completed()) return true;
  const auto record = journal.Read();
  ReplayOutcome outcome;
  if (record) {
    outcome = ReplayEntry(journal, *record, PlayerReplayContext(program));
  } else {
    outcome.replay = Replay::SetAside;
    outcome.refusal = "it does not read as an entry";
    outcome.setAside = journal.SetAside().value_or("");
  }
  RestoreRecord told;
  told.game = journal.game();
  if (record) told = *record;
  Log(log, told, outcome);
  switch (outcome.replay) {
    case Replay::GameRunning:
      log.Write("not played: the last run is not put back yet (it still runs)");
      ReportFailure(program, ids::kStillRunning, {NameOf(told.game)});
      return false;
    case Replay::Unfinished:
      if (OfferToForget(program, journal, log, told, outcome)) return true;
      log.Write("not played: the last run is not put back yet");
      program.exitCode = 1;
      return false;
    case Replay::SetAside: TellSetAside(program, told, outcome); return !outcome.setAside.empty();
    default: return true;
  }
}

}  // namespace kalv
