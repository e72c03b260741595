#include "games/other/unreal_tournament/unreal_tournament_files.h"

namespace kalv {

const JournalRules& UTJournalRules() {
  static const JournalRules rules{
      "UT", {{ut::kPackage, FileRole::Made}, {ut::kFixedDemo, FileRole::Made}}};
  return rules;
}

Steps PrepareUT(const DemoRun& run) {
  return {MakeNormal(run.dir + ut::kPackage),
          CopyFile(run.installDir + ut::kStoredPackage, run.dir + ut::kPackage)};
}

Steps UndoUT(const DemoRun& run) {
  Steps steps = {DeleteFile(run.dir + ut::kPackage)};
  if (!run.ownDemo) steps.push_back(DeleteFile(run.dir + ut::kFixedDemo));
  return steps;
}

std::string UTCommandLine(const std::string& dir, const UTPlayback& playback) {
  std::string options;
  if (On(playback.noFrameCap)) options += "?noframecap";
  if (On(playback.timeBased)) options += "?timebased";
  if (On(playback.thirdPerson)) options += "?3rdperson";
  return dir + ut::kExecutable +
         " UT-Logo-Map.unr?Game=kalvenmarque.kalvenmarque?demo=kalvenmarque.dem" + options;
}

}  // namespace kalv
