#include "games/quake3/conversion.h"

#include "games/quake3/quake3_arena.h"
#include "games/quake3/quake3_files.h"
#include "games/quake3/release_store.h"
#include "launcher/base/functions.h"
#include "launcher/base/texts.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

std::string Pak(const std::string& dir, int n, const char* ending) {
  return dir + "\\baseq3\\pak" + std::to_string(n) + ending;
}

void Notice(Program& program, const std::string& text, Icon icon) {
  program.platform.dialogs.MessageBox(text, kProgramTitle, icon, Buttons::Ok);
}

std::string NotReplaced(const std::string& installed, const Failure& failure) {
  return std::string(conversion::kNotReplaced) + installed + " (" + std::to_string(failure.number) +
         " " + failure.description + conversion::kNotReplacedAdvice;
}

// Whether an executable is byte for byte one of the releases the store holds.
bool IsStoredExecutable(Program& program, const std::string& executable) {
  for (const Release& stored : StoredReleases(program)) {
    const auto storedFiles = FilesOfVersion(program, stored.version);
    if (storedFiles &&
        SameContents(program.platform.files, storedFiles->storedExecutable, executable)
            .value_or(false))
      return true;
  }
  return false;
}

// Why the executable may not be replaced, as a message and as the file in the way;
// nothing when it may. An installed executable that cannot be read (the game runs) cannot
// be replaced either.
struct Refusal {
  std::string text;
  Leftover blocker;
};
std::optional<Refusal> ExecutableRefusal(Program& program, const std::string& dir,
                                         const ReleaseFiles& target, bool needNewest) {
  Files& files = program.platform.files;
  std::vector<std::string> needed = {target.storedExecutable};
  if (needNewest) {
    const auto newest = NewestRelease(program);
    const auto newestFiles = newest ? FilesOfVersion(program, newest->version) : std::nullopt;
    if (newestFiles) needed.push_back(newestFiles->storedExecutable);
  }
  for (const std::string& stored : needed)
    if (const Status readable = files.CanOpenForRead(stored); !readable.ok())
      return Refusal{MissingStoredExecutableText(stored), {stored, readable.failure()}};

  const std::string installed = dir + q3a::kInstalledExecutable;
  if (const Status readable = files.CanOpenForRead(installed); !readable.ok()) {
    const int number = readable.number();
    if (number == err::kFileNotFound || number == err::kPathNotFound) return std::nullopt;
    return Refusal{NotReplaced(installed, readable.failure()), {installed, readable.failure()}};
  }
  if (IsStoredExecutable(program, installed)) return std::nullopt;
  return Refusal{std::string(conversion::kUnknownInstalled) + installed +
                     conversion::kUnknownAdvice + ReleaseStore(program) +
                     conversion::kUnknownAdviceEnd,
                 {installed, Failure{err::kPathFileAccess, conversion::kNoStoredRelease}}};
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
SwitchResult CheckSwitch(Program& program, const std::string& dir, const std::string& version,
                         bool needNewest) {
  SwitchResult result;
  const auto target = FilesOfVersion(program, version);
  const Release targetRelease = target ? ReadRelease(program, target->releaseFile) : Release{};
  const auto newpak = PakNumber(targetRelease.newpak);
  const auto newestpak = PakNumber(targetRelease.newestpak);
  if (!target || !newpak || !newestpak) {
    result.outcome = SwitchResult::Unusable;
    return result;
  }
  result.shown = target->major + "." + target->minor;
  result.newest = targetRelease.newpak == targetRelease.newestpak;
  if (auto refusal = ExecutableRefusal(program, dir, *target, needNewest)) {
    result.outcome = SwitchResult::Refused;
    result.refusal = std::move(refusal->text);
    result.blocker = std::move(refusal->blocker);
    return result;
  }
  result.outcome = SwitchResult::Switched;
  result.storedExecutable = target->storedExecutable;
  result.pakSteps = PlanPakSwitch(dir, *newpak, *newestpak, result.newest);
  result.attributesBefore = AttributesBefore(program.platform.files, dir, *newestpak);
  return result;
}

// The executable is copied beside the installed one, flushed and moved over it in one
// step: a cut anywhere leaves a whole executable, the old one or the new one. Nothing is
// copied when the installed one is the stored one already.
Status ReplaceExecutable(Files& files, const std::string& stored, const std::string& installed) {
  // A copy a switch cut off left beside it goes first, whatever this switch does.
  const std::string beside = installed + q3a::kSwitchingSuffix;
  if (files.Length(beside)) {
    Skip(files.SetAttributes(beside, attr::kNormal));
    Skip(files.Delete(beside));
  }
  if (SameContents(files, stored, installed).value_or(false)) return Status::Ok();
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

SwitchResult SwitchRelease(Program& program, const std::string& dir, const std::string& version,
                           bool needNewest) {
  SwitchResult result = CheckSwitch(program, dir, version, needNewest);
  if (result.outcome != SwitchResult::Switched) return result;
  Files& files = program.platform.files;
  const std::string installed = dir + q3a::kInstalledExecutable;
  if (const Status replaced = ReplaceExecutable(files, result.storedExecutable, installed);
      !replaced) {
    result.outcome = SwitchResult::Refused;
    result.refusal = NotReplaced(installed, replaced.failure());
    result.blocker = {installed, replaced.failure()};
    return result;
  }
  ApplyEach(files, result.pakSteps);
  return result;
}

// Only an executable its paks vouch for is offered, and only for a release the store
// lacks: an unknown executable beside a stored one of its release is another build.
void OfferToStoreInstalled(Program& program, const std::string& dir) {
  Files& files = program.platform.files;
  const std::string installed = dir + q3a::kInstalledExecutable;
  if (!files.CanOpenForRead(installed) || IsStoredExecutable(program, installed)) return;
  const auto release = ReleaseOfPaks(program, dir);
  const auto target = release ? FilesOfVersion(program, release->version) : std::nullopt;
  if (!target || files.CanOpenForRead(target->storedExecutable)) return;
  const std::string question = conversion::kOfferStore + installed + conversion::kOfferRelease +
                               release->version + conversion::kOfferAs + target->storedExecutable +
                               conversion::kOfferEnd;
  if (program.platform.dialogs.MessageBox(question, kProgramTitle, Icon::Question,
                                          Buttons::YesNo) != Answer::Yes)
    return;
  // On the disk before the run replaces the installed one: it may be the only other copy.
  if (const Status copied = CopyFlushed(files, installed, target->storedExecutable); !copied)
    Notice(program,
           conversion::kNotStored + target->storedExecutable + " (" +
               std::to_string(copied.number()) + " " + copied.failure().description +
               conversion::kNotStoredAdvice,
           Icon::Critical);
}

bool SwitchToNewest(Program& program, const std::string& dir) {
  const auto newest = NewestRelease(program);
  return newest &&
         SwitchRelease(program, dir, newest->version, true).outcome == SwitchResult::Switched;
}

// Only an installation's own Quake3.exe is ever replaced: a folder without one is no
// Quake 3 installation (a switch never leaves it without one), and nothing is copied there.
std::optional<Leftover> SwitchBackToNewest(Program& program, const std::string& dir) {
  const std::string installed = dir + q3a::kInstalledExecutable;
  if (!program.platform.files.GetAttributes(installed)) return std::nullopt;
  const auto newest = NewestRelease(program);
  if (!newest) return Leftover{ReleaseStore(program), MakeFailure(err::kFileNotFound)};
  const SwitchResult result = SwitchRelease(program, dir, newest->version, true);
  if (result.outcome == SwitchResult::Switched) return std::nullopt;
  if (result.outcome == SwitchResult::Refused) return result.blocker;
  return Leftover{ReleaseStore(program) + "\\" + newest->file, MakeFailure(err::kFileNotFound)};
}

// After message 170 the conversion ends without touching a file (the choice the pak
// counts leave open).
bool Conversion(Program& program, bool loadup, const std::string& fileVersion) {
  std::string version;
  if (loadup) {
    version = ReadRelease(program, fileVersion).version;
  } else {
    const int selected = program.frmDemPla.comQ3.Selected();
    if (selected >= 0 && static_cast<std::size_t>(selected) < program.offeredReleases.size())
      version = program.offeredReleases[static_cast<std::size_t>(selected)].version;
    if (version.empty()) {
      if (const auto text = Localized(program, ids::kSelectVersion))
        Notice(program, *text, Icon::Information);
      return false;
    }
  }
  const std::string& dir = program.choices.dir(GameCode::Q3A);
  if (!loadup) OfferToStoreInstalled(program, dir);
  const SwitchResult result = SwitchRelease(program, dir, version, loadup);
  if (result.outcome == SwitchResult::Unusable) {
    if (const auto text = Localized(program, ids::kConversionError))
      Notice(program, *text, Icon::Critical);
    return false;
  }
  if (result.outcome == SwitchResult::Refused) {
    Notice(program, result.refusal, Icon::Critical);
    return false;
  }
  if (!loadup) {
    if (result.newest) {
      if (const auto text = Localized(program, ids::kConvertedToLatest))
        Notice(program, *text + " (v" + result.shown + ").", Icon::Information);
    } else if (const auto text = Localized(program, ids::kConvertedTo)) {
      Notice(program, *text + " v" + result.shown + ".", Icon::Information);
    }
  }
  DetectQ3A(program);
  return true;
}

void ConvertToSelected(Program& program) { Conversion(program, false, "None"); }

}  // namespace kalv
