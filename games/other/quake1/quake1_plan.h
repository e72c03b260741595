// The Quake 1 demo run as a plan: what is read of the installation before planning,
// and the pure function from the choices, the demo and those facts to the run.
#pragma once

#include <string>
#include <vector>

#include "games/other/install_facts.h"
#include "launcher/base/choices.h"
#include "launcher/base/program.h"

namespace kalv {

struct Q1Facts : InstallFacts {
  std::vector<std::string> executables;  // the folder's "*.exe" files, in name order
};
Q1Facts ReadQ1Facts(Program& program, const Choices& choices, const Demo& demo);
// The stored executable when it is one of them, letter case included; otherwise the first.
std::string ChooseQ1Executable(const std::vector<std::string>& executables,
                               const std::string& stored);
// Without an executable to start the run ends silently, nothing changed.
RunPlan PlanQ1(const Choices& choices, const Demo& demo, const Q1Facts& facts);

}  // namespace kalv
