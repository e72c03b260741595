// What the demo library read of each demo, kept between runs in a small file so that a
// folder read before shows at once. A row is keyed by the demo's path, size and time; the
// whole file by a fingerprint of the installations it was read against (the chosen game
// folders and mods, the files in each game folder, its subfolders and their maps folders,
// and the player's own folders, which hold the release store), since whether a demo plays
// here depends on them too. A file that is missing, damaged, of another version or of
// other installations is not trusted: its rows are read again and the file written anew.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "games/choices.h"
#include "games/demo_listing.h"
#include "games/game_table.h"
#include "games/install.h"

namespace kalv {

class DemoCache {
 public:
  // The rows of the file at path that were read against these installations.
  DemoCache(Files& files, std::string path, std::string fingerprint, const GameTable& games);

  // The installations as a short text that changes when anything a row depends on does.
  static std::string Fingerprint(const Install& install, const Choices& choices,
                                 const GameTable& games);

  // The row kept for the file at path with this stamp; nothing when there is none.
  std::optional<ListedDemo> Find(const std::string& path, const FileStamp& stamp);
  // Keeps a row read now (an unreadable file's is not kept: it may be readable later).
  void Keep(const std::string& path, const ListedDemo& row);
  // Writes the file when a row was kept since it was read; the folder is made as needed.
  // At most kMostRows are written, the ones found or kept since loading first.
  Status Save();

  std::size_t size() const { return rows_.size(); }
  static constexpr std::size_t kMostRows = 20000;

 private:
  struct Kept {
    ListedDemo row;
    bool used = false;
  };
  void Load();

  Files& files_;
  std::string path_;
  std::string fingerprint_;
  const GameTable& games_;
  std::map<std::string, Kept> rows_;  // by lower-case path
  bool changed_ = false;
};

// %LOCALAPPDATA%\Kalvenmarque\Demo Library.cache; "" without that folder.
std::string DemoCachePath(System& system);

}  // namespace kalv
