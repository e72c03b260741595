// What the readers of demo bytes make of them, compared field by field, and the check
// every reader passes: a file or message cut short never reads as something else.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "games/engine_message.h"
#include "games/other/half_life/half_life_demo.h"
#include "games/other/quake1/quake1_demo.h"
#include "games/other/quake2/quake2_demo.h"

namespace kalv {

inline bool operator==(const HalfLifeDemoHeader& a, const HalfLifeDemoHeader& b) {
  return a.demoProtocol == b.demoProtocol && a.networkProtocol == b.networkProtocol &&
         a.map == b.map && a.gameFolder == b.gameFolder;
}
inline bool operator==(const Quake1Demo& a, const Quake1Demo& b) {
  return a.cdTrack == b.cdTrack && a.protocol == b.protocol && a.levelTitle == b.levelTitle &&
         a.map == b.map;
}
inline bool operator==(const Quake2ServerData& a, const Quake2ServerData& b) {
  return a.protocol == b.protocol && a.serverCount == b.serverCount &&
         a.attractLoop == b.attractLoop && a.gameFolder == b.gameFolder;
}

inline bool operator==(const Quake2Demo& a, const Quake2Demo& b) {
  return a.serverData == b.serverData && a.map == b.map && a.players == b.players;
}
inline bool operator==(const EngineDemo& a, const EngineDemo& b) {
  return a.protocol == b.protocol && a.map == b.map && a.mod == b.mod && a.hostName == b.hostName &&
         a.players == b.players;
}

namespace testing {

// Every prefix of a demo reads as nothing until the reader has what it needs, and as the
// whole demo's reading from there on: a cut file never reads as something else.
template <typename Reading>
void ExpectEveryCutReadsNothingOrTheWhole(const std::string& demo,
                                          const std::function<Reading(std::string_view)>& read) {
  const Reading whole = read(demo);
  ASSERT_TRUE(whole.has_value());
  bool complete = false;
  for (std::size_t cut = 0; cut <= demo.size(); ++cut) {
    const Reading part = read(std::string_view(demo).substr(0, cut));
    if (complete) {
      ASSERT_TRUE(part.has_value()) << "lost again at " << cut;
    } else {
      complete = part.has_value();
    }
    if (part) {
      ASSERT_TRUE(*part == *whole) << "a different reading at " << cut;
    }
  }
}

}  // namespace testing
}  // namespace kalv
