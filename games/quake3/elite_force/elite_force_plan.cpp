#include "games/quake3/elite_force/elite_force_plan.h"

#include "core/contracts.h"
#include "games/quake3/elite_force/elite_force.h"
#include "games/quake3/elite_force/elite_force_files.h"
#include "games/quake3/elite_force/elite_force_texts.h"

namespace kalv {

namespace {

DemoRun RunOf(const Choices& choices, const STVEFFacts& facts) {
  DemoRun run;
  run.dir = choices.dir(GameCode::STVEF);
  run.installDir = facts.installDir;
  const RunMod mod = ModOfRun(facts.needs, choices.stvefMod);
  run.mod = mod.folder;
  run.useMod = mod.use;
  run.ownDemo = facts.demo.own;
  return run;
}

std::string ReadHeader(Files& files, const std::string& path) {
  auto stream = files.OpenRead(path);
  if (!stream) return "";
  return stream.value()->Read(contract::kDemoHeaderBytes).value_or("");
}

// Protocol 22 was recorded by 1.00 and 1.10, which both play it; 24 needs 1.20. Another
// protocol is named and played anyway.
void CheckProtocol(RunPlan& plan, const std::string& protocol, const std::string& installed) {
  int refusal = 0;
  if (protocol == "24" && installed != "v1.20") refusal = stveftext::kProtocol24;
  if (protocol == "22" && installed != "v1.10" && installed != "v1.00")
    refusal = stveftext::kProtocol22;
  if (refusal) {
    plan.refusal = Message(refusal);
  } else if (protocol != "24" && protocol != "22") {
    Notice notice;
    notice.kind = Notice::Kind::UnknownProtocol;
    notice.text = protocol;
    notice.id = stveftext::kProtocolWord;
    notice.detail = stveftext::kProtocolUnknown;
    plan.warnings.push_back(notice);
  }
}

}  // namespace

std::string STVEFVersion(bool pak1, bool pak2) {
  if (pak2) return "v1.20";
  return pak1 ? "v1.10" : "v1.00";
}

DemoNeeds STVEFNeeds(const Install& install, const Choices& choices, const Demo& demo) {
  return EngineDemoNeeds(install, choices.dir(GameCode::STVEF), demo, "baseEF", choices.stvefMod,
                         false);
}

STVEFFacts ReadSTVEFFacts(const Install& install, const Choices& choices, const Demo& demo) {
  STVEFFacts facts;
  facts.installDir = install.PlayerDir();
  const std::string& dir = choices.dir(GameCode::STVEF);
  if (dir.empty()) return facts;
  facts.installed = install.Has(dir + stvef::kPak0);
  facts.version = STVEFVersion(install.Has(dir + stvef::kPak1), install.Has(dir + stvef::kPak2));
  facts.demo = ReadDemoFacts(install.files, demo.path, dir + stvef::kFixedDemo);
  if (facts.demo.readable) facts.header = ReadHeader(install.files, demo.path);
  if (facts.installed) facts.needs = STVEFNeeds(install, choices, demo);
  return facts;
}

RunPlan PlanSTVEF(const Choices& choices, const Demo& demo, const STVEFFacts& facts) {
  RunPlan plan = NewPlan(kEliteForce);
  const DemoRun run = RunOf(choices, facts);
  if (run.dir.empty() || !facts.installed)
    plan.refusal = MissingDirectory(kEliteForce);
  else if (auto refusal = DemoRefusal(facts.demo))
    plan.refusal = refusal;
  else
    CheckProtocol(plan, DemoProtocol(facts.header), facts.version);
  if (plan.refusal) return plan;

  if (auto question = NeedsQuestion(facts.needs, kEliteForce.name, run.dir))
    plan.questions.push_back(*question);
  plan.needs = NeedsLine(facts.needs);
  plan.folder = run.dir;
  plan.prepare = PrepareSTVEF(run);
  if (run.useMod)
    plan.prepare.push_back(MakeReadOnly(run.dir + "\\" + run.mod + stvef::kModConfig));
  plan.demo = DemoCopy{demo.path, run.dir + stvef::kFixedDemo, run.ownDemo, false};
  plan.start = StartIn(run.dir + stvef::kExecutable, STVEFCommandLine(run));
  plan.undo = UndoSTVEF(run);
  return plan;
}

RunPlan PlanSTVEFRun(const Install& install, const Choices& choices, const Demo& demo) {
  return PlanSTVEF(choices, demo, ReadSTVEFFacts(install, choices, demo));
}

}  // namespace kalv
