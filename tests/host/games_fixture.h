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

#include "launcher/base/program.h"
#include "launcher/dispatch.h"
#include "launcher/startup.h"
#include "platform/fake/fake_platform.h"
#include "ui/string_table.h"

namespace kalv::testing {

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
  // The language as chosen, shown in the options window's list.
  void SelectLanguage(int index) {
    program->choices.language = index;
    program->frmOptions.comLanguage.Select(index);
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
