#include "games/quake3/conversion.h"

#include "games/quake3/quake3_files.h"
#include "games/quake3/quake3_texts.h"
#include "games/quake3/release_store.h"

namespace kalv {

namespace {

std::string Pak(const std::string& dir, int n, const char* ending) {
  return dir + "\\baseq3\\pak" + std::to_string(n) + ending;
}

std::string Why(const Failure& failure) {
  return std::to_string(failure.number) + " " + failure.description;
}

// Whether an executable is byte for byte one of the releases the store holds. Sizes are
// compared first: each file is read at most once, and only against a stored one of its size.
bool IsStoredExecutable(const Install& install, const std::string& executable) {
  const auto length = install.files.Length(executable);
  for (const Release& stored : StoredReleases(install)) {
    const auto storedFiles = FilesOfVersion(install, stored.version);
    if (!storedFiles) continue;
    const auto storedLength = install.files.Length(storedFiles->storedExecutable);
    if (length && storedLength && length.value() != storedLength.value()) continue;
    if (install.SameContents(storedFiles->storedExecutable, executable).value_or(false))
      return true;
  }
  return false;
}

// Why the executable may not be replaced, as a message and as the file in the way;
// nothing when it may. An installed executable that cannot be read (the game runs) cannot
// be replaced either.
struct Refusal {
  Notice notice;
  Leftover blocker;
};
std::optional<Refusal> ExecutableRefusal(const Install& install, const std::string& dir,
                                         const ReleaseFiles& target, bool needNewest) {
  Files& files = install.files;
  std::vector<std::string> needed = {target.storedExecutable};
  if (needNewest) {
    const auto newest = NewestRelease(install);
    const auto newestFiles = newest ? FilesOfVersion(install, newest->version) : std::nullopt;
    if (newestFiles) needed.push_back(newestFiles->storedExecutable);
  }
  for (const std::string& stored : needed)
    if (const Status readable = files.CanOpenForRead(stored); !readable.ok())
      return Refusal{MissingStoredExecutable(stored), {stored, readable.failure()}};

  const std::string installed = dir + q3a::kInstalledExecutable;
  if (const Status readable = files.CanOpenForRead(installed); !readable.ok()) {
    const int number = readable.number();
    if (number == err::kFileNotFound || number == err::kPathNotFound) return std::nullopt;
    return Refusal{Message(q3text::kNotReplaced, {installed, Why(readable.failure())}),
                   {installed, readable.failure()}};
  }
  if (IsStoredExecutable(install, installed)) return std::nullopt;
  return Refusal{Message(q3text::kUnknownInstalled, {installed, ReleaseStore(install)}),
                 {installed, Failure{err::kPathFileAccess, q3text::kNoStoredRelease}}};
}

// A pak the user made read-only or hidden is one again after the run.
Steps AttributesBefore(Files& files, const std::string& dir, int newestpak) {
  Steps steps;
  auto keep = [&](const std::string& path, const Result<std::uint32_t>& attributes) {
    if (attributes) steps.push_back(SetAttributes(path, attributes.value() & attr::kSettable));
  };
  keep(dir + q3a::kInstalledExecutable, files.GetAttributes(dir + q3a::kInstalledExecutable));
  for (int n = 1; n <= newestpak; ++n) {
    auto attributes = files.GetAttributes(Pak(dir, n, ".pk3"));
    keep(Pak(dir, n, ".pk3"), attributes ? attributes : files.GetAttributes(Pak(dir, n, ".bak")));
  }
  return steps;
}

std::optional<Notice> SwitchTo(const Install& install, const std::string& dir,
                               const Release& release) {
  const SwitchResult result = SwitchRelease(install, dir, release.version, true);
  if (result.outcome == SwitchResult::Switched) return std::nullopt;
  return SwitchNotice(result);
}

}  // namespace

std::optional<int> PakNumber(const std::string& text) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  for (char c : text)
    if (c < '0' || c > '9') return std::nullopt;
  return std::stoi(text);
}

Steps PlanPakSwitch(const std::string& dir, int newpak, int newestpak, bool newest) {
  Steps steps;
  for (int n = 1; n <= newestpak; ++n) {
    steps.push_back(MakeNormal(Pak(dir, n, ".pk3")));
    steps.push_back(MakeNormal(Pak(dir, n, ".bak")));
  }
  // A ".bak" whose ".pk3" is also there stays a ".bak": the rename finds the name taken.
  for (int n = 1; n <= newestpak; ++n)
    steps.push_back(RenameFile(Pak(dir, n, ".bak"), Pak(dir, n, ".pk3")));
  if (!newest)
    for (int n = newpak + 1; n <= newestpak; ++n)
      steps.push_back(RenameFile(Pak(dir, n, ".pk3"), Pak(dir, n, ".bak")));
  return steps;
}

