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

constexpr std::size_t kHeaderRead = 1024;

std::string ReadStart(Files& files, const std::string& path) {
  auto stream = files.OpenRead(path);
  return stream ? stream.value()->Read(kHeaderRead).value_or("") : std::string();
}

}  // namespace

HLFacts ReadHLFacts(const Install& install, const Choices& choices, const Demo& demo) {
  HLFacts facts;
  facts.installDir = install.PlayerDir();
  const std::string& dir = choices.dir(GameCode::HL);
  if (dir.empty()) return facts;
  facts.hl = install.Has(dir + hl::kExecutable);
  facts.installed = facts.hl || install.Has(dir + hl::kCounterStrike);
  if (const auto header = ReadHalfLifeDemoHeader(ReadStart(install.files, demo.path)))
    if (!EqualsNoCase(header->gameFolder, hldemo::kOwnGame)) facts.gameFolder = header->gameFolder;
  if (!facts.gameFolder.empty())
    facts.gameFolderFound = install.files.DirectoryExists(dir + "\\" + facts.gameFolder);
  DemoRun run;
  run.dir = dir;
  run.mod = facts.gameFolder;
  facts.demo = ReadDemoFacts(install.files, demo.path, HLGameFile(run, hl::kFixedDemoName));
  return facts;
}

// A retail Counter-Strike installation has cstrike.exe and no hl.exe.
RunPlan PlanHL(const Choices& choices, const Demo& demo, const HLFacts& facts) {
  RunPlan plan = NewPlan(kHalfLife);
  DemoRun run;
  run.dir = choices.dir(GameCode::HL);
  run.installDir = facts.installDir;
  run.mod = facts.gameFolder;
  run.ownDemo = facts.demo.own;
  if (run.dir.empty() || !facts.installed) {
    plan.refusal = MissingDirectory(kHalfLife);
  } else if (auto refusal = DemoRefusal(facts.demo)) {
    plan.refusal = refusal;
  } else if (!facts.gameFolder.empty() && !facts.gameFolderFound) {
    plan.refusal = Message(hltext::kGameMissing,
                           {GameOfFolder(facts.gameFolder), run.dir + "\\" + facts.gameFolder});
  }
  if (plan.refusal) return plan;

  const char* executable = facts.hl ? hl::kExecutable : hl::kCounterStrike;
  plan.folder = run.dir;
  plan.prepare = PrepareHL(run);
  plan.demo = DemoCopy{demo.path, HLGameFile(run, hl::kFixedDemoName), run.ownDemo, false};
  plan.start = StartIn(run.dir + executable, HLCommandLine(run.dir, executable, facts.gameFolder));
  plan.undo = UndoHL(run);
  return plan;
}

RunPlan PlanHLRun(const Install& install, const Choices& choices, const Demo& demo) {
  return PlanHL(choices, demo, ReadHLFacts(install, choices, demo));
}

}  // namespace kalv
