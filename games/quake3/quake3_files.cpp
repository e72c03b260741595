#include "games/quake3/quake3_files.h"

namespace kalv {

const JournalRules& Q3AJournalRules() {
  static const JournalRules rules{"Q3A",
                                  {{q3a::kOneOffConfig, FileRole::Made},
                                   {"\\baseq3\\demos\\Kalvenmarque.*", FileRole::Made},
                                   {q3a::kOwnConfig, FileRole::Protected},
                                   {"\\*\\q3config.cfg", FileRole::Protected},
                                   {q3a::kInstalledExecutable, FileRole::Switched},
                                   {"\\baseq3\\pak*.pk3", FileRole::Switched}},
                                  true};
  return rules;
}

std::string Q3AFixedDemo(const DemoRun& run) { return run.dir + q3a::kFixedDemo + run.demoExt; }

Steps PrepareQ3A(const DemoRun& run, bool fullInstallation) {
  const std::string& d = run.dir;
  Steps steps = {MakeNormal(d + q3a::kOneOffConfig),
                 CopyFile(run.installDir + q3a::kTemplate, d + q3a::kOneOffConfig),
                 MakeReadOnly(d + q3a::kOwnConfig)};
  if (fullInstallation) steps.push_back(MakeDirectory(d + q3a::kDemos));
  return steps;
}

Steps UndoQ3A(const DemoRun& run) {
  const std::string& d = run.dir;
  Steps steps = {DeleteFile(d + q3a::kOneOffConfig)};
  if (!run.ownDemo) steps.push_back(DeleteFile(Q3AFixedDemo(run)));
  if (!run.mod.empty()) steps.push_back(MakeNormal(d + "\\" + run.mod + q3a::kModConfig));
  steps.push_back(MakeNormal(d + q3a::kOwnConfig));
  return steps;
}

std::string Q3ADemoCommandLine(const DemoRun& run, const std::string& cdDrive) {
  const std::string& d = run.dir;
  if (cdDrive.empty())
    return d + q3a::kExecutable + " +set fs_basepath \"" + d + "\" +exec Kalvenmarque" +
           (run.useMod ? "+set fs_Game " + run.mod : "");
  const auto [before, after] = Q3ACdCommandLine(run);
  return before + cdDrive + after;
}

std::pair<std::string, std::string> Q3ACdCommandLine(const DemoRun& run) {
  const std::string& d = run.dir;
  return {d + q3a::kExecutable + " +set fs_cdpath \"",
          ":\" +exec Kalvenmarque +set fs_basepath \"" + d + "\"" +
              (run.useMod ? " +set fs_Game " + run.mod : "")};
}

std::string Q3ALaunchCommandLine(const std::string& dir, const std::string& cdDrive) {
  const std::string exe = dir + q3a::kExecutable;
  if (cdDrive.empty()) return exe + " +set fs_basepath \"" + dir + "\"";
  return exe + " +set fs_cdpath \"" + cdDrive + ":\" +set fs_basepath \"" + dir + "\"";
}

}  // namespace kalv
