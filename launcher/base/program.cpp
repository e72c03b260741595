#include "launcher/base/program.h"

#include <cstdlib>
#include <string>

namespace kalv {

// Until the stored language is read the language is English.
Program::Program(Platform& p) : platform(p), commandLine(p.system.CommandLine()) {}

void Program::Mark(const char* phase) { marks_.emplace_back(phase, platform.system.Now()); }

// Within one day, which a start-up does not outlast; a phase across midnight counts 0.
std::string Program::StartupTimes() const {
  auto ms = [](const LocalTime& t) {
    return ((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond;
  };
  std::string times;
  for (std::size_t i = 1; i < marks_.size(); ++i) {
    const int took = ms(marks_[i].second) - ms(marks_[i - 1].second);
    times += std::string(times.empty() ? "" : ", ") + marks_[i].first + " " +
             std::to_string(took < 0 ? 0 : took) + " ms";
  }
  return times;
}

// EndProgram never returns; the abort only tells compilers that lose the attribute on a
// virtual call.
void Program::End() {
  platform.system.EndProgram(exitCode);
  std::abort();
}

}  // namespace kalv
