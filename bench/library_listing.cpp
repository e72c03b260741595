#include "bench/library_listing.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <set>
#include <vector>

#include "bench/needs_check.h"
#include "games/demo_cache.h"
#include "games/demo_listing.h"
#include "tests/host/demo_layouts.h"

namespace kalv::bench {
namespace {

constexpr int kDemos = 1000;
constexpr int kListings = 3;

struct LaidDemo {
  std::string name, bytes;
};

LaidDemo DemoNumber(int n) {
  using namespace testing::layout;
  const std::string number = std::to_string(n);
  switch (n % 10) {
    case 5:
      return {"ctf" + number + ".efdemo",
              std::string("\x05\0\0\0\\version\\ST:V HM v1.20\\protocol\\24\\mapname\\") +
                  "hm_custom" + number};
    case 6:
    case 7: return {"match" + number + ".dem", HalfLife(5, 48, "de_custom" + number, "cstrike")};
    case 8: return {"duel" + number + ".dm2", Quake2(Quake2ServerDataMessage(34, 0, "opentdm"))};
    case 9:
      if (n % 20 == 19) return {"dm" + number + ".dem", "Unreal Tournament demo " + number};
      return {"run" + number + ".dem",
              Quake1("2", Quake1ServerInfo(15, "The Slipgate Complex", Quake1Models()))};
    default:
      return {"demo" + number + ".dm_68", EngineDemo("custom" + number, n % 2 ? "cpma" : "osp")};
  }
}

// The demo's bytes, then its last byte where a demo of its length ends.
Status LayDemo(Files& files, const std::string& path, const LaidDemo& demo, std::uint64_t length) {
  if (Status s = Lay(files, path, demo.bytes); !s) return s;
  auto stream = files.OpenAppend(path);
  if (!stream) return stream.status();
  if (Status s = stream.value()->Seek(length - 1); !s) return s;
  return stream.value()->Write(std::string(1, '\0'));
}

}  // namespace

std::string TimeLibraryListing(Program& program, const std::string& work) {
  Files& files = program.platform.files;
  const std::string game = work + "\\library-q3";
  const std::string folder = work + "\\library-demos";
  auto laid = LayInstallation(files, game);
  if (!laid || !Lay(files, game + "\\quake3.exe", "MZ"))
    return "failed: cannot lay out the installation in " + game + "\n";
  laid.value().push_back(game + "\\quake3.exe");
  if (!files.DirectoryExists(folder)) Skip(files.MakeDirectory(folder));
  for (int n = 0; n < kDemos; ++n) {
    const LaidDemo demo = DemoNumber(n);
    const std::string path = folder + "\\" + demo.name;
    if (!LayDemo(files, path, demo,
                 (1u << 20) + (static_cast<std::uint64_t>(n) * 4099 % (4u << 20))))
      return "failed: cannot write " + path + "\n";
    laid.value().push_back(path);
  }

  Choices choices;
  choices.dir(GameCode::Q3A) = game;
  Install install = program.install();
  install.memo = nullptr;
  std::vector<double> ms;
  std::vector<ListedDemo> rows;
  for (int i = 0; i <= kListings; ++i) {
    const auto start = std::chrono::steady_clock::now();
    auto listed = ListDemos(install, Games(), choices, folder);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    if (!listed) return "failed: the folder could not be listed\n";
    rows = std::move(listed).value();
    if (i > 0) ms.push_back(took.count());  // the first warms the file cache
  }
  std::sort(ms.begin(), ms.end());

  // Reopened: the cache file is read and the installations fingerprinted each time, as the
  // library does when it opens a folder; the first listing fills the cache.
  const std::string cachePath = work + "\\library.cache";
  std::vector<double> cachedMs;
  std::size_t cachedRows = 0;
  for (int i = 0; i <= kListings; ++i) {
    const auto start = std::chrono::steady_clock::now();
    DemoCache cache(files, cachePath, DemoCache::Fingerprint(install, choices, Games()), Games());
    auto listed = ListDemos(install, Games(), choices, folder, false, &cache);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    if (!listed || !cache.Save()) return "failed: the folder could not be listed with its cache\n";
    cachedRows = listed.value().size();
    if (i > 0) cachedMs.push_back(took.count());
  }
  std::sort(cachedMs.begin(), cachedMs.end());
  laid.value().push_back(cachePath);
  for (const std::string& path : laid.value()) Skip(files.Delete(path));

  const auto read =
      std::count_if(rows.begin(), rows.end(), [](const ListedDemo& row) { return row.needs.read; });
  std::set<GameCode> games;
  for (const ListedDemo& row : rows)
    if (row.game) games.insert(row.game->code);
  char line[300];
  std::snprintf(line, sizeof line,
                "library-ms: %.1f\nlibrary-rows: %zu\nlibrary-read: %ld\nlibrary-games: %zu\n"
                "library-cached-ms: %.1f\nlibrary-cached-rows: %zu\n",
                ms[ms.size() / 2], rows.size(), static_cast<long>(read), games.size(),
                cachedMs[cachedMs.size() / 2], cachedRows);
  return line;
}

}  // namespace kalv::bench
