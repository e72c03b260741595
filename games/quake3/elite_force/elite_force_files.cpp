#include "games/quake3/elite_force/elite_force_files.h"
#include "core/contracts.h"

namespace kalv {

const JournalRules& STVEFJournalRules() {
  static const JournalRules rules{"STVEF",
                                  {{stvef::kOneOffConfig, FileRole::Made},
                                   {stvef::kFixedDemo, FileRole::Made},
                                   {stvef::kOwnConfig, FileRole::Protected},
                                   {"\\*\\hmconfig.cfg", FileRole::Protected}}};
  return rules;
}

Steps PrepareSTVEF(const DemoRun& run) {
  const std::string& e = run.dir;
  return {MakeNormal(e + stvef::kOneOffConfig),
          CopyFile(run.installDir + stvef::kTemplate, e + stvef::kOneOffConfig),
          MakeReadOnly(e + stvef::kOwnConfig), MakeDirectory(e + stvef::kDemos)};
}

Steps UndoSTVEF(const DemoRun& run) {
  const std::string& e = run.dir;
  Steps steps = {DeleteFile(e + stvef::kOneOffConfig)};
  if (!run.ownDemo) steps.push_back(DeleteFile(e + stvef::kFixedDemo));
  if (!run.mod.empty()) steps.push_back(MakeNormal(e + "\\" + run.mod + stvef::kModConfig));
  steps.push_back(MakeNormal(e + stvef::kOwnConfig));
  return steps;
}

std::string STVEFCommandLine(const DemoRun& run) {
  return run.dir + stvef::kExecutable + " +set fs_basepath \"" + run.dir + "\" +exec Kalvenmarque" +
         (run.useMod ? "+set fs_Game " + run.mod : "");
}

std::string DemoProtocol(const std::string& header) {
  std::string text = header.substr(0, contract::kDemoHeaderBytes);
  text.resize(contract::kDemoHeaderBytes, ' ');
  const std::string marker = "\\protocol\\";
  const std::size_t at = text.find(marker);
  // Positions count from 1, as in the text the marker's search starts at: 10 and 11 are
  // the characters at 9 and 10 here.
  const std::size_t start = at == std::string::npos ? 9 : at + marker.size();
  return start + 2 <= text.size() ? text.substr(start, 2) : text.substr(start);
}

}  // namespace kalv
