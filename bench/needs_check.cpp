#include "bench/needs_check.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "games/game_table.h"
#include "tests/host/demo_layouts.h"

namespace kalv::bench {
namespace {

constexpr int kChecks = 21;

// An archive of so many files, the bulk of a large pak standing before its directory.
std::string Pak(int files, std::size_t bulk) {
  std::vector<std::string> names;
  for (int i = 0; i < files; ++i)
    names.push_back("textures/base_wall/panel" + std::to_string(i) + ".jpg");
  return testing::layout::Zip(names, "", bulk);
}

}  // namespace

Status Lay(Files& files, const std::string& path, const std::string& bytes) {
  Skip(files.Delete(path));
  return WriteWholeFile(files, path, bytes);
}

std::string EngineDemo(const std::string& map, const std::string& mod) {
  using namespace testing::layout;
  return EngineRecording(
      HuffmanCoded(EngineGamestate({{0, "\\mapname\\" + map + "\\protocol\\68\\sv_hostname\\bench"},
                                    {1, "\\fs_game\\" + mod}})));
}

Result<std::vector<std::string>> LayInstallation(Files& files, const std::string& dir) {
  for (const std::string& folder : {dir, dir + "\\baseq3", dir + "\\cpma"})
    if (!files.DirectoryExists(folder)) Skip(files.MakeDirectory(folder));
  std::vector<std::pair<std::string, std::string>> laid = {
      {dir + "\\baseq3\\pak0.pk3", Pak(3539, 32u << 20)},
      {dir + "\\cpma\\z-cpma-pak.pk3", Pak(400, 1u << 20)}};
  for (int n = 1; n <= 9; ++n)
    laid.push_back(
        {dir + "\\baseq3\\pak" + std::to_string(n) + ".pk3", Pak(30 + 40 * n, 64u << 10)});
  std::vector<std::string> paths;
  for (const auto& [path, bytes] : laid) {
    if (Status s = Lay(files, path, bytes); !s) return s.failure();
    paths.push_back(path);
  }
  return paths;
}

std::string TimeNeedsCheck(Program& program, const std::string& work) {
  Files& files = program.platform.files;
  const std::string dir = work + "\\needs-q3";
  auto laid = LayInstallation(files, dir);
  if (!laid) return "failed: cannot lay out the installation in " + dir + "\n";
  const std::string demoPath = dir + "\\needs.dm_68";
  if (Status s = Lay(files, demoPath, EngineDemo("cpm22", "cpma")); !s)
    return "failed: cannot write " + demoPath + "\n";
  laid.value().push_back(demoPath);

  Choices choices;
  choices.dir(GameCode::Q3A) = dir;
  const Demo demo{dir + "\\needs.dm_68", {}};
  // A run reads each archive once, with nothing read before: so does every timed check.
  Install install = program.install();
  install.memo = nullptr;
  const Game& quake3 = GameOf(GameCode::Q3A);
  std::vector<double> ms;
  DemoNeeds needs;
  for (int i = 0; i <= kChecks; ++i) {
    const auto start = std::chrono::steady_clock::now();
    needs = quake3.needs(install, choices, demo);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    if (i > 0) ms.push_back(took.count());  // the first warms the file cache
  }
  std::sort(ms.begin(), ms.end());
  for (const std::string& path : laid.value()) Skip(files.Delete(path));

  char line[160];
  std::snprintf(line, sizeof line, "needs-ms: %.3f\nneeds-found: %s\n", ms[ms.size() / 2],
                needs.mapFile == Presence::Missing ? "missing"
                : needs.mapFile == Presence::Found ? "found"
                                                   : "unknown");
  return line;
}

}  // namespace kalv::bench
