#include "launcher/base/program.h"

#include <cstdlib>

namespace kalv {

// Before the options window exists the language is English.
Program::Program(Platform& p) : platform(p), commandLine(p.system.CommandLine()) {
  languageIndex = [this] { return frmOptions.created() ? frmOptions.comLanguage.Selected() : 0; };
}

// EndProgram never returns; the abort only tells compilers that lose the attribute on a
// virtual call.
void Program::End() {
  platform.system.EndProgram(exitCode);
  std::abort();
}

}  // namespace kalv
