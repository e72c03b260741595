#include "games/other/quake1/quake1_plan.h"

#include "games/other/quake1/quake1.h"
#include "games/other/quake1/quake1_demo.h"
#include "games/other/quake1/quake1_files.h"

namespace kalv {

namespace {

DemoRun RunOf(const Choices& choices, const InstallFacts& facts) {
  DemoRun run;
  run.dir = choices.dir(GameCode::Q1);
  run.installDir = facts.installDir;
  run.ownDemo = facts.demo.own;
  return run;
}

}  // namespace

DemoNeeds Q1Needs(const Install& install, const Choices& choices, const Demo& demo) {
  DemoNeeds needs;
  const auto read = ReadQuake1Demo(ReadDemoStart(install.files, demo.path, kDemoHeadBytes));
  if (!read) return needs;
  needs.read = true;
  needs.protocol = read->protocol;
  needs.map = MapOfModel(read->map);
  const std::string& dir = choices.dir(GameCode::Q1);
  if (!dir.empty()) LookForMap(install, needs, MapSearch{{dir + "\\id1"}, "pak*.pak"});
  return needs;
}

Q1Facts ReadQ1Facts(const Install& install, const Choices& choices, const Demo& demo) {
  Q1Facts facts;
  facts.installDir = install.PlayerDir();
  const std::string& dir = choices.dir(GameCode::Q1);
  if (dir.empty()) return facts;
  facts.installed = install.Has(dir + q1::kPak0);
  facts.demo = ReadDemoFacts(install.files, demo.path, dir + q1::kFixedDemo);
  facts.executables = install.files.List(dir, "*.exe").value_or({});
  if (facts.installed) facts.needs = Q1Needs(install, choices, demo);
  return facts;
}

std::string ChooseQ1Executable(const std::vector<std::string>& executables,
                               const std::string& stored) {
  for (const std::string& name : executables)
    if (name == stored) return name;
  return executables.empty() ? std::string() : executables.front();
}

RunPlan PlanQ1(const Choices& choices, const Demo& demo, const Q1Facts& facts) {
  RunPlan plan = NewPlan(kQuake1);
  const DemoRun run = RunOf(choices, facts);
  const std::string executable = ChooseQ1Executable(facts.executables, choices.q1Executable);
  if (run.dir.empty() || !facts.installed)
    plan.refusal = MissingDirectory(kQuake1);
  else if (auto refusal = DemoRefusal(facts.demo))
    plan.refusal = refusal;
  else if (executable.empty())
    plan.refusal = Notice{};
  if (plan.refusal) return plan;

  if (auto question = NeedsQuestion(facts.needs, kQuake1.name, run.dir))
    plan.questions.push_back(*question);
  plan.needs = NeedsLine(facts.needs);
  plan.folder = run.dir;
  plan.prepare = Then(PrepareQ1(run), {MakeReadOnly(run.dir + q1::kOwnConfig)});
  plan.demo = DemoCopy{demo.path, run.dir + q1::kFixedDemo, run.ownDemo, false};
  plan.start = StartIn(run.dir + "\\" + executable, Q1CommandLine(run.dir, executable));
  plan.undo = UndoQ1(run);
  return plan;
}

RunPlan PlanQ1Run(const Install& install, const Choices& choices, const Demo& demo) {
  return PlanQ1(choices, demo, ReadQ1Facts(install, choices, demo));
}

}  // namespace kalv
