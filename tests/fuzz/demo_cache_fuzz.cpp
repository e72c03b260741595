// The demo library's cache file after its first two lines (the fuzzer would hardly guess
// the installations' fingerprint): whatever it holds, reading it never fails, and the rows
// it gave are written back and read again as they were, with a row kept beside them.
#include "games/demo_cache.h"
#include "games/game_table.h"
#include "tests/fuzz/fuzz_target.h"
#include "tests/fuzz/fuzz_world.h"
#include "version.h"

using namespace kalv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::World& world = *new fuzz::World;
  Files& files = world.fake.files;
  const Install install = world.program->install();
  const std::string path = DemoCachePath(world.fake.system);
  const std::string fingerprint = DemoCache::Fingerprint(install, Choices{}, Games());
  world.fake.files.AddFile(path, "Kalvenmarque demo library cache 1 v" KALV_VERSION_TEXT
                                 "\r\ninstallation " +
                                     fingerprint + "\r\n" + fuzz::Text(data, size));
  DemoCache read(files, path, fingerprint, Games());
  const std::size_t rows = read.size();

  ListedDemo kept;
  kept.name = "kept.dm_68";
  kept.size = 7;
  kept.written = 9;
  read.Keep("C:\\Demos\\kept.dm_68", kept);
  fuzz::Require(read.Save().ok(), "the cache is written");
  DemoCache again(files, path, fingerprint, Games());
  fuzz::Require(again.size() == std::min(rows + 1, DemoCache::kMostRows),
                "every row written is read again");
  fuzz::Require(again.Find("C:\\Demos\\kept.dm_68", FileStamp{7, 9}).has_value(),
                "the row kept is found again");
  return 0;
}
