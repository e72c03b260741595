// A folder of demos as a list shows it: each file with the game that claims it, what its
// first message says (mod, map, players) and what keeps it from playing here. The list is
// a value; sorting and filtering make new orders of it, and a window only shows it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "games/choices.h"
#include "games/demo_needs.h"
#include "games/game_table.h"
#include "games/install.h"

namespace kalv {

class DemoCache;

struct ListedDemo {
  enum class Kind { Demo, NotADemo, Unreadable };
  std::string name;  // the file's name in the folder
  Kind kind = Kind::NotADemo;
  std::uint64_t size = 0;
  std::uint64_t written = 0;            // the file's last write, as its stamp has it
  const Game* game = nullptr;           // the game that claims it (a demo only)
  bool gameSetUp = false;               // the game's folder is chosen and holds the game
  DemoNeeds needs;                      // read only for a game that is set up
  std::optional<DemoRelease> release;   // Quake 3: the release it plays on
  std::optional<std::uint32_t> length;  // milliseconds, where the game's demos tell it
};

// What keeps a listed file from playing here, each in its turn; none: it plays.
enum class Lack { NotADemo, Unreadable, GameNotSetUp, ReleaseNotStored, Mod, Map };
std::vector<Lack> LacksOf(const ListedDemo& demo);

// Each game's folder, looked at once per listing: whether it is chosen and holds the game.
class SetUpGames {
 public:
  SetUpGames(const Install& install, const Choices& choices)
      : install_(install), choices_(choices) {}
  bool operator()(const Game& game);

 private:
  const Install& install_;
  const Choices& choices_;
  std::array<std::optional<bool>, kGameCount> known_;
};

// Reads a folder's files one at a time, so that a window can show them as they come. Every
// demo of a game looks into the same archives for its map and the same store for its
// release: a reader reads each once, as they were when it began.
class DemoReader {
 public:
  // With a cache, a file it holds for its stamp is not read, and a file read is kept there.
  DemoReader(const Install& install, const GameTable& games, Choices choices,
             DemoCache* cache = nullptr);
  DemoReader(const DemoReader&) = delete;
  DemoReader& operator=(const DemoReader&) = delete;

  // The folder's files in name order, relative to it; with subfolders, theirs too
  // ("sub\name", up to kDeepestSubfolder below it). A folder that cannot be read is its
  // failure (76 for one that is missing); a subfolder that cannot be read is left out.
  Result<std::vector<std::string>> Names(const std::string& folder, bool subfolders);
  // One file of the folder, read as far as its first message. A file held by another
  // program is listed as unreadable, with its size and date.
  ListedDemo Read(const std::string& folder, const std::string& name);

  static constexpr int kDeepestSubfolder = 8;

 private:
  void ReadFile(const std::string& path, ListedDemo& listed);
  void AddSubfolders(const std::string& dir, const std::string& prefix, int depthLeft,
                     std::vector<std::string>& names);

  ReadMemo memo_{ReadMemo::Kept::ForItsLife};
  Install install_;
  const GameTable& games_;
  Choices choices_;
  SetUpGames setUp_;
  DemoCache* cache_;
};

// Every file of the folder (and its subfolders, when asked), in name order, each read as
// far as its first message; a folder that cannot be read is its failure.
Result<std::vector<ListedDemo>> ListDemos(const Install& install, const GameTable& games,
                                          const Choices& choices, const std::string& folder,
                                          bool subfolders = false, DemoCache* cache = nullptr);

// PlaysHere orders the demos that play first, then by what they lack.
enum class DemoColumn { Name, Game, Release, Mod, Map, Players, Length, Size, Date, PlaysHere };
// The list ordered by a column, without regard to case; equal rows keep the name order.
std::vector<ListedDemo> SortedDemos(std::vector<ListedDemo> list, DemoColumn column,
                                    bool descending);
// The players a demo names, joined by ", ".
std::string PlayersOf(const ListedDemo& demo);
// Whether the row is of the game (nothing: any game) and its name, mod, map or a player
// holds the text, without regard to case ("" holds in every row).
bool DemoMatches(const ListedDemo& demo, std::optional<GameCode> game, const std::string& text);
// The rows DemoMatches keeps, in their order.
std::vector<ListedDemo> FilteredDemos(const std::vector<ListedDemo>& list,
                                      std::optional<GameCode> game, const std::string& text);

}  // namespace kalv
