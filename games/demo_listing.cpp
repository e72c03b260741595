#include "games/demo_listing.h"

#include "games/demo_cache.h"

#include <algorithm>
#include <tuple>
#include <utility>

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

// What a column orders by; numbers before text so that sizes and dates sort as numbers.
std::tuple<std::uint64_t, std::string> Key(const ListedDemo& demo, DemoColumn column) {
  switch (column) {
    case DemoColumn::Name: return {0, AsciiLower(demo.name)};
    case DemoColumn::Game: return {0, demo.game ? AsciiLower(demo.game->name) : ""};
    case DemoColumn::Release: return {0, demo.release ? AsciiLower(demo.release->version) : ""};
    case DemoColumn::Mod: return {0, AsciiLower(demo.needs.mod)};
    case DemoColumn::Map: return {0, AsciiLower(demo.needs.map)};
    case DemoColumn::Players: return {0, AsciiLower(PlayersOf(demo))};
    // Rows without a length come first, as empty texts do.
    case DemoColumn::Length: return {demo.length ? *demo.length + 1ull : 0, ""};
    case DemoColumn::Size: return {demo.size, ""};
    case DemoColumn::Date: return {demo.written, ""};
    case DemoColumn::PlaysHere: {
      const std::vector<Lack> lacks = LacksOf(demo);
      std::string order;
      for (const Lack lack : lacks) order += static_cast<char>('a' + static_cast<int>(lack));
      return {lacks.size(), order};
    }
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

bool SetUpGames::operator()(const Game& game) {
  std::optional<bool>& known = known_[IndexOf(game.code)];
  if (!known) {
    const std::string& dir = choices_.dir(game.code);
    known = !dir.empty() && game.detect(install_, dir).found();
  }
  return *known;
}

DemoReader::DemoReader(const Install& install, const GameTable& games, Choices choices,
                       DemoCache* cache)
    : install_{install.files, install.system, install.profile, &memo_},
      games_(games),
      choices_(std::move(choices)),
      setUp_(install_, choices_),
      cache_(cache) {}

Result<std::vector<std::string>> DemoReader::Names(const std::string& folder, bool subfolders) {
  auto names = install_.files.List(folder, "*");
  if (!names) return names.failure();
  if (subfolders) AddSubfolders(folder, "", kDeepestSubfolder, names.value());
  return names;
}

// Each subfolder's files in name order, then its own subfolders', depth first; one that
// cannot be read is left out.
void DemoReader::AddSubfolders(const std::string& dir, const std::string& prefix, int depthLeft,
                               std::vector<std::string>& names) {
  if (depthLeft <= 0) return;
  const auto folders = install_.files.ListFolders(dir);
  if (!folders) return;
  for (const std::string& folder : folders.value()) {
    const std::string path = dir + "\\" + folder;
    const auto files = install_.files.List(path, "*");
    if (!files) continue;
    for (const std::string& name : files.value()) names.push_back(prefix + folder + "\\" + name);
    AddSubfolders(path, prefix + folder + "\\", depthLeft - 1, names);
  }
}

ListedDemo DemoReader::Read(const std::string& folder, const std::string& name) {
  const std::string path = folder + "\\" + name;
  const auto stamp = install_.files.Stamp(path);
  if (cache_ && stamp) {
    if (auto kept = cache_->Find(path, stamp.value())) {
      kept->name = name;
      return std::move(*kept);
    }
  }
  ListedDemo listed;
  listed.name = name;
  if (stamp) {
    listed.size = stamp.value().length;
    listed.written = stamp.value().written;
  }
  ReadFile(path, listed);
  if (cache_ && stamp) cache_->Keep(path, listed);
  return listed;
}

// What the file's first bytes and first message say, and what the installations make of it.
void DemoReader::ReadFile(const std::string& path, ListedDemo& listed) {
  if (!install_.Has(path)) {
    listed.kind = ListedDemo::Kind::Unreadable;
    return;
  }
  const Claim claim = ClaimOf(install_, games_, path);
  listed.kind = claim.kind;
  listed.game = claim.game;
  if (!claim.game) return;
  if (claim.game->length) listed.length = claim.game->length(install_.files, path);
  listed.gameSetUp = setUp_(*claim.game);
  if (listed.gameSetUp && claim.game->needs)
    listed.needs = claim.game->needs(install_, choices_, claim.demo);
  if (claim.game->release) listed.release = claim.game->release(install_, claim.demo, listed.needs);
}

Result<std::vector<ListedDemo>> ListDemos(const Install& install, const GameTable& games,
                                          const Choices& choices, const std::string& folder,
                                          bool subfolders, DemoCache* cache) {
  DemoReader reader(install, games, choices, cache);
  auto names = reader.Names(folder, subfolders);
  if (!names) return names.failure();
  std::vector<ListedDemo> list;
  for (const std::string& name : names.value()) list.push_back(reader.Read(folder, name));
  return list;
}

std::vector<ListedDemo> SortedDemos(std::vector<ListedDemo> list, DemoColumn column,
                                    bool descending) {
  std::stable_sort(list.begin(), list.end(), [&](const ListedDemo& a, const ListedDemo& b) {
    return descending ? Key(b, column) < Key(a, column) : Key(a, column) < Key(b, column);
  });
  return list;
}

std::string PlayersOf(const ListedDemo& demo) {
  std::string joined;
  for (const std::string& player : demo.needs.players)
    joined += (joined.empty() ? "" : ", ") + player;
  return joined;
}

bool DemoMatches(const ListedDemo& demo, std::optional<GameCode> game, const std::string& text) {
  if (game && (!demo.game || demo.game->code != *game)) return false;
  const std::string lowerText = AsciiLower(text);
  return Holds(demo.name, lowerText) || Holds(demo.needs.mod, lowerText) ||
         Holds(demo.needs.map, lowerText) ||
         std::any_of(demo.needs.players.begin(), demo.needs.players.end(),
                     [&](const std::string& p) { return Holds(p, lowerText); });
}

std::vector<ListedDemo> FilteredDemos(const std::vector<ListedDemo>& list,
                                      std::optional<GameCode> game, const std::string& text) {
  std::vector<ListedDemo> kept;
  for (const ListedDemo& demo : list)
    if (DemoMatches(demo, game, text)) kept.push_back(demo);
  return kept;
}

}  // namespace kalv
