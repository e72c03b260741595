// What the Quake 1, Quake 2, Half-Life and Unreal Tournament runs all read of an
// installation before planning.
#pragma once

#include <string>

#include "games/plan_support.h"

namespace kalv {

// What every one of these runs reads: the player's folder, whether the file that marks
// the installation is there, and the demo.
struct InstallFacts {
  std::string installDir;
  bool installed = false;
  DemoFacts demo;
};

}  // namespace kalv
