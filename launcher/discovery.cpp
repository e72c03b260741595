#include "launcher/discovery.h"

#include "launcher/constants.h"
#include "launcher/setting_names.h"
#include "launcher/settings.h"

namespace kalv {

const DiscoverySource kDiscoverySources[3] = {
    {game::kQ3A, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Id\\Quake III Arena", "Installpath",
     setting::kQ3APath},
    {game::kHL, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Sierra OnLine\\Setup\\HALFLIFE", "Directory",
     setting::kHLPath},
    {game::kSTVEF,
     "HKEY_LOCAL_MACHINE\\SOFTWARE\\Activision\\Star Trek: Voyager - Elite Force\\v1.0",
     "INSTALLPATH", setting::kSTVEFPath},
};

std::string DiscoverGameDirectory(Registry& registry, const DiscoverySource& source) {
  return ReadRegistryString(registry, source.keyPath, source.valueName);
}

}  // namespace kalv
