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

}  // namespace kalv
