#include "games/quake3/quake3_plan.h"

#include "games/quake3/conversion.h"
#include "games/quake3/quake3_files.h"
#include "launcher/base/functions.h"
#include "launcher/base/texts.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

DemoRun RunOf(const Choices& choices, const Demo& demo, const Q3AFacts& facts) {
  DemoRun run;
  run.dir = choices.dir(GameCode::Q3A);
  run.installDir = facts.installDir;
  run.demoExt = demo.release.demoExt;
  run.mod = choices.q3aMod.dir();
  run.useMod = choices.q3aMod.use();
  run.ownDemo = facts.demo.own;
  return run;
}

// Why the switch to the demo's release (and back) could not be made, as the switch's
// own messages say it.
std::optional<Notice> SwitchRefusal(const SwitchResult& check) {
  Notice notice;
  if (check.outcome == SwitchResult::Unusable) {
    notice.kind = Notice::Kind::Localized;
    notice.id = ids::kConversionError;
    return notice;
  }
  if (check.outcome == SwitchResult::Refused) {
    notice.kind = Notice::Kind::English;
    notice.text = check.refusal;
    return notice;
  }
  return std::nullopt;
}

}  // namespace

Q3AFacts ReadQ3AFacts(Program& program, const Choices& choices, const Demo& demo) {
  Q3AFacts facts;
  facts.installDir = program.platform.system.ProgramDirectory();
  const std::string& dir = choices.dir(GameCode::Q3A);
  if (dir.empty()) return facts;
  facts.full = FileExists(program, dir + q3a::kPak0);
  facts.demo =
      ReadDemoFacts(program.platform.files, demo.path, Q3AFixedDemo(RunOf(choices, demo, facts)));
  OfferToStoreInstalled(program, dir);
  const SwitchResult check = CheckSwitch(program, dir, demo.release.version, true);
  facts.switchRefusal = SwitchRefusal(check);
  facts.switchAttributes = check.attributesBefore;
  return facts;
}

// A minimum installation copies the demo plainly (its demos folder is not made).
RunPlan PlanQ3A(const Choices& choices, const Demo& demo, const Q3AFacts& facts) {
  RunPlan plan = NewPlan(GameCode::Q3A, game::kQ3A, name::kQ3A);
  const DemoRun run = RunOf(choices, demo, facts);
  if (run.dir.empty())
    plan.refusal = MissingDirectory(name::kQ3A);
  else if (auto refusal = DemoRefusal(facts.demo))
    plan.refusal = refusal;
  else if (facts.switchRefusal)
    plan.refusal = facts.switchRefusal;
  if (plan.refusal) return plan;

  plan.folder = run.dir;
  plan.switchDir = run.dir;
  plan.switchTo = demo.release.file;
  plan.prepare = PrepareQ3A(run, facts.full);
  if (run.useMod) plan.prepare.push_back(MakeReadOnly(run.dir + "\\" + run.mod + q3a::kModConfig));
  plan.demo = DemoCopy{demo.path, Q3AFixedDemo(run), run.ownDemo, !facts.full};
  plan.start = StartIn(run.dir + q3a::kExecutable, Q3ADemoCommandLine(run, ""));
  if (!facts.full) {
    const auto [before, after] = Q3ACdCommandLine(run);
    plan.start.commandLine = before;
    plan.start.askForCd = true;
    plan.start.afterCdDrive = after;
  }
  plan.undo = Then(UndoQ3A(run), facts.switchAttributes);
  return plan;
}

}  // namespace kalv
