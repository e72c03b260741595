// The Half-Life demo run as a plan: what is read of the installation before planning,
// and the pure function from the choices, the demo and those facts to the run.
#pragma once

#include <string>
#include <vector>

#include "games/choices.h"
#include "games/demo_needs.h"
#include "games/install.h"
#include "games/plan_support.h"

namespace kalv {

// What a demo needs: the game folder it was recorded in (not valve) and its map there or
// in valve, or in their "_downloads" and "_addon" twins, loose or in their paks.
DemoNeeds HLNeeds(const Install& install, const Choices& choices, const Demo& demo);

struct HLFacts : InstallFacts {
  bool hl = false;  // hl.exe is there; a retail Counter-Strike has cstrike.exe instead
  // The game folder it was recorded in ("" for Half-Life's own) and whether the
  // installation has it, the map.
  DemoNeeds needs;
};
HLFacts ReadHLFacts(const Install& install, const Choices& choices, const Demo& demo);
// A demo of another game than Half-Life's own (Counter-Strike, Team Fortress, ...) plays in
// that game's folder, with "-game <folder>"; when the installation lacks the folder, the
// run is refused, naming the game.
RunPlan PlanHL(const Choices& choices, const Demo& demo, const HLFacts& facts);

// The installation read, then planned: the run of the table's row.
RunPlan PlanHLRun(const Install& install, const Choices& choices, const Demo& demo);

}  // namespace kalv
