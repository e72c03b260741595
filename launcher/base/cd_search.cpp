#include "launcher/base/cd_search.h"

#include "launcher/base/functions.h"
#include "platform/system.h"

namespace kalv {

// W to Z are never tried; a drive that cannot be read simply does not qualify.
std::string CDRomCheck(Program& program) {
  char letter = 'A';
  for (; letter <= 'V'; ++letter) {
    const std::string drive(1, letter);
    if (program.platform.system.DriveType(drive + ":\\") == drive::kCdRom &&
        FileExists(program, drive + ":\\Quake3\\Quake3.exe"))
      break;
  }
  if (letter > 'V') letter = 'V';
  program.cdDrive = std::string(1, letter);
  return program.cdDrive;
}

}  // namespace kalv
