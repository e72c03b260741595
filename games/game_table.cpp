#include "games/game_table.h"

#include "games/other/half_life/half_life.h"
#include "games/other/quake1/quake1.h"
#include "games/other/quake2/quake2.h"
#include "games/other/unreal_tournament/unreal_tournament.h"
#include "games/quake3/elite_force/elite_force.h"
#include "games/quake3/quake3_arena.h"

namespace kalv {

const GameTable& Games() {
  static const GameTable games = {&kQuake3Arena, &kHalfLife, &kEliteForce,
                                  &kQuake1,      &kQuake2,   &kUnrealTournament};
  return games;
}

const Game& GameOf(GameCode code) { return *Games()[IndexOf(code)]; }

namespace {
bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}
}  // namespace

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

bool NeedsHead(const std::vector<const Game*>& games) {
  for (const Game* game : games)
    if (game->claimsHead) return true;
  return false;
}

const Game* ClaimingByHead(const std::vector<const Game*>& games, std::string_view head) {
  for (const Game* game : games)
    if (!game->claimsHead || game->claimsHead(head)) return game;
  return nullptr;
}

}  // namespace kalv
