// The Unreal Tournament demo run as a plan: what is read of the installation before planning,
// and the pure function from the choices, the demo and those facts to the run.
#pragma once

#include <string>
#include <vector>

#include "games/choices.h"
#include "games/install.h"
#include "games/plan_support.h"

namespace kalv {

using UTFacts = InstallFacts;
UTFacts ReadUTFacts(const Install& install, const Choices& choices, const Demo& demo);
RunPlan PlanUT(const Choices& choices, const Demo& demo, const UTFacts& facts);

// The installation read, then planned: the run of the table's row.
RunPlan PlanUTRun(const Install& install, const Choices& choices, const Demo& demo);

}  // namespace kalv
