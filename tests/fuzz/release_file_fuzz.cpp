// A release file of the store read through the profile reader's rules and used for a
// release switch: whatever it holds, the installation is either left untouched or
// switched in a way the switch back to the newest release fully undoes.
#include "games/quake3/conversion.h"
#include "games/quake3/release_store.h"
#include "tests/fuzz/fuzz_target.h"
#include "tests/fuzz/fuzz_world.h"

using namespace kalv;

namespace {

const std::string kQ3 = "C:\\Games\\Quake III Arena";
constexpr int kCheapPaks = 32;

// The store and an installation on the newest release, built once: every input either
// leaves the installation as it was or the check below stops the run.
fuzz::World& World() {
  static fuzz::World* world = [] {
    auto* w = new fuzz::World;
    fake::FakeFiles& files = w->fake.files;
    files.AddFile(w->Versions() + "\\v1_31.Vrk",
                  "[Quake 3 Arena Version]\r\nVersion=v1.31\r\nDemoExt=.dm_67\r\nnewpak=6\r\n"
                  "newestpak=6\r\n");
    files.AddFile(w->Versions() + "\\Quake3.131", "exe 131");
    files.AddFile(w->Versions() + "\\Quake3.127h", "exe 127h");
    files.AddFile(kQ3 + "\\quake3.exe", "exe 131");
    for (int n = 0; n <= 6; ++n)
      files.AddFile(kQ3 + "\\baseq3\\pak" + std::to_string(n) + ".pk3", "pak" + std::to_string(n));
    return w;
  }();
  return *world;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::World& world = World();
  static const auto before = world.fake.files.Snapshot(kQ3);
  world.fake.files.AddFile(world.Versions() + "\\v1_27h.Vrk", fuzz::Text(data, size));

  // As the automatic conversion does: the release file's own "Version" names the target.
  const Install install = world.program->install();
  const Release release = ReadRelease(install, "v1_27h.Vrk");
  for (const std::string* pak : {&release.newpak, &release.newestpak})
    if (const auto n = PakNumber(*pak)) {
      fuzz::Require(*n >= 0 && *n <= kHighestPak && PakNumber(std::to_string(*n)) == n,
                    "a pak number is a whole number within the limit");
      // Large numbers take the same path as small ones, each pak costing a few file
      // operations; the switch is tried with the small ones only, to keep the run fast.
      if (*n > kCheapPaks) return 0;
    }
  // Whether the switch tried to change anything at all: most inputs stop before that, and
  // need no comparison of the whole folder.
  bool touched = false;
  world.fake.files.beforeChange = [&](const std::string&) { touched = true; };
  const SwitchResult result = SwitchRelease(install, kQ3, release.version, false);
  world.fake.files.beforeChange = nullptr;
  if (result.outcome != SwitchResult::Switched) {
    fuzz::Require(!touched || world.fake.files.Snapshot(kQ3) == before,
                  "a refused switch changes nothing");
    return 0;
  }
  fuzz::Require(SwitchToNewest(install, kQ3), "the way back to the newest release works");
  fuzz::Require(world.fake.files.Snapshot(kQ3) == before,
                "switching back restores the installation");
  return 0;
}
