#include "launcher/play_demo.h"

#include <memory>
#include <optional>

#include "core/contracts.h"
#include "core/process_wait.h"
#include "core/restore_journal.h"
#include "core/run_log.h"
#include "launcher/base/choices.h"
#include "launcher/base/messages.h"
#include "launcher/base/texts.h"
#include "launcher/cd_prompt.h"
#include "launcher/copy_progress.h"
#include "launcher/pending_runs.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

std::string Describe(const Failure& failure) {
  return std::to_string(failure.number) + " " + failure.description;
}

// The first free name to set path aside under.
std::optional<std::string> AsideName(Files& files, const std::string& path) {
  for (int n = 1; n < 100; ++n) {
    const std::string aside = path + kAsideSuffix + (n == 1 ? "" : std::to_string(n));
    if (!files.GetAttributes(aside)) return aside;
  }
  return std::nullopt;
}

// The undo as the journal holds it, made from the files as they are before the run: a
// configuration to be made writable gets back the attributes it had (one the user made
// read-only stays so), and one that was not there goes again, whatever the game wrote
// into it; a file the run makes whose name a file of the user's already has is set aside
// for the run and put back after it.
struct JournaledUndo {
  Steps setAside;  // renames, before anything else changes
  Steps undo;
};
JournaledUndo Journaled(Files& files, const Steps& undo) {
  JournaledUndo journaled;
  for (const FileStep& step : undo) {
    const auto attributes = files.GetAttributes(step.path);
    const bool absent = !attributes && (attributes.failure().number == err::kFileNotFound ||
                                        attributes.failure().number == err::kPathNotFound);
    const bool file = attributes && !(attributes.value() & attr::kDirectory);
    if (step.kind == FileStep::Kind::MakeNormal && file) {
      journaled.undo.push_back(SetAttributes(step.path, attributes.value() & attr::kSettable));
    } else if (step.kind == FileStep::Kind::MakeNormal && absent) {
      journaled.undo.push_back(DeleteFile(step.path));
    } else if (step.kind == FileStep::Kind::Delete && file) {
      const auto aside = AsideName(files, step.path);
      if (!aside) Raise(err::kFileExists);
      journaled.setAside.push_back(RenameFile(step.path, *aside));
      journaled.undo.push_back(PutBack(*aside, step.path));
    } else {
      journaled.undo.push_back(step);
    }
  }
  return journaled;
}

// One run of a plan, from the journal's entry on.
class Run {
 public:
  Run(Program& program, const RunPlan& plan, RestoreJournal& journal, RestoreRecord record,
      Steps setAside, RunLog& log)
      : program_(program),
        plan_(plan),
        journal_(journal),
        record_(std::move(record)),
        setAside_(std::move(setAside)),
        log_(log),
        files_(program.platform.files) {}

  int Play() {
    try {
      if (!SwitchRelease()) return Failed();
      SetAside();
      Prepare();
      CopyDemo();
      std::string commandLine = plan_.start.commandLine;
      if (plan_.start.cd) {
        const auto cd = AskForCd(program_, *plan_.start.cd);
        if (!cd) {
          log_.Write("no CD of the game: not started");
          return Undo();
        }
        commandLine += *cd + plan_.start.afterCdDrive;
      }
      if (plan_.start.handOff) {
        program_.platform.processes.Sleep(kPauseBeforeGameMilliseconds);
        return HandOff(commandLine);
      }
      return StartAndWait(commandLine);
    } catch (const RaisedFailure& raised) {
      log_.Write("failure " + Describe(raised.failure()));
      ReportHandled(program_, raised.failure(), plan_.name);
    }
    return Undo();
  }

 private:
  // In the handled mode: a user's file that cannot be moved out of the way must not be
  // overwritten.
  void SetAside() {
    for (const FileStep& step : setAside_) {
      OrRaise(Apply(files_, step));
      log_.Write("set aside " + step.source + " as " + step.path);
    }
  }

  // A switch refused changes nothing, so its entry goes without an undo.
  bool SwitchRelease() {
    if (!plan_.switchTo || !plan_.switcher) return true;
    const std::string& version = plan_.switchTo->version;
    const auto refusal = plan_.switcher->to(program_.install(), plan_.folder, *plan_.switchTo);
    if (!refusal) {
      log_.Write("switched to " + version);
      return true;
    }
    ShowNotice(program_, *refusal);
    log_.Write("release switch to " + version + " refused");
    Skip(journal_.Clear());
    return false;
  }

  int Failed() {
    program_.exitCode = 1;
    return program_.exitCode;
  }

  // In the skipping mode; the executable a hand-off starts must be in place, though.
  void Prepare() {
    for (const FileStep& step : plan_.prepare) {
      const Status done = Apply(files_, step);
      log_.Write("prepare " + Line(step) + (done ? "" : ": failed " + Describe(done.failure())));
      if (!done && step.kind == FileStep::Kind::Copy &&
          EqualsNoCase(step.path, plan_.start.executable))
        executableMissing_ = done.failure();
    }
  }

  void CopyDemo() {
    const DemoCopy& demo = plan_.demo;
    if (demo.own) return;
    if (demo.plain)
      OrRaise(files_.Copy(demo.source, demo.target));
    else
      CopyFileWithProgress(program_, demo.source, demo.target);
    log_.Write("demo copied to " + demo.target);
  }

