#include "games/quake3/cd_search.h"

#include "games/quake3/quake3_files.h"
#include "platform/system.h"

namespace kalv {

// W to Z are never tried; a drive that cannot be read simply does not qualify.
std::string CDRomCheck(const Install& install) {
  char letter = 'A';
  for (; letter <= 'V'; ++letter) {
    const std::string drive(1, letter);
    if (install.system.DriveType(drive + ":\\") == drive::kCdRom &&
        install.Has(drive + q3a::kCdExecutable))
      break;
  }
  if (letter > 'V') letter = 'V';
  return std::string(1, letter);
}

std::optional<std::string> FindQuake3Cd(const Install& install) {
  const std::string drive = CDRomCheck(install);
  if (!install.Has(drive + q3a::kCdExecutable)) return std::nullopt;
  return drive;
}

}  // namespace kalv
