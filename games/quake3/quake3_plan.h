// A Quake 3 Arena demo run as a plan: the release switched to the demo's and back, the
// one-off configuration, the game's own configuration (and the mod's) read-only, the
// demo under its fixed name, and the game started with the CD asked for on a minimum
// installation.
#pragma once

#include <optional>

#include "games/choices.h"
#include "games/game.h"
#include "games/demo_needs.h"
#include "games/install.h"
#include "games/plan_support.h"

namespace kalv {

// What a demo needs: its mod and map in the folders the run plays in (the maps of a
// minimum installation's CD are not looked for), and the protocol its server ran.
DemoNeeds Q3ANeeds(const Install& install, const Choices& choices, const Demo& demo);
// The release the run of such a demo switches to: its protocol's when the store has a
// release of it, else its ending's.
std::optional<DemoRelease> Q3ARelease(const Install& install, const Demo& demo,
                                      const DemoNeeds& needs);

// What is read of the installation before planning.
struct Q3AFacts {
  std::string installDir;  // the player's own folder (its Versions folder)
  bool full = false;       // pak0 is there; a minimum installation reads it from the CD
  DemoNeeds needs;
  // The release its protocol names when the store records one and it is not the one of
  // its ending (a demo may be renamed): the demo plays on it.
  std::optional<Release> protocolRelease;
  DemoFacts demo;
  std::optional<StoreOffer> offer;      // the installed executable the store lacks
  std::optional<Notice> switchRefusal;  // why the release switch could not be made
  Steps switchAttributes;               // the attributes the switch changes, as they were before it
};
Q3AFacts ReadQ3AFacts(const Install& install, const Choices& choices, const Demo& demo);

RunPlan PlanQ3A(const Choices& choices, const Demo& demo, const Q3AFacts& facts);

// The installation read, then planned: the run of the table's row.
RunPlan PlanQ3ARun(const Install& install, const Choices& choices, const Demo& demo);

}  // namespace kalv
