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

Result<std::vector<Release>> ReadReleases(Program& program) {
  Files& files = program.platform.files;
  auto store = files.FullDirectoryPath(ReleaseStore(program));
  if (!store) return store.failure();
  auto names = files.List(store.value(), release::kPattern);
  if (!names) return names.failure();
  std::vector<Release> releases;
  for (const std::string& name : names.value()) releases.push_back(ReadRelease(program, name));
  return releases;
}

std::vector<Release> StoredReleases(Program& program) {
  return ReadReleases(program).value_or(std::vector<Release>{});
}

std::optional<Release> ReleaseOfPaks(Program& program, const std::string& dir) {
  std::optional<Release> found;
  for (const Release& r : StoredReleases(program))
    if (r.version != release::kMissing &&
        program.platform.files.CanOpenForRead(dir + "\\baseq3\\pak" + r.newpak + ".pk3"))
      found = r;
  return found;
}

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
  files.storedExecutable =
      ReleaseStore(program) + "\\" + release::kStoredExecutable + files.major + files.minor;
  return files;
}

// The release is read back from the name FilesOfVersion gave the file ("Quake3.127h" is
// v1.27h).
std::string MissingStoredExecutableText(const std::string& storedExecutable) {
  const std::size_t slash = storedExecutable.rfind('\\');
  const std::string folder = slash == std::string::npos ? "" : storedExecutable.substr(0, slash);
  const std::string name = storedExecutable.substr(slash == std::string::npos ? 0 : slash + 1);
  const std::string prefix = release::kStoredExecutable;
  std::string version = name;
  if (name.size() > prefix.size() + 1 && name.compare(0, prefix.size(), prefix) == 0)
    version = "v" + name.substr(prefix.size(), 1) + "." + name.substr(prefix.size() + 1);
  return conversion::kMissingStored + version + conversion::kMissingStoredCopy + version +
         conversion::kMissingStoredInto + folder + conversion::kMissingStoredName + name +
         conversion::kMissingStoredEnd;
}

}  // namespace kalv
