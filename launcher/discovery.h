// Game discovery: on the very first run three game directories are taken from the games'
// own installer entries.
#pragma once

#include <string>

#include "platform/registry.h"

namespace kalv {

struct DiscoverySource {
  const char* game;       // the game code
  const char* keyPath;    // full key path of the installer entry
  const char* valueName;  // the value holding the directory
  const char* setting;    // the setting the directory is stored under
};

// Quake 3 Arena, Half-Life, Elite Force, in the order they are read.
extern const DiscoverySource kDiscoverySources[3];

// The installer's directory for one game; "" when the game is not installed.
std::string DiscoverGameDirectory(Registry& registry, const DiscoverySource& source);

}  // namespace kalv
