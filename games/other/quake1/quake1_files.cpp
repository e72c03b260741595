#include "games/other/quake1/quake1_files.h"

namespace kalv {

const JournalRules& Q1JournalRules() {
  static const JournalRules rules{"Q1",
                                  {{q1::kOneOffConfig, FileRole::Made},
                                   {q1::kFixedDemo, FileRole::Made},
                                   {q1::kOwnConfig, FileRole::Protected}}};
  return rules;
}

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

// The game reads its arguments without quotes, so a folder with a blank would reach it cut
// at the blank: the game starts in its folder, its base folder by default, without naming it.
std::string Q1CommandLine(const std::string& dir, const std::string& executable) {
  const std::string base = dir.find(' ') == std::string::npos ? " -basedir " + dir : "";
  return dir + "\\" + executable + base + " +exec kalvenmarque.cfg";
}

}  // namespace kalv
