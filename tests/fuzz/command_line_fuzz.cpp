// The command line at start-up: whatever it holds, it names no demo, a demo in a folder
// that exists, or is refused with a failure the start-up reports.
#include "launcher/startup.h"
#include "tests/fuzz/fuzz_target.h"
#include "tests/fuzz/fuzz_world.h"

using namespace kalv;

namespace {

// The folders a demo may be in, a current directory and a mapped drive; built once, since
// reading a command line changes no file.
fuzz::World& World() {
  static fuzz::World* world = [] {
    auto* w = new fuzz::World;
    fake::FakeFiles& files = w->fake.files;
    files.AddFile("C:\\Demos\\final.dm_66", "demo");
    files.AddFile("C:\\Demos\\Ünïcode folder\\match one.dem", "HLDEMO");
    files.AddFile("E:\\match.dm_48", "demo");
    files.AddDirectory("D:\\Recordings\\2001");
    files.SetCurrentDirectory("C:\\Demos");
    files.SetDriveDirectory("D:", "D:\\Recordings");
    files.MapDrive("Z:", "C:\\Demos");
    return w;
  }();
  return *world;
}

// Ways a user, a shortcut or Explorer may name an existing demo, each with the file it
// names: whatever the spelling, the demo path must name that very file.
struct Spelling {
  const char* commandLine;
  const char* file;
};
const Spelling kSpellings[] = {
    {"C:\\Demos\\final.dm_66", "C:\\Demos\\final.dm_66"},
    {"\"C:\\Demos\\final.dm_66\"", "C:\\Demos\\final.dm_66"},
    {"C:\\Demos\\.\\final.dm_66", "C:\\Demos\\final.dm_66"},
    {"C:\\Demos\\..\\Demos\\final.dm_66", "C:\\Demos\\final.dm_66"},
    {"\\Demos\\final.dm_66", "C:\\Demos\\final.dm_66"},
    {"Z:\\final.dm_66", "C:\\Demos\\final.dm_66"},
    {"E:\\match.dm_48", "E:\\match.dm_48"},
    {"C:\\Demos\\Ünïcode folder\\match one.dem", "C:\\Demos\\Ünïcode folder\\match one.dem"},
};

// The spelling the input picks, its ASCII letters' case flipped where the input's bits say.
void CheckSpelling(fuzz::World& world, const std::string& input) {
  if (input.empty()) return;
  const Spelling& spelling =
      kSpellings[static_cast<unsigned char>(input[0]) % (sizeof kSpellings / sizeof kSpellings[0])];
  std::string line = spelling.commandLine;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const unsigned char bits = static_cast<unsigned char>(input[(1 + i / 8) % input.size()]);
    const char c = line[i];
    if (((bits >> (i % 8)) & 1) && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
      line[i] = static_cast<char>(c ^ 0x20);
  }
  const std::string demo = DemoPathOf(*world.program, line);
  fuzz::Require(world.fake.files.SameFile(demo, spelling.file), "the demo named is the file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::World& world = World();
  const std::string commandLine = fuzz::Text(data, size);
  CheckSpelling(world, commandLine);
  std::string demo;
  try {
    demo = DemoPathOf(*world.program, commandLine);
  } catch (const RaisedFailure&) {
    return 0;  // reported to the user as the start-up's error message
  }
  if (demo.empty()) return 0;
  for (char c : demo) fuzz::Require(!(c >= 'A' && c <= 'Z'), "a demo path is lower case");
  const std::size_t slash = demo.rfind('\\');
  fuzz::Require(slash != std::string::npos, "a demo path has a folder");
  std::string folder = demo.substr(0, slash);
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';
  fuzz::Require(world.fake.files.DirectoryExists(folder), "a demo's folder exists");
  return 0;
}
