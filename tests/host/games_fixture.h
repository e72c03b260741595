// A run of the main program with every window created and wired, on the in-memory
// platform, plus helpers to lay out the release store and game directories.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>

#include "games/game_table.h"
#include "games/quake3/conversion.h"
#include "games/quake3/release_store.h"
#include "launcher/base/messages.h"
#include "launcher/base/program.h"
#include "launcher/dispatch.h"
#include "launcher/game_windows.h"
#include "launcher/startup.h"
#include "platform/fake/fake_platform.h"
#include "ui/string_table.h"

namespace kalv::testing {

// The table of games with every run replaced by one that notes the game and its demo and
// refuses silently (or raises a failure, when told to): which game a demo reaches, seen
// from outside.
class NotingTable {
 public:
  NotingTable() {
    current_ = this;
    for (std::size_t i = 0; i < kGameCount; ++i) {
      rows_[i] = *Games()[i];
      table_[i] = &rows_[i];
    }
    rows_[IndexOf(GameCode::Q3A)].plan = &Note<GameCode::Q3A>;
    rows_[IndexOf(GameCode::HL)].plan = &Note<GameCode::HL>;
    rows_[IndexOf(GameCode::STVEF)].plan = &Note<GameCode::STVEF>;
    rows_[IndexOf(GameCode::Q1)].plan = &Note<GameCode::Q1>;
    rows_[IndexOf(GameCode::Q2)].plan = &Note<GameCode::Q2>;
    rows_[IndexOf(GameCode::UT)].plan = &Note<GameCode::UT>;
  }
  ~NotingTable() { current_ = nullptr; }
  NotingTable(const NotingTable&) = delete;
  NotingTable& operator=(const NotingTable&) = delete;

  const GameTable& table() const { return table_; }

  std::vector<std::string> played;  // the games' journal codes, in the order they played
  Demo demo;                        // the last demo played
  int raise = 0;                    // the failure the runs raise instead; 0 for none

 private:
  template <GameCode kCode>
  static RunPlan Note(const Install&, const Choices&, const Demo& demo) {
    current_->played.push_back(GameOf(kCode).journalCode);
    current_->demo = demo;
    if (current_->raise) Raise(current_->raise);
    RunPlan silent;
    silent.refusal = Notice{};
    return silent;
  }

  static inline NotingTable* current_ = nullptr;
  std::array<Game, kGameCount> rows_{};
  GameTable table_{};
};

class ProgramFixture : public ::testing::Test {
 protected:
  ProgramFixture() {
    fake.system.strings = ui::StringTable();
    program = std::make_unique<Program>(fake.platform());
    CreateWindows(*program);
    program->frmOptions.comLanguage.Select(0);
  }

  std::string Versions() const { return fake.system.programDirectory + "\\Versions"; }

  // A release file of the release store.
  void AddRelease(const std::string& file, const std::string& version, const std::string& ext,
                  const std::string& newpak) {
    fake.files.AddFile(Versions() + "\\" + file, "[Quake 3 Arena Version]\r\nVersion=" + version +
                                                     "\r\nDemoExt=" + ext + "\r\nnewpak=" + newpak +
                                                     "\r\nnewestpak=6\r\n");
  }
  // The store as it was up to release 1.31, with that release's pak count.
  void AddShippedReleases() {
    AddRelease("v1_17.Vrk", "v1.17", ".dm3", "2");
    AddRelease("v1_27h.Vrk", "v1.27h", ".dm_48", "4");
    AddRelease("v1_30.Vrk", "v1.30", ".dm_66", "5");
    AddRelease("v1_31.Vrk", "v1.31", ".dm_67", "6");
  }
  // Every release file the installation ships, as it is in installdata/Versions.
  void AddReleaseFilesAsShipped() {
    for (const auto& entry : std::filesystem::directory_iterator(KALV_SHIPPED_VERSIONS)) {
      if (entry.path().extension() != ".Vrk") continue;
      std::ifstream in(entry.path(), std::ios::binary);
      fake.files.AddFile(Versions() + "\\" + entry.path().filename().string(),
                         std::string(std::istreambuf_iterator<char>(in), {}));
    }
  }
  // A game's folder as start-up leaves it from the settings: chosen, and shown on its page
  // of the options window.
  void UseFolder(GameCode game, const std::string& dir) {
    program->choices.dir(game) = dir;
    ShowFolder(*program, game, dir);
  }
  // The language as chosen, shown in the options window's list.
  void SelectLanguage(int index) {
    program->choices.language = index;
    program->frmOptions.comLanguage.Select(index);
  }

  // The switch a run makes, to the release of a release file: its refusal shown as the
  // run shows it, the status line following. True when the folder was switched.
  bool SwitchQuake3(const std::string& dir, const std::string& releaseFile) {
    const Install install = program->install();
    const auto refusal = kQuake3Switcher.to(install, dir, ReadRelease(install, releaseFile));
    if (refusal) ShowNotice(*program, *refusal);
    DetectGame(*program, GameCode::Q3A);
    return !refusal;
  }

  using FolderState = fake::FakeFiles::FolderState;
  FolderState Snapshot(const std::string& dir) const { return fake.files.Snapshot(dir); }

  // Dispatches the demo as start-up does; true when the run ended (with exitCode), false
  // when the main window opened instead.
  bool PlayToEnd() {
    program->exitCode = 0;  // each demo is a run of its own
    try {
      const std::optional<int> code = DispatchDemo(*program);
      if (code) exitCode = *code;
      return code.has_value();
    } catch (const fake::ProgramEnded&) {
      exitCode = fake.system.exitCode;
      return true;
    }
  }

  // Runs until the program ends, as a window's action that ends it does; false when it
  // did not end.
  bool RunToEnd(const std::function<void()>& run) {
    try {
      run();
    } catch (const fake::ProgramEnded&) {
      return true;
    }
    return false;
  }

  Program& p() { return *program; }
  ui::frmDemPla& main() { return program->frmDemPla; }
  ui::frmOptions& options() { return program->frmOptions; }

  fake::FakePlatform fake;
  std::unique_ptr<Program> program;
  int exitCode = -1;  // of the last run PlayToEnd ended
};

}  // namespace kalv::testing
