// The six games as one table: what start-up, the options window, the language switch, the
// dispatcher and the wait for a game look up per game. The games' operations live above
// this layer, so the launcher hands the table to the program (Program::games).
#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/journal_check.h"
#include "ui/controls.h"
#include "ui/options_window.h"

namespace kalv {

struct Program;
struct Choices;
struct Demo;
struct RunPlan;

// In the order of the table, which is the order start-up reads the directories and the
// language switch runs the detections.
enum class GameCode { Q3A, HL, STVEF, Q1, Q2, UT };
constexpr std::size_t kGameCount = 6;

struct Game {
  using Operation = std::function<void(Program&)>;
  using Browse = std::function<std::string(Program&, ui::Window& owner, const std::string& title)>;

  GameCode code;
  const char* codeText;                  // "Q3A": its code in the restore journal
  const char* name;                      // the game in messages and browse titles ("Quake 3 Arena")
  const char* dirSetting;                // the setting of its directory
  ui::TextBox ui::frmOptions::*pathBox;  // the options window's path box
  ui::Button ui::frmOptions::*browseButton;
  // The game's own installer entry, read once on the very first run ("" for none).
  const char* installerKey;
  const char* installerValue;
  Operation detect;
  Browse browse;
  // The run of a demo of the game, read from its installation and planned.
  std::function<RunPlan(Program&, const Choices&, const Demo&)> plan;
  // What its runs leave in the restore journal; no entry asking for more is carried out.
  const JournalRules& (*journalRules)();
};

using GameTable = std::array<Game, kGameCount>;

}  // namespace kalv
