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

// A demo's first bytes, and the bytes that end it where a demo of its size ends: a Quake 3
// demo's last snapshots and end mark, a Half-Life demo's directory; a zero byte for the
// others, whose readers look only at their start.
struct LaidDemo {
  std::string name, bytes, end = std::string(1, '\0');
};

LaidDemo DemoNumber(int n, std::uint64_t size) {
  using namespace testing::layout;
  const std::string number = std::to_string(n);
  switch (n % 10) {
    case 5:
      return {"ctf" + number + ".efdemo",
              std::string("\x05\0\0\0\\version\\ST:V HM v1.20\\protocol\\24\\mapname\\") +
                  "hm_custom" + number};
    case 6:
    case 7: {
      // The directory moves to the file's end, where the header says it is.
      std::string demo =
          HalfLife(5, 48, "de_custom" + number, "cstrike", 0.5f, static_cast<float>(600 + n));
      constexpr std::size_t kDirectory = 4 + 2 * 92;
      const std::string directory = demo.substr(demo.size() - kDirectory);
      demo.resize(demo.size() - kDirectory);
      demo.replace(540, 4, Le32(static_cast<std::int64_t>(size - kDirectory)));
      return {"match" + number + ".dem", demo, directory};
    }
    case 8: return {"duel" + number + ".dm2", Quake2(Quake2ServerDataMessage(34, 0, "opentdm"))};
    case 9:
      if (n % 20 == 19) return {"dm" + number + ".dem", "Unreal Tournament demo " + number};
      return {"run" + number + ".dem",
              Quake1("2", Quake1ServerInfo(15, "The Slipgate Complex", Quake1Models()))};
    default: {
      const std::string demo = EngineDemo("custom" + number, n % 2 ? "cpma" : "osp");
      const int last = 900000 + 50 * n;
      return {
          "demo" + number + ".dm_68",
          demo.substr(0, demo.size() - 8) + EngineBlocks({HuffmanCoded(EngineSnapshot(1000, 200))}),
          EngineBlocks({HuffmanCoded(EngineSnapshot(last - 50, 300)),
                        HuffmanCoded(EngineSnapshot(last, 250))}) +
              Le32(-1) + Le32(-1)};
    }
  }
}

Status LayDemo(Files& files, const std::string& path, const LaidDemo& demo, std::uint64_t size) {
  if (Status s = Lay(files, path, demo.bytes); !s) return s;
  auto stream = files.OpenAppend(path);
  if (!stream) return stream.status();
  if (Status s = stream.value()->Seek(size - demo.end.size()); !s) return s;
  return stream.value()->Write(demo.end);
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
    const std::uint64_t size = (1u << 20) + (static_cast<std::uint64_t>(n) * 4099 % (4u << 20));
    const LaidDemo demo = DemoNumber(n, size);
    const std::string path = folder + "\\" + demo.name;
    if (!LayDemo(files, path, demo, size)) return "failed: cannot write " + path + "\n";
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
  // The demos stay for the library window's round; laying them again replaces them.
  laid.value().push_back(cachePath);
  for (const std::string& path : laid.value()) Skip(files.Delete(path));

  const auto read =
      std::count_if(rows.begin(), rows.end(), [](const ListedDemo& row) { return row.needs.read; });
  const auto lengths = std::count_if(rows.begin(), rows.end(),
                                     [](const ListedDemo& row) { return row.length.has_value(); });
  std::set<GameCode> games;
  for (const ListedDemo& row : rows)
    if (row.game) games.insert(row.game->code);
  char line[300];
  std::snprintf(line, sizeof line,
                "library-ms: %.1f\nlibrary-rows: %zu\nlibrary-read: %ld\nlibrary-lengths: %ld\n"
                "library-games: %zu\nlibrary-cached-ms: %.1f\nlibrary-cached-rows: %zu\n",
                ms[ms.size() / 2], rows.size(), static_cast<long>(read), static_cast<long>(lengths),
                games.size(), cachedMs[cachedMs.size() / 2], cachedRows);
  return line;
}

}  // namespace kalv::bench
