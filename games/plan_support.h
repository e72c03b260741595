// What the games' plans share: the facts read of a demo before planning, the checks every
// run makes before anything changes, and the start of a game in its own folder.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "games/game.h"
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

// The first count bytes of a demo, as far as it has them; "" when it cannot be read.
std::string ReadDemoStart(Files& files, const std::string& demo, std::size_t count);

// A demo opened once for reads anywhere in it, as far as it has the bytes; every read
// gives "" when it cannot be read.
class DemoFile {
 public:
  DemoFile(Files& files, const std::string& path);
  std::string At(std::uint64_t offset, std::size_t count);
  // Its last count bytes, all of it when it is shorter.
  std::string End(std::size_t count);

 private:
  std::unique_ptr<FileStream> stream_;
  std::optional<std::uint64_t> length_;
};

// A plan of the game, named for the journal and the messages.
RunPlan NewPlan(const Game& game);

// The refusals every game makes: a folder that is not set up, a demo that cannot be read.
Notice MissingDirectory(const Game& game);
std::optional<Notice> DemoRefusal(const DemoFacts& demo);

// A game started in its own folder, as a shortcut to it does: old games find their data
// relative to the working folder.
GameStart StartIn(const std::string& executable, const std::string& commandLine);

// Steps a then b.
Steps Then(Steps a, const Steps& b);

// What the Quake 1, Quake 2, Half-Life and Unreal Tournament runs all read of an
// installation before planning: the player's folder, whether the file that marks the
// installation is there, and the demo.
struct InstallFacts {
  std::string installDir;
  bool installed = false;
  DemoFacts demo;
};

}  // namespace kalv
