// The Quake 2 demo run as a plan: what is read of the installation before planning,
// and the pure function from the choices, the demo and those facts to the run.
#pragma once

#include <string>
#include <vector>

#include "games/choices.h"
#include "games/install.h"
#include "games/plan_support.h"

namespace kalv {

struct Q2Facts : InstallFacts {
  bool game = false;             // quake2.exe is there
  int protocol = 0;              // the demo's, 0 when its server data could not be read
  std::string gameFolder;        // the folder its server ran; "" for baseq2
  bool gameFolderFound = false;  // the installation holds it
};
Q2Facts ReadQ2Facts(const Install& install, const Choices& choices, const Demo& demo);
// The companion is put in place and started; it starts Quake 2 (in the demo's game
// folder, when it names one), waits and undoes. A demo of another protocol than 34 was
// recorded by a later engine: the user is asked first whether to play it anyway.
RunPlan PlanQ2(const Choices& choices, const Demo& demo, const Q2Facts& facts);

// The installation read, then planned: the run of the table's row.
RunPlan PlanQ2Run(const Install& install, const Choices& choices, const Demo& demo);

}  // namespace kalv
