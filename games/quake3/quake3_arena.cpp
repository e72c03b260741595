#include "games/quake3/quake3_arena.h"

#include "games/quake3/conversion.h"
#include "games/quake3/quake3_files.h"
#include "games/quake3/quake3_plan.h"
#include "games/quake3/quake3_texts.h"
#include "games/quake3/release_store.h"
#include "games/engine_demo_length.h"
#include "games/setting_names.h"

namespace kalv {

namespace {

// A store that cannot be read is raised.
std::optional<Demo> ClaimQ3A(const Install& install, const std::string& path) {
  const std::optional<Release> release = ReleaseOfEnding(OrRaise(ReadReleases(install)), path);
  if (!release) return std::nullopt;
  return Demo{path, *release};
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
    &Q3ANeeds,
    &PlanQ3ARun,
    &Q3AJournalRules,
    &kQuake3Switcher,
    {q3text::kUnknownInstalled, q3text::kMissingStored, q3text::kOfferStore, q3text::kNotStored,
     q3text::kNotReplaced, q3text::kConversionError, q3text::kInsertCd},
    &Q3ARelease,
    &ReadEngineDemoLength,
};

}  // namespace kalv
