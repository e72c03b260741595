// The release store: the release files ("*.Vrk") and stored executables of the Quake 3
// Arena point releases in the player's Versions folder.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "games/install.h"
#include "games/release.h"
#include "platform/failure.h"

namespace kalv {

// The release store below the player's folder and the keys of its release files.
namespace release {
constexpr const char* kFolder = "\\Versions";
constexpr const char* kPattern = "*.Vrk";
constexpr const char* kSection = "Quake 3 Arena Version";
constexpr const char* kMissing = "Error";  // what an absent key or file reads as
constexpr const char* kVersion = "Version";
constexpr const char* kDemoExt = "DemoExt";
constexpr const char* kNewpak = "newpak";
constexpr const char* kNewestpak = "newestpak";
// A stored executable's name: this and the release's major and minor ("Quake3.127h").
constexpr const char* kStoredExecutable = "Quake3.";
// The release list's entries: this prefix and the "Version" value.
constexpr const char* kListPrefix = "Quake 3 Arena ";
}  // namespace release

// The store's folder: the player's folder + "\Versions".
std::string ReleaseStore(const Install& install);

// The release file named file in the store, every key as it reads ("Error" when absent).
Release ReadRelease(const Install& install, const std::string& file);

// The store's release files in name order, as they read. A missing store is a failure (76).
Result<std::vector<Release>> ReadReleases(const Install& install);

// The store's release files in name order, as they read; none for a missing store.
std::vector<Release> StoredReleases(const Install& install);

// The release of a demo's path: the first of the releases (in name order) whose demo
// ending ends it.
std::optional<Release> ReleaseOfEnding(const std::vector<Release>& releases,
                                       const std::string& path);

// The release an installation's paks say it is: the last stored release whose highest pak
// is present. Nothing when none is.
std::optional<Release> ReleaseOfPaks(const Install& install, const std::string& dir);

// The newest stored release: the last release file in name order. Nothing for an empty
// or missing store.
std::optional<Release> NewestRelease(const Install& install);

// The release file and stored executable of a release named by a "Version"-style text:
// major is the one character before its first ".", minor the up to three after it
// ("v1.27h" gives v1_27h.Vrk and Quake3.127h). Nothing when the text has no "." with a
// character before it.
struct ReleaseFiles {
  std::string major, minor;
  std::string releaseFile;       // "v1_27h.Vrk"
  std::string storedExecutable;  // full path of "Quake3.127h" in the store
};
std::optional<ReleaseFiles> FilesOfVersion(const Install& install, const std::string& version);

// The message for a stored executable at this path that is missing: the release it
// belongs to, the store's folder to copy the release's Quake3.exe into and the name to
// give the copy.
struct Notice;
Notice MissingStoredExecutable(const std::string& storedExecutable);

}  // namespace kalv
