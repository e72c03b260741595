// An in-memory Windows for the fuzz targets: the player's install directory with its
// release store, every window created.
#pragma once

#include <memory>
#include <string>

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

  fake::FakePlatform fake;
  std::unique_ptr<Program> program;
};

}  // namespace kalv::fuzz
