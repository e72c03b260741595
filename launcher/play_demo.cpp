#include "launcher/play_demo.h"

#include <memory>
#include <optional>

#include "core/contracts.h"
#include "core/process_wait.h"
#include "games/quake3/conversion.h"
#include "games/quake3/quake3_play.h"
#include "games/quake3/release_store.h"
#include "launcher/base/functions.h"
#include "launcher/base/messages.h"
#include "launcher/base/texts.h"
#include "core/restore_journal.h"
#include "core/run_log.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

std::string Describe(const Failure& failure) {
  return std::to_string(failure.number) + " " + failure.description;
}

void ShowCritical(Program& program, const std::string& text) {
  program.platform.dialogs.MessageBox(text, kProgramTitle, Icon::Critical, Buttons::Ok);
}

// The undo puts back the attributes a file to be made writable had before the run: a
// configuration the user made read-only stays read-only.
Steps WithAttributesBefore(Files& files, Steps undo) {
  for (FileStep& step : undo) {
    if (step.kind != FileStep::Kind::MakeNormal) continue;
    if (auto attributes = files.GetAttributes(step.path))
      step = SetAttributes(step.path, attributes.value() & ~attr::kDirectory);
  }
  return undo;
}

// The reason the last run of a game is still in the journal, and what to do.
std::string NotPutBack(const RunPlan& plan, bool running) {
  if (running) return plan.name + runtext::kStillRunning + plan.name + runtext::kCloseFirst;
  return runtext::kNotPutBack + plan.name + runtext::kNotPutBackMiddle + plan.name +
         runtext::kCloseFirst;
}

// Said when the companion could not be put in place or started: the run is undone.
std::string CompanionFailure(const std::string& companion, const Failure& failure) {
  return std::string(q2text::kCompanionFailed) + companion + " (" + Describe(failure) +
         q2text::kCompanionAdvice;
}

// A switch that could not be made says why, as a conversion does.
bool ReportSwitch(Program& program, const SwitchResult& result) {
  if (result.outcome == SwitchResult::Unusable) {
    if (const auto text = Localized(program, ids::kConversionError)) ShowCritical(program, *text);
    return false;
  }
  if (result.outcome == SwitchResult::Refused) {
    ShowCritical(program, result.refusal);
    return false;
  }
  return true;
}

// One run of a plan, from the journal's entry on.
class Run {
 public:
  Run(Program& program, const RunPlan& plan, RestoreJournal& journal, RestoreRecord record,
      RunLog& log)
      : program_(program),
        plan_(plan),
        journal_(journal),
        record_(std::move(record)),
        log_(log),
        files_(program.platform.files) {}

  int Play() {
    try {
      if (!SwitchRelease()) return Failed();
      Prepare();
      CopyDemo();
      std::string commandLine = plan_.start.commandLine;
      if (plan_.start.askForCd) {
        const auto cd = FindQuake3Cd(program_);
        if (!cd) {
          log_.Write("no Quake 3 CD: not started");
          return Undo();
        }
        commandLine += *cd + plan_.start.afterCdDrive;
      }
      program_.platform.processes.Sleep(kPauseBeforeGameMilliseconds);
      if (plan_.start.handOff) return HandOff(commandLine);
      return StartAndWait(commandLine);
    } catch (const RaisedFailure& raised) {
      log_.Write("failure " + Describe(raised.failure()));
      ReportHandled(program_, raised.failure(), plan_.name);
    }
    return Undo();
  }

 private:
  // A switch refused changes nothing, so its entry goes without an undo.
  bool SwitchRelease() {
    if (plan_.switchTo.empty()) return true;
    const std::string version = ReadRelease(program_, plan_.switchTo).version;
    const SwitchResult result = kalv::SwitchRelease(program_, plan_.switchDir, version, true);
    if (ReportSwitch(program_, result)) {
      log_.Write("switched to " + version);
      return true;
    }
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
    ReportFailure(program_, CompanionFailure(companion, *failed));
    return code == 0 ? program_.exitCode : code;
  }

