// The Unreal Tournament demo run as a plan: what is read of the installation before planning,
// and the pure function from the choices, the demo and those facts to the run.
#pragma once

#include <string>
#include <vector>

#include "games/other/install_facts.h"
#include "launcher/base/choices.h"
#include "launcher/base/program.h"

namespace kalv {

using UTFacts = InstallFacts;
UTFacts ReadUTFacts(Program& program, const Choices& choices, const Demo& demo);
RunPlan PlanUT(const Choices& choices, const Demo& demo, const UTFacts& facts);

}  // namespace kalv
