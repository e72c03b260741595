// The demo file types of the six games, as one table: the endings the player claims and
// the association updater registers, with what Explorer shows for each. The player, the
// updater and the tests read these very rows.
#pragma once

#include <string>
#include <vector>

namespace kalv {

struct DemoType {
  const char* progId;
  const char* extension;
  const char* description;
  int iconIndex;     // position among the main program's icons
  const char* verb;  // default verb, the value of P\Shell
  const char* game;  // the game's code in the restore journal ("Q3A")
};

// In the order the updater creates the keys. Quake 3's endings are the shipped release
// files' ("DemoExt"); the player reads them from the release store.
inline const std::vector<DemoType>& DemoTypes() {
  static const std::vector<DemoType> types = {
      {"Kalvenmarque.HL", ".dem", "Half-Life/Unreal Tournament/Quake 1 Demo", 5, "Open", "HL"},
      {"Kalvenmarque.v1_17_", ".dm3", "Quake 3 Demo (v1.17)", 3, "Open", "Q3A"},
      {"Kalvenmarque.v1_27h", ".dm_48", "Quake 3 Demo (v1.27h)", 4, "Open", "Q3A"},
      {"Kalvenmarque.v1_30_", ".dm_66", "Quake 3 Demo (v1.30)", 1, "open", "Q3A"},
      {"Kalvenmarque.v1_31_", ".dm_67", "Quake 3 Demo (v1.31)", 7, "open", "Q3A"},
      {"Kalvenmarque.v1_32_", ".dm_68", "Quake 3 Demo (v1.32)", 8, "open", "Q3A"},
      {"Kalvenmarque.STVEF", ".efdemo", "Star Trek Voyager Elite Force Demo", 2, "Open", "STVEF"},
      {"Kalvenmarque.Q2", ".dm2", "Quake 2 Demo", 6, "Open", "Q2"},
  };
  return types;
}

// The endings of one demo type's row: ".dem" is Half-Life's row, which Quake 1 and Unreal
// Tournament share.
inline std::vector<std::string> EndingsOfType(const char* progId) {
  std::vector<std::string> endings;
  for (const DemoType& type : DemoTypes())
    if (std::string(type.progId) == progId) endings.push_back(type.extension);
  return endings;
}

}  // namespace kalv
