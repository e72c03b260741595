#include "platform/program_main.h"
#include "q2companion/companion.h"

namespace kalv {

int ProgramMain(Platform& platform) {
  q2companion::Run(platform);
  return 0;  // Run ends the program itself
}

}  // namespace kalv
