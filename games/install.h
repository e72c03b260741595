// What reading a game installation needs, and nothing else: its files, the facts of the
// machine (the player's own folder with the release store, drives, file versions), the
// profile reader for the release files and, for a run, what it has read already.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "games/archive_directory.h"
#include "games/read_memo.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/system.h"

namespace kalv {

struct Install {
  Files& files;
  System& system;
  Profile& profile;
  // What the run has read of files that have not changed since; none: read every time.
  ReadMemo* memo = nullptr;

  // The player's own folder, which holds the Versions folder.
  std::string PlayerDir() const { return system.ProgramDirectory(); }
  // True when the file can be opened for reading (false for a locked file or a folder).
  bool Has(const std::string& path) const { return files.CanOpenForRead(path).ok(); }
  // Whether the two files hold the same bytes (the failure of one that cannot be read).
  Result<bool> SameContents(const std::string& a, const std::string& b) const {
    return memo ? memo->SameContents(files, a, b) : kalv::SameContents(files, a, b);
  }
  // Files::List, through the memo.
  Result<std::vector<std::string>> List(const std::string& dir, const std::string& pattern) const {
    return memo ? memo->List(files, dir, pattern) : files.List(dir, pattern);
  }
  // The names an archive holds (nothing when it cannot be read).
  std::optional<std::vector<std::string>> ArchiveNames(const std::string& path) const {
    return memo ? memo->ArchiveNames(files, path) : kalv::ArchiveNames(files, path);
  }
};

}  // namespace kalv
