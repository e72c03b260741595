#include "launcher/dispatch.h"

#include <vector>

#include "games/game_table.h"
#include "launcher/base/choices.h"
#include "launcher/base/messages.h"
#include "launcher/play_demo.h"
#include "launcher/resume_load.h"

namespace kalv {

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The games that claim an ending of the path, in the order of the table.
std::vector<const Game*> ClaimingByEnding(const GameTable& table, const std::string& path) {
  std::vector<const Game*> games;
  for (const Game* game : table)
    for (const std::string& ending : game->endings)
      if (EndsWith(path, ending)) {
        games.push_back(game);
        break;
      }
  return games;
}

// The first of the games whose rule takes the head (a game without a rule takes any).
const Game* ClaimingByHead(const std::vector<const Game*>& games, const std::string& head) {
  for (const Game* game : games)
    if (!game->claimsHead || game->claimsHead(head)) return game;
  return nullptr;
}

std::string ReadHead(Program& program) {
  auto stream = OrRaise(program.platform.files.OpenRead(program.demoPath));
  return OrRaise(stream->Read(kDemoHeadBytes));
}

// The games sharing the ending are told apart by the demo's first bytes, read once and
// only when one of them needs them; a head that cannot be read is reported here.
std::optional<int> PlayByEnding(Program& program, const std::vector<const Game*>& games) {
  bool needsHead = false;
  for (const Game* game : games) needsHead = needsHead || game->claimsHead;
  std::string head;
  try {
    if (needsHead) head = ReadHead(program);
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
