// One stored Quake 3 Arena release, as its release file describes it.
#pragma once

#include <string>

namespace kalv {

struct Release {
  std::string file;       // the release file's name in the store ("v1_30.Vrk")
  std::string version;    // "v1.30"
  std::string demoExt;    // ".dm_66"
  std::string newpak;     // the highest pak number it uses, as stored
  std::string newestpak;  // the highest pak number a conversion manages, as stored
};

}  // namespace kalv
