#include "games/quake3/quake3_arena.h"

#include "games/game_status.h"
#include "launcher/functions.h"

namespace kalv {

namespace {

const char* const kReleaseSection = "Quake 3 Arena Version";
const char* const kReleaseMissing = "Error";  // what an absent key or file reads as

const char* const kGame = "Quake 3 Arena";
const char* const kNoMod = " /";

void EnableQ3AControls(Program& program, bool enabled) {
  program.frmDemPla.cmdConvert.SetEnabled(enabled);
  program.frmDemPla.cmdQuake3Arena.SetEnabled(enabled);
  program.frmOptions.cmdBrowseQ3A_Mod.SetEnabled(enabled);
}

std::string JoinPath(const std::string& dir, const std::string& name) {
  return !dir.empty() && dir.back() == '\\' ? dir + name : dir + "\\" + name;
}

// The stored release whose highest pak is present, the last in name order; "" for none.
std::string InstalledRelease(Program& program) {
  ui::FileList& releases = program.frmDemPla.lstFiles;
  Skip(releases.SetPath(program.platform.system.ProgramDirectory() + "\\Versions"));
  std::string version;
  for (int i = 0; i < releases.Count(); ++i) {
    releases.Select(i);
    const std::string file = JoinPath(releases.Path(), releases.FileName());
    const std::string newpak =
        program.platform.profile.ReadString(file, kReleaseSection, "newpak", kReleaseMissing);
    if (!FileExists(program, program.q3aDir + "\\baseq3\\pak" + newpak + ".pk3")) continue;
    const std::string found =
        program.platform.profile.ReadString(file, kReleaseSection, "Version", kReleaseMissing);
    // A release file without its version names no release at all.
    if (found != kReleaseMissing) version = found;
  }
  return version;
}

}  // namespace

// An installation whose paks match no stored release is still an installation: it is
// reported as found without a version rather than leaving an earlier directory's caption.
void DetectQ3A(Program& program) {
  ui::frmDemPla& main = program.frmDemPla;
  ui::frmOptions& options = program.frmOptions;
  const std::string dir = options.txtQ3APath.Text();
  if (dir.size() < kShortestGamePath) {
    ShowGameStatus(program, main.lblQ3AStatus, options.lblQ3AStatus, kGame, status::kNotInstalled);
    EnableQ3AControls(program, false);
    options.chkModQ3A.SetEnabled(false);
    return;
  }
  if (!FileExists(program, dir + "\\quake3.exe")) {
    EnableQ3AControls(program, false);
    options.chkModQ3A.SetEnabled(false);
    ShowGameStatus(program, main.lblQ3AStatus, options.lblQ3AStatus, kGame, status::kNotFound);
    return;
  }
  program.q3aDir = dir;
  const std::string version = InstalledRelease(program);
  EnableQ3AControls(program, true);
  if (options.lblModQ3A.Caption() != kNoMod) options.chkModQ3A.SetEnabled(true);
  if (version.empty())
    ShowGameStatus(program, main.lblQ3AStatus, options.lblQ3AStatus, kGame, status::kFound);
  else
    ShowGameStatus(program, main.lblQ3AStatus, options.lblQ3AStatus, kGame,
                   status::kFoundVersion, version.substr(1));
}

std::string BrowseQ3AFolder(Program& program, ui::Window& owner, const std::string& title) {
  return BrowseGameFolder(program, owner, title, program.frmOptions.txtQ3APath);
}

std::string BrowseQ3AMod(Program& program, ui::Window& owner, const std::string& title) {
  ui::frmOptions& o = program.frmOptions;
  return BrowseGameMod(program, owner, title,
                       {o.txtQ3APath, o.lblModQ3A, o.lblModNameQ3A, o.chkModQ3A});
}

}  // namespace kalv
