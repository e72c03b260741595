#include "games/demo_listing.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace kalv {

namespace {

// The game claiming the file and the demo to read, as a double-click would find them: by
// its ending, told apart by the first bytes where games share one, else by a game that
// knows other endings (Quake 3's release store).
struct Claim {
  ListedDemo::Kind kind = ListedDemo::Kind::NotADemo;
  const Game* game = nullptr;
  Demo demo;
};

Claim ClaimOf(const Install& install, const GameTable& games, const std::string& path) {
  const std::string lower = AsciiLower(path);
  const std::vector<const Game*> byEnding = ClaimingByEnding(games, lower);
  Claim claim;
  if (!byEnding.empty()) {
    std::string head;
    if (NeedsHead(byEnding)) {
      auto stream = install.files.OpenRead(path);
      auto read =
          stream ? stream.value()->Read(kDemoHeadBytes) : Result<std::string>(stream.failure());
      if (!read) {
        claim.kind = ListedDemo::Kind::Unreadable;
        return claim;
      }
      head = std::move(read).value();
    }
    claim.game = ClaimingByHead(byEnding, head);
    claim.demo = Demo{lower, {}};
  } else {
    for (const Game* game : games) {
      if (!game->claimsPath) continue;
      if (auto demo = game->claimsPath(install, lower)) {
        claim.game = game;
        claim.demo = *demo;
        break;
      }
    }
  }
  if (claim.game) claim.kind = ListedDemo::Kind::Demo;
  return claim;
}

// Each game's folder is looked at once per listing.
class SetUpGames {
 public:
  SetUpGames(const Install& install, const Choices& choices)
      : install_(install), choices_(choices) {}
  bool operator()(const Game& game) {
    std::optional<bool>& known = known_[IndexOf(game.code)];
    if (!known) {
      const std::string& dir = choices_.dir(game.code);
      known = !dir.empty() && game.detect(install_, dir).found();
    }
    return *known;
  }

 private:
  const Install& install_;
  const Choices& choices_;
  std::array<std::optional<bool>, kGameCount> known_;
};

std::string Players(const ListedDemo& demo) {
  std::string joined;
  for (const std::string& player : demo.needs.players)
    joined += (joined.empty() ? "" : ", ") + player;
  return joined;
}

// What a column orders by; numbers before text so that sizes and dates sort as numbers.
std::tuple<std::uint64_t, std::string> Key(const ListedDemo& demo, DemoColumn column) {
  switch (column) {
    case DemoColumn::Name: return {0, AsciiLower(demo.name)};
    case DemoColumn::Game: return {0, demo.game ? AsciiLower(demo.game->name) : ""};
    case DemoColumn::Release: return {0, demo.release ? AsciiLower(demo.release->version) : ""};
    case DemoColumn::Mod: return {0, AsciiLower(demo.needs.mod)};
    case DemoColumn::Map: return {0, AsciiLower(demo.needs.map)};
    case DemoColumn::Players: return {0, AsciiLower(Players(demo))};
    case DemoColumn::Size: return {demo.size, ""};
    case DemoColumn::Date: return {demo.written, ""};
  }
  return {0, ""};
}

bool Holds(const std::string& field, const std::string& lowerText) {
  return AsciiLower(field).find(lowerText) != std::string::npos;
}

}  // namespace

std::vector<Lack> LacksOf(const ListedDemo& demo) {
  switch (demo.kind) {
    case ListedDemo::Kind::NotADemo: return {Lack::NotADemo};
    case ListedDemo::Kind::Unreadable: return {Lack::Unreadable};
    case ListedDemo::Kind::Demo: break;
  }
  if (!demo.gameSetUp) return {Lack::GameNotSetUp};
  std::vector<Lack> lacks;
  if (demo.release && !demo.release->stored) lacks.push_back(Lack::ReleaseNotStored);
  if (demo.needs.modFolder == Presence::Missing) lacks.push_back(Lack::Mod);
  if (demo.needs.mapFile == Presence::Missing) lacks.push_back(Lack::Map);
  return lacks;
}

// A file held by another program is listed as unreadable, with its size and date.
Result<std::vector<ListedDemo>> ListDemos(const Install& given, const GameTable& games,
                                          const Choices& choices, const std::string& folder) {
  // Every demo of a game looks into the same archives for its map and the same store for
  // its release: the listing reads each once, as they were when it began.
  ReadMemo memo(ReadMemo::Kept::ForItsLife);
  const Install install{given.files, given.system, given.profile, &memo};
  auto names = install.files.List(folder, "*");
  if (!names) return names.failure();
  SetUpGames setUp(install, choices);
  std::vector<ListedDemo> list;
  for (const std::string& name : names.value()) {
    const std::string path = folder + "\\" + name;
    if (install.files.DirectoryExists(path)) continue;
    ListedDemo listed;
    listed.name = name;
    if (const auto stamp = install.files.Stamp(path)) {
      listed.size = stamp.value().length;
      listed.written = stamp.value().written;
    }
    if (!install.Has(path)) {
      listed.kind = ListedDemo::Kind::Unreadable;
      list.push_back(std::move(listed));
      continue;
    }
    const Claim claim = ClaimOf(install, games, path);
    listed.kind = claim.kind;
    listed.game = claim.game;
    if (claim.game) {
      listed.gameSetUp = setUp(*claim.game);
      if (listed.gameSetUp && claim.game->needs)
        listed.needs = claim.game->needs(install, choices, claim.demo);
      if (claim.game->release)
        listed.release = claim.game->release(install, claim.demo, listed.needs);
    }
    list.push_back(std::move(listed));
  }
  return list;
}

std::vector<ListedDemo> SortedDemos(std::vector<ListedDemo> list, DemoColumn column,
                                    bool descending) {
  std::stable_sort(list.begin(), list.end(), [&](const ListedDemo& a, const ListedDemo& b) {
    return descending ? Key(b, column) < Key(a, column) : Key(a, column) < Key(b, column);
  });
  return list;
}

std::vector<ListedDemo> FilteredDemos(const std::vector<ListedDemo>& list,
                                      std::optional<GameCode> game, const std::string& text) {
  const std::string lowerText = AsciiLower(text);
  std::vector<ListedDemo> kept;
  for (const ListedDemo& demo : list) {
    if (game && (!demo.game || demo.game->code != *game)) continue;
    const bool holds = Holds(demo.name, lowerText) || Holds(demo.needs.mod, lowerText) ||
                       Holds(demo.needs.map, lowerText) ||
                       std::any_of(demo.needs.players.begin(), demo.needs.players.end(),
                                   [&](const std::string& p) { return Holds(p, lowerText); });
    if (holds) kept.push_back(demo);
  }
  return kept;
}

}  // namespace kalv
