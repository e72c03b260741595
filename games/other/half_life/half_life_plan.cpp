#include "games/other/half_life/half_life_plan.h"

#include "games/other/half_life/half_life.h"
#include "games/other/half_life/half_life_demo.h"
#include "games/other/half_life/half_life_files.h"
#include "games/other/half_life/half_life_texts.h"

namespace kalv {

namespace {

// The games the Half-Life engine's folders hold, as players know them.
std::string GameOfFolder(const std::string& folder) {
  static const char* const kKnown[][2] = {
      {"cstrike", "Counter-Strike"}, {"tfc", "Team Fortress Classic"}, {"dod", "Day of Defeat"},
      {"gearbox", "Opposing Force"}, {"bshift", "Blue Shift"},         {"ricochet", "Ricochet"},
      {"dmc", "Deathmatch Classic"}, {"czero", "Condition Zero"}};
  for (const auto& known : kKnown)
    if (EqualsNoCase(folder, known[0])) return std::string(known[1]) + " (\"" + folder + "\")";
  return "\"" + folder + "\"";
}

}  // namespace

DemoNeeds HLNeeds(const Install& install, const Choices& choices, const Demo& demo) {
  DemoNeeds needs;
  const auto header =
      ReadHalfLifeDemoHeader(ReadDemoStart(install.files, demo.path, hldemo::kHeaderBytes));
  if (!header) return needs;
  needs.read = true;
  needs.protocol = header->networkProtocol;
  if (!EqualsNoCase(header->gameFolder, hldemo::kOwnGame)) needs.mod = header->gameFolder;
  needs.map = header->map;
  const std::string& dir = choices.dir(GameCode::HL);
  if (dir.empty()) return needs;
  std::vector<std::string> games = {hldemo::kOwnGame};
  if (!needs.mod.empty()) {
    needs.modFolder = FolderPresence(install, dir, needs.mod);
    if (needs.modFolder != Presence::Found) return needs;
    games.insert(games.begin(), needs.mod);
  }
  MapSearch search{{}, "*.pak"};
  for (const std::string& game : games)
    for (const char* twin : {"", "_downloads", "_addon"})
      search.folders.push_back(dir + "\\" + game + twin);
  LookForMap(install, needs, search);
  return needs;
}

HLFacts ReadHLFacts(const Install& install, const Choices& choices, const Demo& demo) {
  HLFacts facts;
  facts.installDir = install.PlayerDir();
  const std::string& dir = choices.dir(GameCode::HL);
  if (dir.empty()) return facts;
  facts.hl = install.Has(dir + hl::kExecutable);
  facts.installed = facts.hl || install.Has(dir + hl::kCounterStrike);
  facts.needs = HLNeeds(install, choices, demo);
  DemoRun run;
  run.dir = dir;
  run.mod = facts.needs.mod;
  facts.demo = ReadDemoFacts(install.files, demo.path, HLGameFile(run, hl::kFixedDemoName));
  return facts;
}

// A retail Counter-Strike installation has cstrike.exe and no hl.exe.
RunPlan PlanHL(const Choices& choices, const Demo& demo, const HLFacts& facts) {
  RunPlan plan = NewPlan(kHalfLife);
  DemoRun run;
  run.dir = choices.dir(GameCode::HL);
  run.installDir = facts.installDir;
  run.mod = facts.needs.mod;
  run.ownDemo = facts.demo.own;
  if (run.dir.empty() || !facts.installed) {
    plan.refusal = MissingDirectory(kHalfLife);
  } else if (auto refusal = DemoRefusal(facts.demo)) {
    plan.refusal = refusal;
  } else if (facts.needs.modFolder == Presence::Missing) {
    plan.refusal = Message(hltext::kGameMissing, {GameOfFolder(run.mod), run.dir + "\\" + run.mod});
  }
  if (plan.refusal) return plan;

  if (auto question = NeedsQuestion(facts.needs, kHalfLife.name, run.dir))
    plan.questions.push_back(*question);
  plan.needs = NeedsLine(facts.needs);
  const char* executable = facts.hl ? hl::kExecutable : hl::kCounterStrike;
  plan.folder = run.dir;
  plan.prepare = PrepareHL(run);
  plan.demo = DemoCopy{demo.path, HLGameFile(run, hl::kFixedDemoName), run.ownDemo, false};
  plan.start = StartIn(run.dir + executable, HLCommandLine(run.dir, executable, run.mod));
  plan.undo = UndoHL(run);
  return plan;
}

RunPlan PlanHLRun(const Install& install, const Choices& choices, const Demo& demo) {
  return PlanHL(choices, demo, ReadHLFacts(install, choices, demo));
}

}  // namespace kalv
