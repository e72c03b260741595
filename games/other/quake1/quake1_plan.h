// The Quake 1 demo run as a plan: what is read of the installation before planning,
// and the pure function from the choices, the demo and those facts to the run.
#pragma once

#include <string>
#include <vector>

#include "games/choices.h"
#include "games/demo_needs.h"
#include "games/install.h"
#include "games/plan_support.h"

namespace kalv {

// What a demo needs: its map in id1, loose or in its paks.
DemoNeeds Q1Needs(const Install& install, const Choices& choices, const Demo& demo);

struct Q1Facts : InstallFacts {
  DemoNeeds needs;
  std::vector<std::string> executables;  // the folder's "*.exe" files, in name order
};
Q1Facts ReadQ1Facts(const Install& install, const Choices& choices, const Demo& demo);
// The stored executable when it is one of them, letter case included; otherwise the first.
std::string ChooseQ1Executable(const std::vector<std::string>& executables,
                               const std::string& stored);
// Without an executable to start the run ends silently, nothing changed.
RunPlan PlanQ1(const Choices& choices, const Demo& demo, const Q1Facts& facts);

// The installation read, then planned: the run of the table's row.
RunPlan PlanQ1Run(const Install& install, const Choices& choices, const Demo& demo);

}  // namespace kalv
