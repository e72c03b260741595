#include "assocmend/updater.h"
#include "platform/program_main.h"

namespace kalv {

int ProgramMain(Platform& platform) {
  assocmend::Run(platform);
  return 0;  // Run ends the program itself
}

}  // namespace kalv
