// A fresh in-memory Windows for one fuzz input: the player's install directory with its
// release store, and a way to compare a whole folder before and after.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "launcher/base/program.h"
#include "launcher/startup.h"
#include "platform/fake/fake_platform.h"
#include "ui/string_table.h"

namespace kalv::fuzz {

struct World {
  World() {
    fake.system.strings = ui::StringTable();
    program = std::make_unique<Program>(fake.platform());
    CreateWindows(*program);
  }
  std::string Versions() const { return fake.system.programDirectory + "\\Versions"; }

  // Every file below dir with its bytes and read-only flag ("normal" clears the archive
  // bit, which nobody meets; read-only is what keeps a game from saving).
  std::map<std::string, std::pair<std::string, std::uint32_t>> Snapshot(const std::string& dir) const {
    std::map<std::string, std::pair<std::string, std::uint32_t>> state;
    for (const std::string& path : fake.files.FilesBelow(dir))
      state[path] = {*fake.files.Contents(path), *fake.files.Attributes(path) & attr::kReadOnly};
    return state;
  }

  fake::FakePlatform fake;
  std::unique_ptr<Program> program;
};

}  // namespace kalv::fuzz
