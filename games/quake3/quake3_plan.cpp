#include "games/quake3/quake3_plan.h"

#include "games/quake3/cd_search.h"
#include "games/quake3/conversion.h"
#include "games/quake3/quake3_arena.h"
#include "games/quake3/quake3_files.h"
#include "games/quake3/release_store.h"
#include "games/quake3/quake3_texts.h"

namespace kalv {

namespace {

const Release& ReleaseOf(const Demo& demo, const Q3AFacts& facts) {
  return facts.protocolRelease ? *facts.protocolRelease : demo.release;
}

DemoRun RunOf(const Choices& choices, const Demo& demo, const Q3AFacts& facts) {
  DemoRun run;
  run.dir = choices.dir(GameCode::Q3A);
  run.installDir = facts.installDir;
  run.demoExt = ReleaseOf(demo, facts).demoExt;
  const RunMod mod = ModOfRun(facts.needs, choices.q3aMod);
  run.mod = mod.folder;
  run.useMod = mod.use;
  run.ownDemo = facts.demo.own;
  return run;
}

// The first stored release of the protocol's ending, when it is not the demo's own.
std::optional<Release> ReleaseOfProtocol(const Install& install, const Demo& demo, int protocol) {
  const std::string ending = ".dm_" + std::to_string(protocol);
  if (protocol <= 0 || demo.release.demoExt == ending) return std::nullopt;
  return ReleaseOfEnding(StoredReleases(install), ending);
}

}  // namespace

DemoNeeds Q3ANeeds(const Install& install, const Choices& choices, const Demo& demo) {
  const std::string& dir = choices.dir(GameCode::Q3A);
  return EngineDemoNeeds(install, dir, demo, "baseq3", choices.q3aMod,
                         !dir.empty() && !install.Has(dir + q3a::kPak0));
}

std::optional<DemoRelease> Q3ARelease(const Install& install, const Demo& demo,
                                      const DemoNeeds& needs) {
  const auto byProtocol = ReleaseOfProtocol(install, demo, needs.protocol);
  const Release& release = byProtocol ? *byProtocol : demo.release;
  if (release.version.empty()) return std::nullopt;
  const auto files = FilesOfVersion(install, release.version);
  return DemoRelease{release.version, files && install.Has(files->storedExecutable)};
}

Q3AFacts ReadQ3AFacts(const Install& install, const Choices& choices, const Demo& demo) {
  Q3AFacts facts;
  facts.installDir = install.PlayerDir();
  const std::string& dir = choices.dir(GameCode::Q3A);
  if (dir.empty()) return facts;
  facts.full = install.Has(dir + q3a::kPak0);
  facts.needs = Q3ANeeds(install, choices, demo);
  facts.protocolRelease = ReleaseOfProtocol(install, demo, facts.needs.protocol);
  facts.demo = ReadDemoFacts(install.files, demo.path, Q3AFixedDemo(RunOf(choices, demo, facts)));
  facts.offer = StoreOfferFor(install, dir);
  const SwitchResult check = CheckSwitch(install, dir, ReleaseOf(demo, facts).version, true);
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

  if (auto question = NeedsQuestion(facts.needs, kQuake3Arena.name, run.dir))
    plan.questions.push_back(*question);
  plan.needs = NeedsLine(facts.needs);
  plan.folder = run.dir;
  plan.switchTo = ReleaseOf(demo, facts);
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
