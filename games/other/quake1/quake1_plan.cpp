#include "games/other/quake1/quake1_plan.h"
#include "games/other/quake1/quake1_files.h"
#include "launcher/base/functions.h"
#include "launcher/base/texts.h"

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

Q1Facts ReadQ1Facts(Program& program, const Choices& choices, const Demo& demo) {
  Q1Facts facts;
  facts.installDir = program.platform.system.ProgramDirectory();
  const std::string& dir = choices.dir(GameCode::Q1);
  if (dir.empty()) return facts;
  facts.installed = FileExists(program, dir + q1::kPak0);
  facts.demo = ReadDemoFacts(program.platform.files, demo.path, dir + q1::kFixedDemo);
  facts.executables = program.platform.files.List(dir, "*.exe").value_or({});
  return facts;
}

std::string ChooseQ1Executable(const std::vector<std::string>& executables,
                               const std::string& stored) {
  for (const std::string& name : executables)
    if (name == stored) return name;
  return executables.empty() ? std::string() : executables.front();
}

RunPlan PlanQ1(const Choices& choices, const Demo& demo, const Q1Facts& facts) {
  RunPlan plan = NewPlan(GameCode::Q1, game::kQ1, name::kQ1);
  const DemoRun run = RunOf(choices, facts);
  const std::string executable = ChooseQ1Executable(facts.executables, choices.q1Executable);
  if (run.dir.empty() || !facts.installed)
    plan.refusal = MissingDirectory(name::kQ1);
  else if (auto refusal = DemoRefusal(facts.demo))
    plan.refusal = refusal;
  else if (executable.empty())
    plan.refusal = Notice{};
  if (plan.refusal) return plan;

  plan.folder = run.dir;
  plan.prepare = Then(PrepareQ1(run), {MakeReadOnly(run.dir + q1::kOwnConfig)});
  plan.demo = DemoCopy{demo.path, run.dir + q1::kFixedDemo, run.ownDemo, false};
  plan.start = StartIn(run.dir + "\\" + executable, Q1CommandLine(run.dir, executable));
  plan.undo = UndoQ1(run);
  return plan;
}

}  // namespace kalv
