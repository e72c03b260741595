// What reading a game installation needs, and nothing else: its files, the facts of the
// machine (the player's own folder with the release store, drives, file versions) and the
// profile reader for the release files.
#pragma once

#include <string>

#include "platform/files.h"
#include "platform/profile.h"
#include "platform/system.h"

namespace kalv {

struct Install {
  Files& files;
  System& system;
  Profile& profile;

  // The player's own folder, which holds the Versions folder.
  std::string PlayerDir() const { return system.ProgramDirectory(); }
  // True when the file can be opened for reading (false for a locked file or a folder).
  bool Has(const std::string& path) const { return files.CanOpenForRead(path).ok(); }
};

}  // namespace kalv