  int HandOff(const std::string& commandLine) {
    const std::string& companion = plan_.start.executable;
    std::optional<Failure> failed = executableMissing_;
    if (!failed) {
      auto started = program_.platform.processes.Start(companion, commandLine,
                                                       ShowMode::NormalFocus, plan_.start.folder);
      if (started) {
        Skip(journal_.RecordProcess(started.value()->Id(), companion));
        log_.Write("handed to " + companion);
        return program_.exitCode;
      }
      failed = started.failure();
    }
    log_.Write("companion not started: " + Describe(*failed));
    const int code = Undo();
    if (plan_.start.cannotStart)
      ShowNotice(program_, Message(plan_.start.cannotStart, {companion, Describe(*failed)}));
    else
      ReportError(program_, *failed);
    return code == 0 ? program_.exitCode : code;
  }

  // The system makes the game's process during the pause; the game begins at its end, and
  // a failure to make it is told after it, as a start's would be.
  int StartAndWait(const std::string& commandLine) {
    Processes& processes = program_.platform.processes;
    const std::string& executable = plan_.start.executable;
    const std::uint64_t pause = processes.Milliseconds();
    auto held = processes.Hold(executable, commandLine, ShowMode::NormalFocus, plan_.start.folder);
    FinishPause(processes, pause, kPauseBeforeGameMilliseconds);
    std::unique_ptr<ProcessWatch> watch = OrRaise(OrRaise(std::move(held))->Release());
    Skip(journal_.RecordProcess(watch->Id(), executable));
    log_.Write("started " + commandLine);
    if (program_.frmSplash.created()) program_.frmSplash.window.Hide();
    WaitForProcessEnd(processes, watch.get(), contract::kGamePollMilliseconds);
    auto code = watch->ExitCode();
    log_.Write(code ? "game ended with exit code " + std::to_string(code.value())
                    : "game ended, exit code unknown");
    watch.reset();
    return Undo();
  }

  // The journal's own undo, the one the start-up's replay runs: a switch back that fails
  // says why, as a conversion does.
  int Undo() {
    const ReplayOutcome outcome =
        UndoEntry(journal_, record_, files_, [this](const std::string& dir) {
          if (!plan_.switcher) return std::optional<Leftover>();
          const SwitchedBack back = plan_.switcher->back(program_.install(), dir);
          if (back.notice) ShowNotice(program_, *back.notice, false);
          return back.left;
        });
    std::string left;
    for (const Leftover& l : outcome.left) left += "; " + l.path + " (" + Describe(l.failure) + ")";
    log_.Write(outcome.replay == Replay::Done ? "put back " + plan_.folder
                                              : "not all put back, the entry is kept" + left);
    return program_.exitCode;
  }

  static std::string Line(const FileStep& step) {
    return (step.source.empty() ? "" : step.source + " -> ") + step.path;
  }

  Program& program_;
  const RunPlan& plan_;
  RestoreJournal& journal_;
  RestoreRecord record_;
  Steps setAside_;
  RunLog& log_;
  Files& files_;
  std::optional<Failure> executableMissing_;
};

}  // namespace

// The store offer's Yes is carried out before the run is planned again: the installed
// executable it stores is then one the switch can bring back.
int PlayGame(Program& program, const Game& game, const Demo& demo) {
  const Choices choices = LoadChoices(program);
  RunPlan plan = game.plan(program.install(), choices, demo);
  if (plan.offer && AskNotice(program, plan.offer->question)) {
    const StoreOffer& offer = *plan.offer;
    if (const Status copied = CopyFlushed(program.platform.files, offer.installed, offer.stored);
        !copied) {
      ShowNotice(program, Message(offer.cannotStore, {offer.stored, Describe(copied.failure())}),
                 false);
    }
    plan = game.plan(program.install(), choices, demo);
  }
  return PlayDemo(program, plan);
}

int PlayDemo(Program& program, const RunPlan& plan) {
  Platform& platform = program.platform;
  RunLog log(platform.files, platform.system, "player");
  program.Mark("plan");
  if (const std::string times = program.StartupTimes(); !times.empty())
    log.Write("start-up: " + times);
  log.Write("demo " + program.demoPath + ": " + plan.name +
            (plan.switchTo ? ", release file " + plan.switchTo->file : ""));
  if (!plan.needs.empty()) log.Write(plan.needs);
  if (plan.refusal) {
    const Notice& refusal = *plan.refusal;
    log.Write("not played: " + (refusal.kind == Notice::Kind::Error ? Describe(refusal.failure)
                                : refusal.id ? "message " + std::to_string(refusal.id)
                                             : refusal.text));
    ShowNotice(program, refusal);
    return program.exitCode;
  }
  for (const Notice& warning : plan.warnings) ShowNotice(program, warning);
  for (const Notice& question : plan.questions) {
    if (AskNotice(program, question)) continue;
    log.Write("not played: the user said no");
    return program.exitCode;
  }

  RestoreJournal journal(platform.registry, plan.code);
  if (!PutBackPendingRun(program, journal, log)) return program.exitCode;
  JournaledUndo journaled;
  try {
    journaled = Journaled(platform.files, plan.undo);
  } catch (const RaisedFailure& raised) {
    log.Write("not played: no name free to set a file aside");
    ReportHandled(program, raised.failure(), plan.name);
    return program.exitCode;
  }
  RestoreRecord record;
  record.game = plan.code;
  record.folder = plan.folder;
  record.undo = journaled.undo;
  record.switchBackDir = plan.switchTo ? plan.folder : "";
  record.handedOver = plan.start.handOff;
  record.writer = platform.processes.OwnId();
  record.writerExecutable = platform.system.ProgramFile();
  if (const Status written = journal.Write(record); !written) {
    log.Write("not played: the journal could not be written, " + Describe(written.failure()));
    ReportFailure(program, ids::kNoJournal, {plan.name, Describe(written.failure())});
    return program.exitCode;
  }
  return Run(program, plan, journal, record, journaled.setAside, log).Play();
}

}  // namespace kalv
