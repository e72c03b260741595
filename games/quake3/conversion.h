// The release switch of a Quake 3 installation: Quake3.exe replaced by the stored
// executable of the target release, the paks the target does not know set aside as
// ".bak" after every pak set aside earlier is brought back.
#pragma once

#include <optional>
#include <string>

#include "core/file_steps.h"
#include "games/install.h"
#include "games/run_plan.h"

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
  std::optional<Notice> refusal;  // Refused: why
  Leftover blocker;               // Refused: the file in the way, and why
  std::string shown;              // the release as the messages name it ("1.27h")
  bool newest = false;            // the target is the newest release ("newpak" equals "newestpak")
  std::string storedExecutable;   // what Quake3.exe becomes
  Steps pakSteps;                 // and what is done to the paks
  // The attributes the switch changes, as they are before it: Quake3.exe's and each pak's
  // (found as ".pk3" or ".bak"), to be put back after the switch back under ".pk3".
  Steps attributesBefore;
};
// What a switch would do, or why it would not, with nothing changed (Switched: it can).
SwitchResult CheckSwitch(const Install& install, const std::string& dir, const std::string& version,
                         bool needNewest);
SwitchResult SwitchRelease(const Install& install, const std::string& dir,
                           const std::string& version, bool needNewest);
// What a switch that was not made says: the conversion error for an unusable release
// file, otherwise its refusal.
Notice SwitchNotice(const SwitchResult& result);

// Replaces installed by a copy of stored that is whole at every moment (copied beside it,
// flushed, moved over it); nothing is copied when the two are the same already.
Status ReplaceExecutable(const Install& install, const std::string& stored,
                         const std::string& installed);

// When the installed Quake3.exe is none of the stored executables, but its paks say which
// release it is and the store has no executable of that release: the copy to offer.
std::optional<StoreOffer> StoreOfferFor(const Install& install, const std::string& dir);
// Makes the offered copy; nothing when it was made, else what to tell (a store that
// cannot be written, under Program Files without administrator rights).
std::optional<Notice> MakeStoreCopy(const Install& install, const StoreOffer& offer);

// Back to the newest stored release, silently; false when the installation could not be
// switched.
bool SwitchToNewest(const Install& install, const std::string& dir);
// The same for a run's undo: nothing left when the folder is on the newest release now,
// else the file that kept it from it and why.
SwitchedBack SwitchBackToNewest(const Install& install, const std::string& dir);

// The switch as the driver of a run asks for it.
extern const ReleaseSwitcher kQuake3Switcher;

}  // namespace kalv
