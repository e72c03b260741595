#include "games/demo_needs.h"

#include <algorithm>

#include "core/folder_name.h"
#include "games/archive_directory.h"
#include "games/engine_message.h"
#include "games/plan_support.h"

namespace kalv {

namespace {

std::string WithBackslashes(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::string WithSlashes(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace

bool IsPlainMapFile(const std::string& file) {
  if (file.empty() || file.size() > 255) return false;
  std::size_t from = 0;
  for (;;) {
    const std::size_t slash = file.find('/', from);
    if (!IsPlainFolderName(file.substr(from, slash - from))) return false;
    if (slash == std::string::npos) return true;
    from = slash + 1;
  }
}

std::string MapOfModel(const std::string& model) {
  constexpr std::string_view kFolder = "maps/", kEnding = ".bsp";
  if (model.size() <= kFolder.size() + kEnding.size()) return "";
  if (!EqualsNoCase(model.substr(0, kFolder.size()), std::string(kFolder)) ||
      !EqualsNoCase(model.substr(model.size() - kEnding.size()), std::string(kEnding)))
    return "";
  return model.substr(kFolder.size(), model.size() - kFolder.size() - kEnding.size());
}

Presence FolderPresence(const Install& install, const std::string& dir, const std::string& name) {
  if (!IsPlainFolderName(name)) return Presence::Unknown;
  return install.files.DirectoryExists(dir + "\\" + name) ? Presence::Found : Presence::Missing;
}

void LookForMap(const Install& install, DemoNeeds& needs, const MapSearch& search) {
  if (needs.map.empty()) return;
  needs.lookedIn = search.folders;
  needs.mapFile = FindMapFile(install, search, "maps/" + needs.map + ".bsp");
}

// Loose files first, as the look costs least; an archive that cannot be read leaves the
// answer open rather than missing.
Presence FindMapFile(const Install& install, const MapSearch& search, const std::string& file) {
  if (!IsPlainMapFile(file)) return Presence::Unknown;
  for (const std::string& folder : search.folders)
    if (install.Has(folder + "\\" + WithBackslashes(file))) return Presence::Found;
  bool unread = false;
  for (const std::string& folder : search.folders) {
    const auto archives = install.List(folder, search.archives);
    if (!archives) continue;
    for (const std::string& archive : archives.value()) {
      const auto names = install.ArchiveNames(folder + "\\" + archive);
      if (!names) {
        unread = true;
        continue;
      }
      for (const std::string& name : *names)
        if (EqualsNoCase(WithSlashes(name), file)) return Presence::Found;
    }
  }
  return unread ? Presence::Unknown : Presence::Missing;
}

DemoNeeds EngineDemoNeeds(const Install& install, const std::string& dir, const Demo& demo,
                          const char* baseFolder, const ModChoice& chosen, bool mapsOnCd) {
  DemoNeeds needs;
  const auto read = ReadEngineDemo(ReadDemoStart(install.files, demo.path, kEngineMessageBytes));
  if (!read) return needs;
  needs.read = true;
  needs.protocol = read->protocol;
  needs.map = read->map;
  needs.players = read->players;
  if (!read->mod.empty() && !EqualsNoCase(read->mod, baseFolder) && IsPlainFolderName(read->mod))
    needs.mod = read->mod;
  if (dir.empty()) return needs;
  if (!needs.mod.empty()) needs.modFolder = FolderPresence(install, dir, needs.mod);
  MapSearch search{{dir + "\\" + baseFolder}, "*.pk3"};
  const RunMod mod = ModOfRun(needs, chosen);
  if (mod.use) search.folders.push_back(dir + "\\" + mod.folder);
  LookForMap(install, needs, search);
  if (mapsOnCd && needs.mapFile == Presence::Missing) needs.mapFile = Presence::Unknown;
  return needs;
}

RunMod ModOfRun(const DemoNeeds& needs, const ModChoice& chosen) {
  if (needs.mod.empty()) return RunMod{chosen.dir(), chosen.use()};
  if (needs.modFolder == Presence::Missing) return RunMod{};
  return RunMod{needs.mod, true};
}

std::optional<Notice> NeedsQuestion(const DemoNeeds& needs, const char* gameName,
                                    const std::string& dir) {
  // The folders by their names below the game's folder, which the question names once.
  std::string lookedIn;
  for (const std::string& folder : needs.lookedIn) {
    const bool below = folder.size() > dir.size() && folder.compare(0, dir.size(), dir) == 0 &&
                       folder[dir.size()] == '\\';
    lookedIn += (lookedIn.empty() ? "" : ", ") + (below ? folder.substr(dir.size() + 1) : folder);
  }
  const bool modMissing = needs.modFolder == Presence::Missing;
  const bool mapMissing = needs.mapFile == Presence::Missing;
  const std::string modFolder = dir + "\\" + needs.mod;
  if (modMissing && mapMissing)
    return Message(needtext::kModAndMapMissing,
                   {needs.mod, needs.map, gameName, modFolder, lookedIn});
  if (modMissing) return Message(needtext::kModMissing, {needs.mod, gameName, modFolder});
  if (mapMissing) return Message(needtext::kMapMissing, {needs.map, lookedIn, gameName, dir});
  return std::nullopt;
}

std::string NeedsLine(const DemoNeeds& needs) {
  if (!needs.read) return "";
  auto said = [](Presence presence) {
    switch (presence) {
      case Presence::Found: return "found";
      case Presence::Missing: return "missing";
      case Presence::Unknown: return "unknown";
    }
    return "";
  };
  std::string line = "the demo needs";
  if (needs.protocol) line += " protocol " + std::to_string(needs.protocol) + ",";
  if (!needs.mod.empty()) line += " mod " + needs.mod + " (" + said(needs.modFolder) + "),";
  line += needs.map.empty() ? " no map it names" : " map " + needs.map + " (" + said(needs.mapFile);
  if (!needs.map.empty()) {
    for (std::size_t i = 0; i < needs.lookedIn.size(); ++i)
      line += (i == 0 ? "; looked in " : ", ") + needs.lookedIn[i];
    line += ")";
  }
  return line;
}

}  // namespace kalv
