#include "games/quake3/quake3_arena.h"

#include "games/quake3/conversion.h"
#include "games/quake3/quake3_files.h"
#include "games/quake3/quake3_plan.h"
#include "games/quake3/quake3_texts.h"
#include "games/quake3/release_store.h"
#include "games/setting_names.h"

namespace kalv {

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The release files are tried in name order; the first whose demo ending ends the demo
// path is the demo's release. A store that cannot be read is raised.
std::optional<Demo> ClaimQ3A(const Install& install, const std::string& path) {
  for (const Release& release : OrRaise(ReadReleases(install)))
    if (release.demoExt != release::kMissing && EndsWith(path, release.demoExt))
      return Demo{path, release};
  return std::nullopt;
}

}  // namespace

// An installation whose paks match no stored release is still an installation: it is
// reported as found without a version rather than leaving an earlier directory's caption.
GameState Q3AState(const Install& install, const std::string& dir) {
  GameState state = StateByFile(install, dir, q3a::kExecutable);
  if (!state.found()) return state;
  const std::optional<Release> installed = ReleaseOfPaks(install, dir);
  if (installed && !installed->version.empty()) {
    state.status = GameState::Status::FoundVersion;
    state.version = installed->version.substr(1);
  }
  return state;
}

const Game kQuake3Arena{
    GameCode::Q3A,
    "Q3A",
    "Quake 3 Arena",
    "Quake 3 Arena",
    setting::kQ3APath,
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Id\\Quake III Arena",
    "Installpath",
    {},
    nullptr,
    &ClaimQ3A,
    &Q3AState,
    &PlanQ3ARun,
    &Q3AJournalRules,
    &kQuake3Switcher,
    {q3text::kUnknownInstalled, q3text::kMissingStored, q3text::kOfferStore, q3text::kNotStored,
     q3text::kNotReplaced, q3text::kConversionError, q3text::kInsertCd},
};

}  // namespace kalv
