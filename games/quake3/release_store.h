// The release store: the release files ("*.Vrk") and stored executables of the Quake 3
// Arena point releases in the install directory's Versions folder.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "launcher/base/program.h"
#include "launcher/base/release.h"

namespace kalv {

// The store's folder: the install directory + "\Versions".
std::string ReleaseStore(Program& program);

// The release file named file in the store, every key as it reads ("Error" when absent).
Release ReadRelease(Program& program, const std::string& file);

// The store's release files in name order, as they read. A missing store is a failure (76).
Result<std::vector<Release>> ReadReleases(Program& program);

// The store's release files in name order, as they read; none for a missing store.
std::vector<Release> StoredReleases(Program& program);

// The release an installation's paks say it is: the last stored release whose highest pak
// is present. Nothing when none is.
std::optional<Release> ReleaseOfPaks(Program& program, const std::string& dir);

// The newest stored release: the last release file in name order. Nothing for an empty
// or missing store.
std::optional<Release> NewestRelease(Program& program);

// The release file and stored executable of a release named by a "Version"-style text:
// major is the one character before its first ".", minor the up to three after it
// ("v1.27h" gives v1_27h.Vrk and Quake3.127h). Nothing when the text has no "." with a
// character before it.
struct ReleaseFiles {
  std::string major, minor;
  std::string releaseFile;       // "v1_27h.Vrk"
  std::string storedExecutable;  // full path of "Quake3.127h" in the store
};
std::optional<ReleaseFiles> FilesOfVersion(Program& program, const std::string& version);

// What a switch says when the stored executable at this path is missing, in English: the
// release it belongs to, the store's folder to copy the release's Quake3.exe into and the
// name to give the copy.
std::string MissingStoredExecutableText(const std::string& storedExecutable);

}  // namespace kalv
