#include "games/other/quake2/quake2_plan.h"

#include "core/folder_name.h"
#include "games/other/quake2/quake2.h"
#include "games/other/quake2/quake2_demo.h"
#include "games/other/quake2/quake2_files.h"
#include "games/other/quake2/quake2_texts.h"

namespace kalv {

DemoNeeds Q2Needs(const Install& install, const Choices& choices, const Demo& demo) {
  DemoNeeds needs;
  const auto read = ReadQuake2Demo(ReadDemoStart(install.files, demo.path, kDemoHeadBytes));
  if (!read) return needs;
  needs.read = true;
  needs.protocol = read->serverData.protocol;
  if (!EqualsNoCase(read->serverData.gameFolder, "baseq2")) needs.mod = read->serverData.gameFolder;
  needs.map = MapOfModel(read->map);
  needs.players = read->players;
  const std::string& dir = choices.dir(GameCode::Q2);
  if (dir.empty()) return needs;
  MapSearch search{{dir + "\\baseq2"}, "pak*.pak"};
  if (!needs.mod.empty()) {
    needs.modFolder = FolderPresence(install, dir, needs.mod);
    if (needs.modFolder != Presence::Found) return needs;
    search.folders.push_back(dir + "\\" + needs.mod);
  }
  LookForMap(install, needs, search);
  return needs;
}

Q2Facts ReadQ2Facts(const Install& install, const Choices& choices, const Demo& demo) {
  Q2Facts facts;
  facts.installDir = install.PlayerDir();
  const std::string& dir = choices.dir(GameCode::Q2);
  if (dir.empty()) return facts;
  facts.installed = install.Has(dir + q2::kPak0);
  facts.game = install.Has(dir + q2::kGameExecutable);
  facts.demo = ReadDemoFacts(install.files, demo.path, dir + q2::kFixedDemo);
  facts.needs = Q2Needs(install, choices, demo);
  return facts;
}

// The companion is started quoted, as the shell starts a program, so that it finds its
// switches after its own name whatever the folder is called.
RunPlan PlanQ2(const Choices& choices, const Demo& demo, const Q2Facts& facts) {
  RunPlan plan = NewPlan(kQuake2);
  const std::string& gameFolder = facts.needs.mod;
  const int protocol = facts.needs.protocol;
  const std::string& dir = choices.dir(GameCode::Q2);
  if (dir.empty() || !facts.installed) {
    plan.refusal = MissingDirectory(kQuake2);
  } else if (auto refusal = DemoRefusal(facts.demo)) {
    plan.refusal = refusal;
  } else if (!facts.game) {
    plan.refusal = Message(q2text::kGameMissing, {dir + q2::kGameExecutable});
  } else if (facts.needs.modFolder == Presence::Missing) {
    plan.refusal = Message(q2text::kFolderMissing, {gameFolder, dir + "\\" + gameFolder});
  }
  if (plan.refusal) return plan;
  if (protocol != 0 && protocol != q2demo::kProtocol)
    plan.questions.push_back(Message(q2text::kOtherProtocol, {std::to_string(protocol)}));
  if (auto question = NeedsQuestion(facts.needs, kQuake2.name, dir))
    plan.questions.push_back(*question);
  plan.needs = NeedsLine(facts.needs);

  const bool own = facts.demo.own;
  const std::string companion = dir + q2::kCompanion;
  plan.folder = dir;
  plan.prepare = q2::Prepare(dir, facts.installDir, gameFolder);
  plan.demo = DemoCopy{demo.path, dir + q2::kFixedDemo, own, false};
  std::string line = "\"" + companion + "\" " + q2::kCompanionSwitch;
  if (own) line += std::string(" ") + q2::kKeepDemoSwitch;
  if (!gameFolder.empty()) line += std::string(" ") + q2::kGameSwitch + AsArgument(gameFolder);
  plan.start = StartIn(companion, line);
  plan.start.handOff = true;
  plan.start.cannotStart = q2text::kCompanionFailed;
  plan.undo = q2::Undo(dir, own, gameFolder);
  return plan;
}

RunPlan PlanQ2Run(const Install& install, const Choices& choices, const Demo& demo) {
  return PlanQ2(choices, demo, ReadQ2Facts(install, choices, demo));
}

}  // namespace kalv
