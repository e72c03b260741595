// What the games' plans share: the facts read of a demo before planning, the checks every
// run makes before anything changes, and the start of a game in its own folder.
#pragma once

#include <optional>
#include <string>

#include "games/run_plan.h"
#include "platform/files.h"

namespace kalv {

// What was read of the demo: whether it can be read, and whether it is the fixed-name
// copy itself (the user opened the copy a run left in a game folder).
struct DemoFacts {
  Status readable;
  bool own = false;
};
DemoFacts ReadDemoFacts(Files& files, const std::string& demo, const std::string& fixedTarget);

// A plan of game, named for the journal and the messages.
RunPlan NewPlan(GameCode game, const char* code, const char* name);

// The refusals every game makes: a folder that is not set up, a demo that cannot be read.
Notice MissingDirectory(const char* gameName);
std::optional<Notice> DemoRefusal(const DemoFacts& demo);

// A game started in its own folder, as a shortcut to it does: old games find their data
// relative to the working folder.
GameStart StartIn(const std::string& executable, const std::string& commandLine);

// Steps a then b.
Steps Then(Steps a, const Steps& b);

}  // namespace kalv
