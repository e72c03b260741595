// The release switch of a Quake 3 installation: Quake3.exe replaced by the stored
// executable of the target release, the paks the target does not know set aside as
// ".bak" after every pak set aside earlier is brought back.
#pragma once

#include <optional>
#include <string>

#include "launcher/base/program.h"
#include "core/file_steps.h"

namespace kalv {

// The highest pak number a release file may name; a larger or non-numeric "newpak" or
// "newestpak" makes the release file unusable.
constexpr int kHighestPak = 999;

// A pak number as a release file stores it: a whole number from 0 to kHighestPak.
std::optional<int> PakNumber(const std::string& text);

// The pak steps of a switch: for n = 1 to newestpak the ".pk3" and ".bak" made normal,
// then every ".bak" renamed back to ".pk3"; unless the target is the newest release
// (newpak equals newestpak as stored), the paks above newpak renamed to ".bak".
Steps PlanPakSwitch(const std::string& dir, int newpak, int newestpak, bool newest);

// The switch of the installation in dir to the release named by a "Version" text, silent.
// Switched, or nothing changed: the release file is unusable, or refusal says why.
struct SwitchResult {
  enum Outcome { Switched, Unusable, Refused } outcome = Unusable;
  std::string refusal;
  Leftover blocker;              // Refused: the file in the way, and why
  std::string shown;             // the release as the messages name it ("1.27h")
  bool newest = false;           // the target is the newest release ("newpak" equals "newestpak")
  std::string storedExecutable;  // what Quake3.exe becomes
  Steps pakSteps;                // and what is done to the paks
  // The attributes the switch changes, as they are before it: Quake3.exe's and each pak's
  // (found as ".pk3" or ".bak"), to be put back after the switch back under ".pk3".
  Steps attributesBefore;
};
// What a switch would do, or why it would not, with nothing changed (Switched: it can).
SwitchResult CheckSwitch(Program& program, const std::string& dir, const std::string& version,
                         bool needNewest);
SwitchResult SwitchRelease(Program& program, const std::string& dir, const std::string& version,
                           bool needNewest);

// Replaces installed by a copy of stored that is whole at every moment (copied beside it,
// flushed, moved over it); nothing is copied when the two are the same already.
Status ReplaceExecutable(Files& files, const std::string& stored, const std::string& installed);

// When the installed Quake3.exe is none of the stored executables, but its paks say which
// release it is and the store has no executable of that release, asks (Yes/No) whether to
// store a copy of it as that release; Yes copies it, and a store that cannot be written
// (Program Files without administrator rights) is told.
void OfferToStoreInstalled(Program& program, const std::string& dir);

// Back to the newest stored release, silently (a run cut off is undone with it); false
// when the installation could not be switched.
bool SwitchToNewest(Program& program, const std::string& dir);
// The same for the restore journal's undo: nothing when the folder is on the newest release
// now (or holds no Quake3.exe to switch), else the file that kept it from it and why.
std::optional<Leftover> SwitchBackToNewest(Program& program, const std::string& dir);

// Switches the Quake 3 installation. A manual conversion (loadup false) converts to the
// release chosen in the main window's list and reports the result; an automatic one
// converts to the release file fileVersion of the store and stays silent unless it fails.
// Returns true when the installation was switched. Nothing is changed, and an English
// message says why, when the installed Quake3.exe is none of the stored executables (it
// could not be brought back), when a stored executable the switch or the way back needs
// is missing, or when Quake3.exe cannot be replaced; an unusable release file gives the
// conversion error message (170) and changes nothing either.
bool Conversion(Program& program, bool loadup, const std::string& fileVersion);

// The main window's Convert button.
void ConvertToSelected(Program& program);

}  // namespace kalv
