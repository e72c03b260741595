#include "games/quake3/elite_force/elite_force_plan.h"

#include "core/contracts.h"
#include "games/quake3/elite_force/elite_force_files.h"
#include "launcher/base/functions.h"
#include "launcher/base/texts.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

DemoRun RunOf(const Choices& choices, const STVEFFacts& facts) {
  DemoRun run;
  run.dir = choices.dir(GameCode::STVEF);
  run.installDir = facts.installDir;
  run.mod = choices.stvefMod.dir();
  run.useMod = choices.stvefMod.use();
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
  if (protocol == "24" && installed != "v1.20") refusal = ids::kProtocol24;
  if (protocol == "22" && installed != "v1.10" && installed != "v1.00") refusal = ids::kProtocol22;
  Notice notice;
  if (refusal) {
    notice.kind = Notice::Kind::Localized;
    notice.id = refusal;
    plan.refusal = notice;
  } else if (protocol != "24" && protocol != "22") {
    notice.kind = Notice::Kind::UnknownProtocol;
    notice.text = protocol;
    plan.warnings.push_back(notice);
  }
}

}  // namespace

std::string STVEFVersion(bool pak1, bool pak2) {
  if (pak2) return "v1.20";
  return pak1 ? "v1.10" : "v1.00";
}

STVEFFacts ReadSTVEFFacts(Program& program, const Choices& choices, const Demo& demo) {
  STVEFFacts facts;
  facts.installDir = program.platform.system.ProgramDirectory();
  const std::string& dir = choices.dir(GameCode::STVEF);
  if (dir.empty()) return facts;
  facts.installed = FileExists(program, dir + stvef::kPak0);
  facts.version = STVEFVersion(FileExists(program, dir + stvef::kPak1),
                               FileExists(program, dir + stvef::kPak2));
  facts.demo = ReadDemoFacts(program.platform.files, demo.path, dir + stvef::kFixedDemo);
  if (facts.demo.readable) facts.header = ReadHeader(program.platform.files, demo.path);
  return facts;
}

RunPlan PlanSTVEF(const Choices& choices, const Demo& demo, const STVEFFacts& facts) {
  RunPlan plan = NewPlan(GameCode::STVEF, game::kSTVEF, name::kSTVEF);
  const DemoRun run = RunOf(choices, facts);
  if (run.dir.empty() || !facts.installed)
    plan.refusal = MissingDirectory(name::kSTVEF);
  else if (auto refusal = DemoRefusal(facts.demo))
    plan.refusal = refusal;
  else
    CheckProtocol(plan, DemoProtocol(facts.header), facts.version);
  if (plan.refusal) return plan;

  plan.folder = run.dir;
  plan.prepare = PrepareSTVEF(run);
  if (run.useMod)
    plan.prepare.push_back(MakeReadOnly(run.dir + "\\" + run.mod + stvef::kModConfig));
  plan.demo = DemoCopy{demo.path, run.dir + stvef::kFixedDemo, run.ownDemo, false};
  plan.start = StartIn(run.dir + stvef::kExecutable, STVEFCommandLine(run));
  plan.undo = UndoSTVEF(run);
  return plan;
}

}  // namespace kalv
