#include "games/quake3/release_store.h"

#include "launcher/base/texts.h"

namespace kalv {

namespace {

std::string Key(Program& program, const std::string& path, const char* key) {
  return program.platform.profile.ReadString(path, release::kSection, key, release::kMissing);
}

}  // namespace

std::string ReleaseStore(Program& program) {
  return program.platform.system.ProgramDirectory() + release::kFolder;
}

Release ReadRelease(Program& program, const std::string& file) {
  const std::string path = ReleaseStore(program) + "\\" + file;
  return Release{file, Key(program, path, release::kVersion), Key(program, path, release::kDemoExt),
                 Key(program, path, release::kNewpak), Key(program, path, release::kNewestpak)};
}

Result<std::vector<Release>> ReadReleases(Program& program, ui::FileList& list) {
  if (Status listed = list.SetPath(ReleaseStore(program)); !listed) return listed.failure();
  std::vector<Release> releases;
  for (int i = 0; i < list.Count(); ++i) {
    list.Select(i);
    releases.push_back(ReadRelease(program, list.FileName()));
  }
  return releases;
}

// Listed afresh, so the answer never depends on what a list control last selected.
std::optional<Release> NewestRelease(Program& program) {
  auto names = program.platform.files.List(ReleaseStore(program), release::kPattern);
  if (!names || names.value().empty()) return std::nullopt;
  return ReadRelease(program, names.value().back());
}

std::optional<ReleaseFiles> FilesOfVersion(Program& program, const std::string& version) {
  const std::size_t dot = version.find('.');
  if (dot == std::string::npos || dot == 0) return std::nullopt;
  ReleaseFiles files;
  files.major = version.substr(dot - 1, 1);
  files.minor = version.substr(dot + 1, 3);
  files.releaseFile = "v" + files.major + "_" + files.minor + ".Vrk";
  files.storedExecutable = ReleaseStore(program) + "\\Quake3." + files.major + files.minor;
  return files;
}

}  // namespace kalv
