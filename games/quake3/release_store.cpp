#include "games/quake3/release_store.h"

#include "games/quake3/quake3_texts.h"
#include "games/run_plan.h"

namespace kalv {

std::string ReleaseStore(const Install& install) { return install.PlayerDir() + release::kFolder; }

Release ReadRelease(const Install& install, const std::string& file) {
  const std::string path = ReleaseStore(install) + "\\" + file;
  const auto read = [&] {
    const std::vector<std::string> values = install.profile.ReadStrings(
        path, release::kSection,
        {release::kVersion, release::kDemoExt, release::kNewpak, release::kNewestpak},
        release::kMissing);
    return Release{file, values[0], values[1], values[2], values[3]};
  };
  return install.memo ? install.memo->ReleaseFile(install.files, path, read) : read();
}

Result<std::vector<Release>> ReadReleases(const Install& install) {
  Files& files = install.files;
  auto store = files.FullDirectoryPath(ReleaseStore(install));
  if (!store) return store.failure();
  auto names = install.List(store.value(), release::kPattern);
  if (!names) return names.failure();
  std::vector<Release> releases;
  for (const std::string& name : names.value()) releases.push_back(ReadRelease(install, name));
  return releases;
}

std::vector<Release> StoredReleases(const Install& install) {
  return ReadReleases(install).value_or(std::vector<Release>{});
}

std::optional<Release> ReleaseOfEnding(const std::vector<Release>& releases,
                                       const std::string& path) {
  for (const Release& release : releases) {
    const std::string& ending = release.demoExt;
    if (ending != release::kMissing && path.size() >= ending.size() &&
        path.compare(path.size() - ending.size(), ending.size(), ending) == 0)
      return release;
  }
  return std::nullopt;
}

std::optional<Release> ReleaseOfPaks(const Install& install, const std::string& dir) {
  std::optional<Release> found;
  for (const Release& r : StoredReleases(install))
    if (r.version != release::kMissing && install.Has(dir + "\\baseq3\\pak" + r.newpak + ".pk3"))
      found = r;
  return found;
}

std::optional<Release> NewestRelease(const Install& install) {
  auto names = install.List(ReleaseStore(install), release::kPattern);
  if (!names || names.value().empty()) return std::nullopt;
  return ReadRelease(install, names.value().back());
}

std::optional<ReleaseFiles> FilesOfVersion(const Install& install, const std::string& version) {
  const std::size_t dot = version.find('.');
  if (dot == std::string::npos || dot == 0) return std::nullopt;
  ReleaseFiles files;
  files.major = version.substr(dot - 1, 1);
  files.minor = version.substr(dot + 1, 3);
  files.releaseFile = "v" + files.major + "_" + files.minor + ".Vrk";
  files.storedExecutable =
      ReleaseStore(install) + "\\" + release::kStoredExecutable + files.major + files.minor;
  return files;
}

// The release is read back from the name FilesOfVersion gave the file ("Quake3.127h" is
// v1.27h).
Notice MissingStoredExecutable(const std::string& storedExecutable) {
  const std::size_t slash = storedExecutable.rfind('\\');
  const std::string folder = slash == std::string::npos ? "" : storedExecutable.substr(0, slash);
  const std::string name = storedExecutable.substr(slash == std::string::npos ? 0 : slash + 1);
  const std::string prefix = release::kStoredExecutable;
  std::string version = name;
  if (name.size() > prefix.size() + 1 && name.compare(0, prefix.size(), prefix) == 0)
    version = "v" + name.substr(prefix.size(), 1) + "." + name.substr(prefix.size() + 1);
  return Message(q3text::kMissingStored, {version, folder, name});
}

}  // namespace kalv
