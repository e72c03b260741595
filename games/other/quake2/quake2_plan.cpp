#include "games/other/quake2/quake2_plan.h"

#include "core/folder_name.h"
#include "games/other/quake2/quake2.h"
#include "games/other/quake2/quake2_demo.h"
#include "games/other/quake2/quake2_files.h"
#include "games/other/quake2/quake2_texts.h"

namespace kalv {

namespace {

// The server data comes first, after at most a few prints.
constexpr std::size_t kServerDataRead = 4096;

}  // namespace

Q2Facts ReadQ2Facts(const Install& install, const Choices& choices, const Demo& demo) {
  Q2Facts facts;
  facts.installDir = install.PlayerDir();
  const std::string& dir = choices.dir(GameCode::Q2);
  if (dir.empty()) return facts;
  facts.installed = install.Has(dir + q2::kPak0);
  facts.game = install.Has(dir + q2::kGameExecutable);
  facts.demo = ReadDemoFacts(install.files, demo.path, dir + q2::kFixedDemo);
  if (auto stream = install.files.OpenRead(demo.path)) {
    const auto data = ReadQuake2ServerData(stream.value()->Read(kServerDataRead).value_or(""));
    if (data) {
      facts.protocol = data->protocol;
      if (!EqualsNoCase(data->gameFolder, "baseq2")) facts.gameFolder = data->gameFolder;
    }
  }
  if (!facts.gameFolder.empty())
    facts.gameFolderFound = install.files.DirectoryExists(dir + "\\" + facts.gameFolder);
  return facts;
}

// The companion is started quoted, as the shell starts a program, so that it finds its
// switches after its own name whatever the folder is called.
RunPlan PlanQ2(const Choices& choices, const Demo& demo, const Q2Facts& facts) {
  RunPlan plan = NewPlan(kQuake2);
  const std::string& dir = choices.dir(GameCode::Q2);
  if (dir.empty() || !facts.installed) {
    plan.refusal = MissingDirectory(kQuake2);
  } else if (auto refusal = DemoRefusal(facts.demo)) {
    plan.refusal = refusal;
  } else if (!facts.game) {
    plan.refusal = Message(q2text::kGameMissing, {dir + q2::kGameExecutable});
  } else if (!facts.gameFolder.empty() && !facts.gameFolderFound) {
    plan.refusal =
        Message(q2text::kFolderMissing, {facts.gameFolder, dir + "\\" + facts.gameFolder});
  }
  if (plan.refusal) return plan;
  if (facts.protocol != 0 && facts.protocol != q2demo::kProtocol)
    plan.question = Message(q2text::kOtherProtocol, {std::to_string(facts.protocol)});

  const bool own = facts.demo.own;
  const std::string companion = dir + q2::kCompanion;
  plan.folder = dir;
  plan.prepare = q2::Prepare(dir, facts.installDir, facts.gameFolder);
  plan.demo = DemoCopy{demo.path, dir + q2::kFixedDemo, own, false};
  std::string line = "\"" + companion + "\" " + q2::kCompanionSwitch;
  if (own) line += std::string(" ") + q2::kKeepDemoSwitch;
  if (!facts.gameFolder.empty())
    line += std::string(" ") + q2::kGameSwitch + AsArgument(facts.gameFolder);
  plan.start = StartIn(companion, line);
  plan.start.handOff = true;
  plan.start.cannotStart = q2text::kCompanionFailed;
  plan.undo = q2::Undo(dir, own, facts.gameFolder);
  return plan;
}

RunPlan PlanQ2Run(const Install& install, const Choices& choices, const Demo& demo) {
  return PlanQ2(choices, demo, ReadQ2Facts(install, choices, demo));
}

}  // namespace kalv
