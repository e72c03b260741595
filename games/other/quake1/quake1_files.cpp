#include "games/other/quake1/quake1_files.h"

namespace kalv {

Steps PrepareQ1(const DemoRun& run) {
  return {MakeNormal(run.dir + q1::kOneOffConfig),
          CopyFile(run.installDir + q1::kTemplate, run.dir + q1::kOneOffConfig)};
}

Steps UndoQ1(const DemoRun& run) {
  Steps steps = {DeleteFile(run.dir + q1::kOneOffConfig)};
  if (!run.ownDemo) steps.push_back(DeleteFile(run.dir + q1::kFixedDemo));
  steps.push_back(MakeNormal(run.dir + q1::kOwnConfig));
  return steps;
}

std::string Q1CommandLine(const std::string& dir, const std::string& executable) {
  return dir + "\\" + executable + " -basedir " + dir + " +exec kalvenmarque.cfg";
}

}  // namespace kalv
