// An Elite Force demo run as a plan: the demo's protocol checked against the installed
// version before anything changes, then the one-off configuration, the game's own
// configuration (and the mod's) read-only and the demo under its fixed name.
#pragma once

#include "games/plan_support.h"
#include "launcher/base/choices.h"
#include "launcher/base/program.h"

namespace kalv {

struct STVEFFacts {
  std::string installDir;
  bool installed = false;  // pak0 is there
  std::string version;     // "v1.00", "v1.10" or "v1.20", by the newest numbered pak
  std::string header;      // the demo's first bytes, as far as it has them
  DemoFacts demo;
};
STVEFFacts ReadSTVEFFacts(Program& program, const Choices& choices, const Demo& demo);

// The installed version of an installation's paks: pak2 came with 1.20, pak1 with 1.10,
// and without either it is 1.00.
std::string STVEFVersion(bool pak1, bool pak2);

RunPlan PlanSTVEF(const Choices& choices, const Demo& demo, const STVEFFacts& facts);

}  // namespace kalv
