#include "launcher/pending_runs.h"

#include "games/other/quake2/quake2_files.h"
#include "games/quake3/conversion.h"
#include "launcher/base/functions.h"
#include "launcher/base/messages.h"
#include "launcher/base/texts.h"
#include "ui/string_table.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

const Game* GameOf(Program& program, const std::string& code) {
  for (const Game& game : *program.games)
    if (code == game.codeText) return &game;
  return nullptr;
}

std::string NameOf(Program& program, const std::string& code) {
  const Game* game = GameOf(program, code);
  return game ? game->name : code;
}

std::string FolderNamed(Program& program, const RestoreRecord& record) {
  const Game* game = GameOf(program, record.game);
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

void Log(Program& program, RunLog& log, const RestoreRecord& record, const ReplayOutcome& outcome) {
  std::string line = "the " + record.game + " run in " + FolderNamed(program, record) +
                     ", cut off earlier: " + Told(outcome.replay);
  if (outcome.replay == Replay::SetAside)
    line += " (" + outcome.refusal + "; " +
            (outcome.setAside.empty() ? "it could not be moved" : "kept as " + outcome.setAside) +
            ")";
  if (!outcome.left.empty()) line += ";" + Lines(outcome.left);
  log.Write(line);
}

void TellSetAside(Program& program, const RestoreRecord& record, const ReplayOutcome& outcome) {
  if (const auto text = Localized(program, ids::kRunSetAside))
    program.platform.dialogs.MessageBox(
        ui::Fill(*text, {NameOf(program, record.game), outcome.refusal, outcome.setAside}),
        kProgramTitle, Icon::Exclamation, Buttons::Ok);
}

// True when the user chose to forget the run: its entry goes, its files stay as they are.
bool OfferToForget(Program& program, RestoreJournal& journal, RunLog& log,
                   const RestoreRecord& record, const ReplayOutcome& outcome) {
  const auto text = Localized(program, ids::kRunNotPutBack);
  if (!text) return false;
  const std::string question = ui::Fill(
      *text, {NameOf(program, record.game), FolderNamed(program, record), Lines(outcome.left)});
  if (program.platform.dialogs.MessageBox(question, kProgramTitle, Icon::Question,
                                          Buttons::YesNo) != Answer::Yes)
    return false;
  if (const Status cleared = journal.Clear(); !cleared) return false;
  log.Write("the " + record.game + " run in " + FolderNamed(program, record) +
            " forgotten by the user; its files stay as they are");
  return true;
}

// Said when a demo is opened while the game of the last run still plays.
std::string StillRunning(const std::string& name) {
  return name + runtext::kStillRunning + name + runtext::kCloseFirst;
}

}  // namespace

ReplayContext PlayerReplayContext(Program& program) {
  return ReplayContext{
      program.platform.files, program.platform.processes,
      [&program](const std::string& code) -> const JournalRules* {
        const Game* game = GameOf(program, code);
        return game ? &game->journalRules() : nullptr;
      },
      [&program](const std::string& dir) { return SwitchBackToNewest(program, dir); }};
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
        return record.game != game::kQ2 || !platform.system.ProgramRunning(q2::kCompanionFile);
      },
      [&](const RestoreRecord& record, const ReplayOutcome& outcome) {
        Log(program, log, record, outcome);
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
  Log(program, log, told, outcome);
  switch (outcome.replay) {
    case Replay::GameRunning:
      log.Write("not played: the last run is not put back yet (it still runs)");
      ReportFailure(program, StillRunning(NameOf(program, told.game)));
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
