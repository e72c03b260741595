#include "platform/processes.h"

#include <utility>

namespace kalv {

StartOnRelease::StartOnRelease(Processes& processes, std::string executable,
                               std::string commandLine, ShowMode show, std::string workingDir)
    : processes_(processes),
      executable_(std::move(executable)),
      commandLine_(std::move(commandLine)),
      show_(show),
      workingDir_(std::move(workingDir)) {}

Result<std::unique_ptr<ProcessWatch>> StartOnRelease::Release() {
  return processes_.Start(executable_, commandLine_, show_, workingDir_);
}

}  // namespace kalv
