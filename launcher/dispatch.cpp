#include "launcher/dispatch.h"

#include <vector>

#include "games/game_table.h"
#include "launcher/base/choices.h"
#include "launcher/base/messages.h"
#include "launcher/play_demo.h"
#include "launcher/resume_load.h"

namespace kalv {

namespace {

std::string ReadHead(Program& program) {
  auto stream = OrRaise(program.platform.files.OpenRead(program.demoPath));
  return OrRaise(stream->Read(kDemoHeadBytes));
}

// The games sharing the ending are told apart by the demo's first bytes, read once and
// only when one of them needs them; a head that cannot be read is reported here.
std::optional<int> PlayByEnding(Program& program, const std::vector<const Game*>& games) {
  std::string head;
  try {
    if (NeedsHead(games)) head = ReadHead(program);
  } catch (const RaisedFailure& raised) {
    ReportError(program, raised.failure());
    return program.exitCode;
  }
  try {
    const Game* game = ClaimingByHead(games, head);
    if (!game) return program.exitCode;
    return PlayGame(program, *game, Demo{program.demoPath, {}});
  } catch (const RaisedFailure& raised) {
    ReportError(program, raised.failure());
  }
  return program.exitCode;
}

}  // namespace

GameCode ClassifyDemHeader(const std::string& bytes) {
  const Game* game = ClaimingByHead(ClaimingByEnding(Games(), ".dem"), bytes);
  return game ? game->code : GameCode::UT;
}

std::optional<int> DispatchDemo(Program& program, const GameTable& games) {
  const std::vector<const Game*> byEnding = ClaimingByEnding(games, program.demoPath);
  if (!byEnding.empty()) return PlayByEnding(program, byEnding);
  for (const Game* game : games) {
    if (!game->claimsPath) continue;
    if (auto demo = game->claimsPath(program.install(), program.demoPath))
      return PlayGame(program, *game, *demo);
  }
  ResumeLoad(program);
  return std::nullopt;
}

}  // namespace kalv
