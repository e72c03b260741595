// The Quake 2 demo run as a plan: what is read of the installation before planning,
// and the pure function from the choices, the demo and those facts to the run.
#pragma once

#include <string>
#include <vector>

#include "games/choices.h"
#include "games/demo_needs.h"
#include "games/install.h"
#include "games/plan_support.h"

namespace kalv {

// What a demo needs: the game folder its server ran (not baseq2) and its map there or in
// baseq2, loose or in their paks.
DemoNeeds Q2Needs(const Install& install, const Choices& choices, const Demo& demo);

struct Q2Facts : InstallFacts {
  bool game = false;  // quake2.exe is there
  // The protocol (0 when the server data could not be read), the game folder its server
  // ran ("" for baseq2) and whether the installation has it, the map.
  DemoNeeds needs;
};
Q2Facts ReadQ2Facts(const Install& install, const Choices& choices, const Demo& demo);
// The companion is put in place and started; it starts Quake 2 (in the demo's game
// folder, when it names one), waits and undoes. A demo of another protocol than 34 was
// recorded by a later engine: the user is asked first whether to play it anyway.
RunPlan PlanQ2(const Choices& choices, const Demo& demo, const Q2Facts& facts);

// The installation read, then planned: the run of the table's row.
RunPlan PlanQ2Run(const Install& install, const Choices& choices, const Demo& demo);

}  // namespace kalv
