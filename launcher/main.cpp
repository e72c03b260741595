// Kalvenmarque.exe: the platform's entry hands over here.
#include "launcher/startup.h"
#include "platform/program_main.h"

int kalv::ProgramMain(kalv::Platform& platform) { return RunKalvenmarque(platform); }
