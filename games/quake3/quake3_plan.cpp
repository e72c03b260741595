#include "games/quake3/quake3_plan.h"

#include "games/quake3/cd_search.h"
#include "games/quake3/conversion.h"
#include "games/quake3/quake3_arena.h"
#include "games/quake3/quake3_files.h"
#include "games/quake3/quake3_texts.h"

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

}  // namespace

Q3AFacts ReadQ3AFacts(const Install& install, const Choices& choices, const Demo& demo) {
  Q3AFacts facts;
  facts.installDir = install.PlayerDir();
  const std::string& dir = choices.dir(GameCode::Q3A);
  if (dir.empty()) return facts;
  facts.full = install.Has(dir + q3a::kPak0);
  facts.demo = ReadDemoFacts(install.files, demo.path, Q3AFixedDemo(RunOf(choices, demo, facts)));
  facts.offer = StoreOfferFor(install, dir);
  const SwitchResult check = CheckSwitch(install, dir, demo.release.version, true);
  if (check.outcome != SwitchResult::Switched) facts.switchRefusal = SwitchNotice(check);
  facts.switchAttributes = check.attributesBefore;
  return facts;
}

// A minimum installation copies the demo plainly (its demos folder is not made).
RunPlan PlanQ3A(const Choices& choices, const Demo& demo, const Q3AFacts& facts) {
  RunPlan plan = NewPlan(kQuake3Arena);
  const DemoRun run = RunOf(choices, demo, facts);
  if (!run.dir.empty()) plan.offer = facts.offer;
  if (run.dir.empty())
    plan.refusal = MissingDirectory(kQuake3Arena);
  else if (auto refusal = DemoRefusal(facts.demo))
    plan.refusal = refusal;
  else if (facts.switchRefusal)
    plan.refusal = facts.switchRefusal;
  if (plan.refusal) return plan;

  plan.folder = run.dir;
  plan.switchTo = demo.release;
  plan.switcher = &kQuake3Switcher;
  plan.prepare = PrepareQ3A(run, facts.full);
  if (run.useMod) plan.prepare.push_back(MakeReadOnly(run.dir + "\\" + run.mod + q3a::kModConfig));
  plan.demo = DemoCopy{demo.path, Q3AFixedDemo(run), run.ownDemo, !facts.full};
  plan.start = StartIn(run.dir + q3a::kExecutable, Q3ADemoCommandLine(run, ""));
  if (!facts.full) {
    const auto [before, after] = Q3ACdCommandLine(run);
    plan.start.commandLine = before;
    plan.start.cd = CdNeed{&FindQuake3Cd, q3text::kInsertCd, q3text::kCdCheckTitle};
    plan.start.afterCdDrive = after;
  }
  plan.undo = Then(UndoQ3A(run), facts.switchAttributes);
  return plan;
}

RunPlan PlanQ3ARun(const Install& install, const Choices& choices, const Demo& demo) {
  return PlanQ3A(choices, demo, ReadQ3AFacts(install, choices, demo));
}

}  // namespace kalv
