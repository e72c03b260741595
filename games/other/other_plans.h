// The demo runs of Quake 1, Quake 2, Half-Life and Unreal Tournament as plans: what is
// read of each installation before planning, and the pure function from the choices, the
// demo and those facts to the run.
#pragma once

#include <string>
#include <vector>

#include "games/plan_support.h"
#include "launcher/base/choices.h"
#include "launcher/base/program.h"

namespace kalv {

// What every one of these runs reads: the player's folder, whether the file that marks
// the installation is there, and the demo.
struct InstallFacts {
  std::string installDir;
  bool installed = false;
  DemoFacts demo;
};

struct Q1Facts : InstallFacts {
  std::vector<std::string> executables;  // the folder's "*.exe" files, in name order
};
Q1Facts ReadQ1Facts(Program& program, const Choices& choices, const Demo& demo);
// The stored executable when it is one of them, letter case included; otherwise the first.
std::string ChooseQ1Executable(const std::vector<std::string>& executables,
                               const std::string& stored);
// Without an executable to start the run ends silently, nothing changed.
RunPlan PlanQ1(const Choices& choices, const Demo& demo, const Q1Facts& facts);

struct Q2Facts : InstallFacts {
  bool game = false;  // quake2.exe is there
};
Q2Facts ReadQ2Facts(Program& program, const Choices& choices, const Demo& demo);
// The companion is put in place and started; it starts Quake 2, waits and undoes.
RunPlan PlanQ2(const Choices& choices, const Demo& demo, const Q2Facts& facts);

struct HLFacts : InstallFacts {
  bool hl = false;  // hl.exe is there; a retail Counter-Strike has cstrike.exe instead
};
HLFacts ReadHLFacts(Program& program, const Choices& choices, const Demo& demo);
RunPlan PlanHL(const Choices& choices, const Demo& demo, const HLFacts& facts);

using UTFacts = InstallFacts;
UTFacts ReadUTFacts(Program& program, const Choices& choices, const Demo& demo);
RunPlan PlanUT(const Choices& choices, const Demo& demo, const UTFacts& facts);

}  // namespace kalv
