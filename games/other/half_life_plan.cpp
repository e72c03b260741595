#include "games/other/half_life_files.h"
#include "games/other/other_plans.h"
#include "launcher/base/functions.h"
#include "launcher/base/texts.h"

namespace kalv {

HLFacts ReadHLFacts(Program& program, const Choices& choices, const Demo& demo) {
  HLFacts facts;
  facts.installDir = program.platform.system.ProgramDirectory();
  const std::string& dir = choices.dir(GameCode::HL);
  if (dir.empty()) return facts;
  facts.hl = FileExists(program, dir + hl::kExecutable);
  facts.installed = facts.hl || FileExists(program, dir + hl::kCounterStrike);
  facts.demo = ReadDemoFacts(program.platform.files, demo.path, dir + hl::kFixedDemo);
  return facts;
}

// A retail Counter-Strike installation has cstrike.exe and no hl.exe.
RunPlan PlanHL(const Choices& choices, const Demo& demo, const HLFacts& facts) {
  RunPlan plan = NewPlan(GameCode::HL, game::kHL, name::kHL);
  DemoRun run;
  run.dir = choices.dir(GameCode::HL);
  run.installDir = facts.installDir;
  run.ownDemo = facts.demo.own;
  if (run.dir.empty() || !facts.installed)
    plan.refusal = MissingDirectory(name::kHL);
  else if (auto refusal = DemoRefusal(facts.demo))
    plan.refusal = refusal;
  if (plan.refusal) return plan;

  const char* executable = facts.hl ? hl::kExecutable : hl::kCounterStrike;
  plan.prepare = PrepareHL(run);
  plan.demo = DemoCopy{demo.path, run.dir + hl::kFixedDemo, run.ownDemo, false};
  plan.start = StartIn(run.dir + executable, HLCommandLine(run.dir, executable));
  plan.undo = UndoHL(run);
  return plan;
}

}  // namespace kalv
