#include "games/other/half_life_files.h"

namespace kalv {

Steps PrepareHL(const DemoRun& run) {
  return {MakeNormal(run.dir + hl::kOneOffConfig),
          CopyFile(run.installDir + hl::kTemplate, run.dir + hl::kOneOffConfig),
          MakeReadOnly(run.dir + hl::kOwnConfig)};
}

Steps UndoHL(const DemoRun& run) {
  Steps steps = {DeleteFile(run.dir + hl::kOneOffConfig)};
  if (!run.ownDemo) steps.push_back(DeleteFile(run.dir + hl::kFixedDemo));
  steps.push_back(MakeNormal(run.dir + hl::kOwnConfig));
  return steps;
}

std::string HLCommandLine(const std::string& dir, const char* executable) {
  return dir + executable + " -console +connect localhost +exec kalvenmarque.cfg";
}

}  // namespace kalv
