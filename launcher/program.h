// The state of one run of Kalvenmarque: the platform, the program-wide values, the
// restore operations of the games and the windows. Every operation gets it by reference.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "launcher/splash_window.h"
#include "platform/platform.h"
#include "ui/about_window.h"
#include "ui/advanced_window.h"
#include "ui/main_window.h"
#include "ui/options_window.h"

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
  std::string demoExtension;
  std::string cdDrive;
  std::string q3aDir;
  std::string hlDir;
  std::string stvefDir;
  std::string q1Dir;
  std::string q2Dir;
  std::string utDir;
  // True while the program itself sets the language list.
  bool languageLoading = false;
  // What the last GetFileVersionText read.
  std::string versionText;

  // The selected language: 0 English, 1 German, 2 Afrikaans (read afresh for every text);
  // it is the selection of the options window's language list.
  std::function<int()> languageIndex;
  int Language() const { return languageIndex ? languageIndex() : 0; }

  // Restore operations by game code; a later registration of a code replaces the earlier.
  using Restore = std::function<void(Program&)>;
  void RegisterRestore(const std::string& gameCode, Restore restore);
  // The restore registered for exactly this code, or nullptr.
  const Restore* FindRestore(const std::string& gameCode) const;

  // Play operations by game code, called by the dispatcher; a later registration of a
  // code replaces the earlier.
  using Operation = std::function<void(Program&)>;
  void RegisterPlay(const std::string& gameCode, Operation play);
  const Operation* FindPlay(const std::string& gameCode) const;
  // The main window's Convert and Launch Quake 3 buttons.
  Operation convertToSelected;
  Operation launchQuake3;

  SplashWindow frmSplash;
  ui::frmDemPla frmDemPla;
  ui::frmOptions frmOptions;
  ui::frmAdvanced frmAdvanced;
  ui::frmAbout frmAbout;

 private:
  std::vector<std::pair<std::string, Restore>> restores_;
  std::vector<std::pair<std::string, Operation>> plays_;
};

}  // namespace kalv
