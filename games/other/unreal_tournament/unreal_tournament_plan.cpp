#include "games/other/unreal_tournament/unreal_tournament_plan.h"

#include "games/other/unreal_tournament/unreal_tournament.h"
#include "games/other/unreal_tournament/unreal_tournament_files.h"

namespace kalv {

UTFacts ReadUTFacts(const Install& install, const Choices& choices, const Demo& demo) {
  UTFacts facts;
  facts.installDir = install.PlayerDir();
  const std::string& dir = choices.dir(GameCode::UT);
  if (dir.empty()) return facts;
  facts.installed = install.Has(dir + ut::kBotPack);
  facts.demo = ReadDemoFacts(install.files, demo.path, dir + ut::kFixedDemo);
  return facts;
}

RunPlan PlanUT(const Choices& choices, const Demo& demo, const UTFacts& facts) {
  RunPlan plan = NewPlan(kUnrealTournament);
  DemoRun run;
  run.dir = choices.dir(GameCode::UT);
  run.installDir = facts.installDir;
  run.ownDemo = facts.demo.own;
  if (run.dir.empty() || !facts.installed)
    plan.refusal = MissingDirectory(kUnrealTournament);
  else if (auto refusal = DemoRefusal(facts.demo))
    plan.refusal = refusal;
  if (plan.refusal) return plan;

  plan.folder = run.dir;
  plan.prepare = PrepareUT(run);
  plan.demo = DemoCopy{demo.path, run.dir + ut::kFixedDemo, run.ownDemo, false};
  plan.start = StartIn(run.dir + ut::kExecutable, UTCommandLine(run.dir, choices.utPlayback));
  plan.undo = UndoUT(run);
  return plan;
}

RunPlan PlanUTRun(const Install& install, const Choices& choices, const Demo& demo) {
  return PlanUT(choices, demo, ReadUTFacts(install, choices, demo));
}

}  // namespace kalv
