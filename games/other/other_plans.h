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
  bool game = false;             // quake2.exe is there
  int protocol = 0;              // the demo's, 0 when its server data could not be read
  std::string gameFolder;        // the folder its server ran; "" for baseq2
  bool gameFolderFound = false;  // the installation holds it
};
Q2Facts ReadQ2Facts(Program& program, const Choices& choices, const Demo& demo);
// The companion is put in place and started; it starts Quake 2 (in the demo's game
// folder, when it names one), waits and undoes. A demo of another protocol than 34 was
// recorded by a later engine: the user is asked first whether to play it anyway.
RunPlan PlanQ2(const Choices& choices, const Demo& demo, const Q2Facts& facts);

struct HLFacts : InstallFacts {
  bool hl = false;               // hl.exe is there; a retail Counter-Strike has cstrike.exe instead
  std::string gameFolder;        // the folder the demo was recorded in; "" for Half-Life's own
  bool gameFolderFound = false;  // the installation holds it
};
HLFacts ReadHLFacts(Program& program, const Choices& choices, const Demo& demo);
// A demo of another game than Half-Life's own (Counter-Strike, Team Fortress, ...) plays in
// that game's folder, with "-game <folder>"; when the installation lacks the folder, the
// run is refused, naming the game.
RunPlan PlanHL(const Choices& choices, const Demo& demo, const HLFacts& facts);

using UTFacts = InstallFacts;
UTFacts ReadUTFacts(Program& program, const Choices& choices, const Demo& demo);
RunPlan PlanUT(const Choices& choices, const Demo& demo, const UTFacts& facts);

}  // namespace kalv
