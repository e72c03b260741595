// The state of one run of Kalvenmarque: the platform, the command line, the user's
// choices, the windows and the few values the windows show. Only the launcher and its
// windows see it.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "games/choices.h"
#include "games/install.h"
#include "games/release.h"
#include "platform/platform.h"
#include "ui/about_window.h"
#include "ui/advanced_window.h"
#include "ui/main_window.h"
#include "ui/options_window.h"
#include "ui/splash_window.h"

namespace kalv {

class DemoLibrary;

struct Program {
  explicit Program(Platform& p);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Platform& platform;

  // The command line exactly as the program was given it.
  std::string commandLine;
  // The demo of the command line, normalised.
  std::string demoPath;
  // What the user chose: the game folders as start-up and the detections found them, the
  // language; the windows show it and change it, they do not hold it.
  Choices choices;
  // The game folders the options window shows while the user edits them; OK makes them
  // the choices.
  std::array<std::string, kGameCount> shownFolders;
  // The releases the main window offers to switch to, in the order of its list.
  std::vector<Release> offeredReleases;
  // The exit code the program ends with: 1 once a failure has been reported.
  int exitCode = 0;
  // What the run has read of the release store and executables, while they stay unchanged.
  ReadMemo readMemo;

  // What reading the games' installations needs, with what this run has read already.
  Install install() {
    return Install{platform.files, platform.system, platform.profile, &readMemo};
  }

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
  // The demo library, made when first opened.
  std::shared_ptr<DemoLibrary> library;

 private:
  std::vector<std::pair<const char*, LocalTime>> marks_;
};

}  // namespace kalv