  int StartAndWait(const std::string& commandLine) {
    Processes& processes = program_.platform.processes;
    const std::string& executable = plan_.start.executable;
    std::unique_ptr<ProcessWatch> watch = OrRaise(
        processes.Start(executable, commandLine, ShowMode::NormalFocus, plan_.start.folder));
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
    const Replay outcome = UndoEntry(journal_, record_, files_, [this](const std::string& dir) {
      const auto newest = NewestRelease(program_);
      return newest &&
             ReportSwitch(program_, kalv::SwitchRelease(program_, dir, newest->version, true));
    });
    log_.Write(outcome == Replay::Done ? "put back" : "not all put back: the entry is kept");
    return program_.exitCode;
  }

  static std::string Line(const FileStep& step) {
    return (step.source.empty() ? "" : step.source + " -> ") + step.path;
  }

  Program& program_;
  const RunPlan& plan_;
  RestoreJournal& journal_;
  RestoreRecord record_;
  RunLog& log_;
  Files& files_;
  std::optional<Failure> executableMissing_;
};

}  // namespace

void ShowNotice(Program& program, const Notice& notice) {
  switch (notice.kind) {
    case Notice::Kind::Silent: return;
    case Notice::Kind::MissingDirectory: return ReportMissingDirectory(program, notice.text);
    case Notice::Kind::Error: return ReportError(program, notice.failure);
    case Notice::Kind::English: return ReportFailure(program, notice.text);
    case Notice::Kind::Localized:
      program.exitCode = 1;
      if (const auto text = Localized(program, notice.id)) ShowCritical(program, *text);
      return;
    case Notice::Kind::UnknownProtocol:
      if (const auto word = Localized(program, ids::kProtocolWord))
        ShowCritical(program, *word + " " + notice.text + " - " +
                                  *Localized(program, ids::kProtocolUnknown));
      return;
  }
}

int PlayDemo(Program& program, const RunPlan& plan) {
  Platform& platform = program.platform;
  RunLog log(platform.files, platform.system, "player");
  program.Mark("plan");
  if (const std::string times = program.StartupTimes(); !times.empty())
    log.Write("start-up: " + times);
  log.Write("demo " + program.demoPath + ": " + plan.name +
            (plan.switchTo.empty() ? "" : ", release file " + plan.switchTo));
  if (plan.refusal) {
    log.Write("not played: " +
              (plan.refusal->text.empty() ? Describe(plan.refusal->failure) : plan.refusal->text));
    ShowNotice(program, *plan.refusal);
    return program.exitCode;
  }
  for (const Notice& warning : plan.warnings) ShowNotice(program, warning);
  if (!plan.question.empty() &&
      platform.dialogs.MessageBox(plan.question, kProgramTitle, Icon::Question, Buttons::YesNo) !=
          Answer::Yes) {
    log.Write("not played: the user said no");
    return program.exitCode;
  }

  RestoreJournal journal(platform.registry, plan.code);
  if (const auto pending = journal.Read()) {
    const bool running =
        pending->process && platform.processes.IsRunning(pending->process, pending->executable);
    log.Write(std::string("not played: the last run is not put back yet") +
              (running ? " (it still runs)" : ""));
    ReportFailure(program, NotPutBack(plan, running));
    return program.exitCode;
  }
  RestoreRecord record;
  record.game = plan.code;
  record.undo = WithAttributesBefore(platform.files, plan.undo);
  record.switchBackDir = plan.switchTo.empty() ? "" : plan.switchDir;
  record.handedOver = plan.start.handOff;
  if (const Status written = journal.Write(record); !written) {
    log.Write("not played: the journal could not be written, " + Describe(written.failure()));
    ReportFailure(program, runtext::kNoJournal + plan.name + " (" + Describe(written.failure()) +
                               runtext::kNoJournalAdvice);
    return program.exitCode;
  }
  return Run(program, plan, journal, record, log).Play();
}

}  // namespace kalv
