#include "games/other/quake1/quake1.h"

#include "core/contracts.h"
#include "games/other/quake1/quake1_demo.h"
#include "games/other/quake1/quake1_files.h"
#include "games/other/quake1/quake1_plan.h"
#include "core/demo_types.h"
#include "games/setting_names.h"

namespace kalv {

GameState Q1State(const Install& install, const std::string& dir) {
  GameState state = StateByFile(install, dir, q1::kPak0);
  if (state.found()) state.executables = install.files.List(dir, "*.exe").value_or({});
  return state;
}

// Whatever a short file leaves of the header is blanks, which hold none of the markers
// looked for.
bool IsQuake1Demo(std::string_view head) {
  std::string header(head.substr(0, contract::kDemoHeaderBytes));
  header.resize(contract::kDemoHeaderBytes, ' ');
  const std::size_t dot = header.find(".bs");
  const std::string map =
      dot == std::string::npos ? header.substr(0, 3) : header.substr(dot + 1, 3);
  return map == "bsp" || ReadQuake1Demo(head).has_value();
}

const Game kQuake1{
    GameCode::Q1,
    "Q1",
    "Quake 1",
    "Quake 1",
    setting::kQ1Path,
    "",
    "",
    EndingsOfType("Kalvenmarque.HL"),
    &IsQuake1Demo,
    nullptr,
    &Q1State,
    &Q1Needs,
    &PlanQ1Run,
    &Q1JournalRules,
    nullptr,
    {},
};

}  // namespace kalv
