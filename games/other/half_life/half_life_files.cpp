#include "games/other/half_life/half_life_files.h"

#include "core/folder_name.h"
#include "games/other/half_life/half_life_demo.h"

namespace kalv {

std::string HLGameFile(const DemoRun& run, const char* file) {
  return run.dir + "\\" + (run.mod.empty() ? std::string(hldemo::kOwnGame) : run.mod) + file;
}

const JournalRules& HLJournalRules() {
  static const JournalRules rules{"HL",
                                  {{"\\*\\kalvenmarque.cfg", FileRole::Made},
                                   {"\\*\\Kalvenmarque.dem", FileRole::Made},
                                   {"\\*\\config.cfg", FileRole::Protected}}};
  return rules;
}

Steps PrepareHL(const DemoRun& run) {
  return {MakeNormal(HLGameFile(run, hl::kOneOffConfigName)),
          CopyFile(run.installDir + hl::kTemplate, HLGameFile(run, hl::kOneOffConfigName)),
          MakeReadOnly(HLGameFile(run, hl::kOwnConfigName))};
}

Steps UndoHL(const DemoRun& run) {
  Steps steps = {DeleteFile(HLGameFile(run, hl::kOneOffConfigName))};
  if (!run.ownDemo) steps.push_back(DeleteFile(HLGameFile(run, hl::kFixedDemoName)));
  steps.push_back(MakeNormal(HLGameFile(run, hl::kOwnConfigName)));
  return steps;
}

std::string HLCommandLine(const std::string& dir, const char* executable,
                          const std::string& gameFolder) {
  const std::string game = gameFolder.empty() ? "" : " -game " + AsArgument(gameFolder);
  return dir + executable + game + " -console +connect localhost +exec kalvenmarque.cfg";
}

}  // namespace kalv
