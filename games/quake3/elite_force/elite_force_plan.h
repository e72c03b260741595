// An Elite Force demo run as a plan: the demo's protocol checked against the installed
// version before anything changes, then the one-off configuration, the game's own
// configuration (and the mod's) read-only and the demo under its fixed name.
#pragma once

#include "games/choices.h"
#include "games/demo_needs.h"
#include "games/install.h"
#include "games/plan_support.h"

namespace kalv {

// What a demo needs: its mod and its map in the base folder and the run's mod.
DemoNeeds STVEFNeeds(const Install& install, const Choices& choices, const Demo& demo);

struct STVEFFacts {
  std::string installDir;
  bool installed = false;  // pak0 is there
  std::string version;     // "v1.00", "v1.10" or "v1.20", by the newest numbered pak
  std::string header;      // the demo's first bytes, as far as it has them
  DemoNeeds needs;
  DemoFacts demo;
};
STVEFFacts ReadSTVEFFacts(const Install& install, const Choices& choices, const Demo& demo);

// The installed version of an installation's paks: pak2 came with 1.20, pak1 with 1.10,
// and without either it is 1.00.
std::string STVEFVersion(bool pak1, bool pak2);

RunPlan PlanSTVEF(const Choices& choices, const Demo& demo, const STVEFFacts& facts);

// The installation read, then planned: the run of the table's row.
RunPlan PlanSTVEFRun(const Install& install, const Choices& choices, const Demo& demo);

}  // namespace kalv