// Everything that could make the switch fail is looked at before anything changes, so
// an installation is never left with an executable it cannot get back. An unusable
// release file stops the switch before it touches a file: the pak counts are unknown.
SwitchResult CheckSwitch(const Install& install, const std::string& dir, const std::string& version,
                         bool needNewest) {
  SwitchResult result;
  const auto target = FilesOfVersion(install, version);
  const Release targetRelease = target ? ReadRelease(install, target->releaseFile) : Release{};
  const auto newpak = PakNumber(targetRelease.newpak);
  const auto newestpak = PakNumber(targetRelease.newestpak);
  if (!target || !newpak || !newestpak) {
    result.outcome = SwitchResult::Unusable;
    return result;
  }
  result.shown = target->major + "." + target->minor;
  result.newest = targetRelease.newpak == targetRelease.newestpak;
  if (auto refusal = ExecutableRefusal(install, dir, *target, needNewest)) {
    result.outcome = SwitchResult::Refused;
    result.refusal = std::move(refusal->notice);
    result.blocker = std::move(refusal->blocker);
    return result;
  }
  result.outcome = SwitchResult::Switched;
  result.storedExecutable = target->storedExecutable;
  result.pakSteps = PlanPakSwitch(dir, *newpak, *newestpak, result.newest);
  result.attributesBefore = AttributesBefore(install.files, dir, *newestpak);
  return result;
}

Notice SwitchNotice(const SwitchResult& result) {
  if (result.outcome == SwitchResult::Refused && result.refusal) return *result.refusal;
  return Message(q3text::kConversionError);
}

// The executable is copied beside the installed one, flushed and moved over it in one
// step: a cut anywhere leaves a whole executable, the old one or the new one. Nothing is
// copied when the installed one is the stored one already.
Status ReplaceExecutable(const Install& install, const std::string& stored,
                         const std::string& installed) {
  Files& files = install.files;
  // A copy a switch cut off left beside it goes first, whatever this switch does.
  const std::string beside = installed + q3a::kSwitchingSuffix;
  if (files.Length(beside)) {
    Skip(files.SetAttributes(beside, attr::kNormal));
    Skip(files.Delete(beside));
  }
  const auto storedLength = files.Length(stored);
  const auto installedLength = files.Length(installed);
  const bool sameSize =
      storedLength && installedLength && storedLength.value() == installedLength.value();
  if (sameSize && install.SameContents(stored, installed).value_or(false)) return Status::Ok();
  Status done = CopyFlushed(files, stored, beside);
  if (done) {
    Skip(files.SetAttributes(installed, attr::kNormal));
    done = files.Replace(beside, installed);
  }
  if (!done) {
    Skip(files.SetAttributes(beside, attr::kNormal));
    Skip(files.Delete(beside));
  }
  return done;
}

SwitchResult SwitchRelease(const Install& install, const std::string& dir,
                           const std::string& version, bool needNewest) {
  SwitchResult result = CheckSwitch(install, dir, version, needNewest);
  if (result.outcome != SwitchResult::Switched) return result;
  Files& files = install.files;
  const std::string installed = dir + q3a::kInstalledExecutable;
  if (const Status replaced = ReplaceExecutable(install, result.storedExecutable, installed);
      !replaced) {
    result.outcome = SwitchResult::Refused;
    result.refusal = Message(q3text::kNotReplaced, {installed, Why(replaced.failure())});
    result.blocker = {installed, replaced.failure()};
    return result;
  }
  ApplyEach(files, result.pakSteps);
  return result;
}

// Only an executable its paks vouch for is offered, and only for a release the store
// lacks: an unknown executable beside a stored one of its release is another build.
std::optional<StoreOffer> StoreOfferFor(const Install& install, const std::string& dir) {
  const std::string installed = dir + q3a::kInstalledExecutable;
  if (!install.Has(installed) || IsStoredExecutable(install, installed)) return std::nullopt;
  const auto release = ReleaseOfPaks(install, dir);
  const auto target = release ? FilesOfVersion(install, release->version) : std::nullopt;
  if (!target || install.Has(target->storedExecutable)) return std::nullopt;
  return StoreOffer{
      installed, target->storedExecutable,
      Message(q3text::kOfferStore, {installed, release->version, target->storedExecutable}),
      q3text::kNotStored};
}

// On the disk before the run replaces the installed one: it may be the only other copy.
std::optional<Notice> MakeStoreCopy(const Install& install, const StoreOffer& offer) {
  if (const Status copied = CopyFlushed(install.files, offer.installed, offer.stored); !copied)
    return Message(q3text::kNotStored, {offer.stored, Why(copied.failure())});
  return std::nullopt;
}

bool SwitchToNewest(const Install& install, const std::string& dir) {
  const auto newest = NewestRelease(install);
  return newest &&
         SwitchRelease(install, dir, newest->version, true).outcome == SwitchResult::Switched;
}

// A Quake3.exe that went missing during the run is the newest release's again afterwards.
SwitchedBack SwitchBackToNewest(const Install& install, const std::string& dir) {
  SwitchedBack back;
  const auto newest = NewestRelease(install);
  if (!newest) {
    back.left = Leftover{ReleaseStore(install), MakeFailure(err::kFileNotFound)};
    back.notice = Message(q3text::kConversionError);
    return back;
  }
  const SwitchResult result = SwitchRelease(install, dir, newest->version, true);
  if (result.outcome == SwitchResult::Switched) return back;
  back.notice = SwitchNotice(result);
  back.left =
      result.outcome == SwitchResult::Refused
          ? result.blocker
          : Leftover{ReleaseStore(install) + "\\" + newest->file, MakeFailure(err::kFileNotFound)};
  return back;
}

const ReleaseSwitcher kQuake3Switcher{&SwitchTo, &SwitchBackToNewest};

}  // namespace kalv
