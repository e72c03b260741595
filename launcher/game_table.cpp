#include "launcher/game_table.h"

#include "games/other/half_life/half_life.h"
#include "games/other/half_life/half_life_plan.h"
#include "games/other/quake1/quake1.h"
#include "games/other/quake1/quake1_plan.h"
#include "games/other/half_life/half_life_files.h"
#include "games/other/quake1/quake1_files.h"
#include "games/other/quake2/quake2.h"
#include "games/other/quake2/quake2_files.h"
#include "games/other/unreal_tournament/unreal_tournament_files.h"
#include "games/quake3/elite_force/elite_force_files.h"
#include "games/quake3/quake3_files.h"
#include "games/other/quake2/quake2_plan.h"
#include "games/other/unreal_tournament/unreal_tournament.h"
#include "games/other/unreal_tournament/unreal_tournament_plan.h"
#include "games/quake3/elite_force/elite_force.h"
#include "games/quake3/elite_force/elite_force_plan.h"
#include "games/quake3/quake3_arena.h"
#include "games/quake3/quake3_plan.h"
#include "launcher/base/program.h"
#include "launcher/base/setting_names.h"
#include "launcher/base/texts.h"

namespace kalv {

namespace {

using O = ui::frmOptions;

// A game's run: its installation read, then planned.
template <typename Facts, Facts (*Read)(Program&, const Choices&, const Demo&),
          RunPlan (*Plan)(const Choices&, const Demo&, const Facts&)>
RunPlan ReadAndPlan(Program& program, const Choices& choices, const Demo& demo) {
  return Plan(choices, demo, Read(program, choices, demo));
}

GameTable MakeGames() {
  return GameTable{{
      {GameCode::Q3A, game::kQ3A, name::kQ3A, setting::kQ3APath, &O::txtQ3APath, &O::cmdBrowseQ3A,
       "HKEY_LOCAL_MACHINE\\SOFTWARE\\Id\\Quake III Arena", "Installpath", &DetectQ3A,
       &BrowseQ3AFolder, &ReadAndPlan<Q3AFacts, ReadQ3AFacts, PlanQ3A>, &Q3AJournalRules},
      {GameCode::HL, game::kHL, name::kHL, setting::kHLPath, &O::txtHLPath, &O::cmdBrowseHL,
       "HKEY_LOCAL_MACHINE\\SOFTWARE\\Sierra OnLine\\Setup\\HALFLIFE", "Directory", &DetectHL,
       &BrowseHLFolder, &ReadAndPlan<HLFacts, ReadHLFacts, PlanHL>, &HLJournalRules},
      {GameCode::STVEF, game::kSTVEF, name::kSTVEF, setting::kSTVEFPath, &O::txtSTVEFPath,
       &O::cmdBrowseSTVEF,
       "HKEY_LOCAL_MACHINE\\SOFTWARE\\Activision\\Star Trek: Voyager - Elite Force\\v1.0",
       "INSTALLPATH", &DetectSTVEF, &BrowseSTVEFFolder,
       &ReadAndPlan<STVEFFacts, ReadSTVEFFacts, PlanSTVEF>, &STVEFJournalRules},
      {GameCode::Q1, game::kQ1, name::kQ1, setting::kQ1Path, &O::txtQ1Path, &O::cmdBrowseQ1, "", "",
       &DetectQ1, &BrowseQ1Folder, &ReadAndPlan<Q1Facts, ReadQ1Facts, PlanQ1>, &Q1JournalRules},
      {GameCode::Q2, game::kQ2, name::kQ2, setting::kQ2Path, &O::txtQ2Path, &O::cmdBrowseQ2, "", "",
       &DetectQ2, &BrowseQ2Folder, &ReadAndPlan<Q2Facts, ReadQ2Facts, PlanQ2>, &q2::Rules},
      {GameCode::UT, game::kUT, name::kUT, setting::kUTPath, &O::txtUTPath, &O::cmdBrowseUT, "", "",
       &DetectUT, &BrowseUTFolder, &ReadAndPlan<UTFacts, ReadUTFacts, PlanUT>, &UTJournalRules},
  }};
}

}  // namespace

const GameTable& Games() {
  static const GameTable games = MakeGames();
  return games;
}

}  // namespace kalv
