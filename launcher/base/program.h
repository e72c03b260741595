// The state of one run of Kalvenmarque: the platform, the program-wide values, the table
// of games and the windows. Every operation gets it by reference.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "launcher/base/choices.h"
#include "launcher/base/games.h"
#include "launcher/base/release.h"
#include "platform/platform.h"
#include "ui/about_window.h"
#include "ui/advanced_window.h"
#include "ui/main_window.h"
#include "ui/options_window.h"
#include "ui/splash_window.h"

namespace kalv {

struct Program {
  explicit Program(Platform& p);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Platform& platform;

  // The command line exactly as the program was given it.
  std::string commandLine;

  // Program-wide values of the run.
  std::string demoPath;
  // The release a Quake 3 demo needs, as the dispatcher matched it.
  Release demoRelease;
  // The releases the main window offers to switch to, in the order of its list.
  std::vector<Release> offeredReleases;
  std::string cdDrive;
  // What the user chose: the game folders as start-up and the detections found them, the
  // language; the windows show it and change it, they do not hold it.
  Choices choices;
  // True while the program itself sets the language list.
  bool languageLoading = false;
  // The exit code the program ends with: 1 once a failure has been reported.
  int exitCode = 0;

  // The games and their operations; set by the start-up before anything looks at a game.
  const GameTable* games = nullptr;
  const Game& game(GameCode code) const { return (*games)[static_cast<std::size_t>(code)]; }

  // The chosen language: 0 English, 1 German, 2 Afrikaans.
  int Language() const { return choices.language; }

  // Where the start-up's time went: each phase's name and when it ended, for the run log.
  void Mark(const char* phase);
  // "phase 3 ms, phase 12 ms, ..." from the first mark on; "" before two marks.
  std::string StartupTimes() const;

  // Ends the program at once with exitCode.
  [[noreturn]] void End();

  ui::SplashWindow frmSplash;
  ui::frmDemPla frmDemPla;
  ui::frmOptions frmOptions;
  ui::frmAdvanced frmAdvanced;
  ui::frmAbout frmAbout;

 private:
  std::vector<std::pair<const char*, LocalTime>> marks_;
};

}  // namespace kalv
