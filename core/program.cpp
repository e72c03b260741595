#include "core/program.h"

#include <cstdlib>

namespace kalv {

// Until the stored language is read the language is English.
Program::Program(Platform& p) : platform(p), commandLine(p.system.CommandLine()) {}

// EndProgram never returns; the abort only tells compilers that lose the attribute on a
// virtual call.
void Program::End() {
  platform.system.EndProgram(exitCode);
  std::abort();
}

}  // namespace kalv
