// What a demo needs of an installation, read from its first message (the mod or game
// folder it was recorded in, its map), and whether the installation has it. A demo whose
// first message cannot be read needs nothing that is known: it plays as it always did.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "games/choices.h"
#include "games/install.h"
#include "games/run_plan.h"

namespace kalv {

// Whether an installation has something; Unknown when it could not be looked at (an
// archive that cannot be read, a map on a CD), which is no reason to ask.
enum class Presence { Found, Missing, Unknown };

struct DemoNeeds {
  bool read = false;                 // its first message could be read
  int protocol = 0;                  // the protocol it names (0: none)
  std::string mod;                   // the mod or game folder; "" for the game's own
  std::string map;                   // the map as it names it ("q3dm17", "maps/e1m1.bsp")
  std::vector<std::string> players;  // the clients' names where it names them
  Presence modFolder = Presence::Unknown;
  Presence mapFile = Presence::Unknown;
  std::vector<std::string> lookedIn;  // the folders the map was looked for in
};

// Where a game looks for a map in a run: each folder's loose file and the archives there
// that match a pattern ("*.pk3", "pak*.pak").
struct MapSearch {
  std::vector<std::string> folders;
  std::string archives;
};

// Whether the file (relative, with "/" as the game writes it) is in one of the folders,
// loose or in an archive, compared without case.
Presence FindMapFile(const Install& install, const MapSearch& search, const std::string& file);

// A map's file as a demo names it, when it can be looked for: plain names separated by
// "/", nothing that climbs out of a folder.
bool IsPlainMapFile(const std::string& file);

// The map a world model names ("maps/e1m1.bsp" is "e1m1", letter case aside); "" for a
// model that is no map's.
std::string MapOfModel(const std::string& model);

// Whether a folder below dir is there; Unknown for a name that is no plain folder's.
Presence FolderPresence(const Install& install, const std::string& dir, const std::string& name);

// Looks for the needs' map ("maps/<map>.bsp") as the search says, and notes where.
void LookForMap(const Install& install, DemoNeeds& needs, const MapSearch& search);

// What a Quake 3 engine game's demo needs of the installation in dir: its mod (not the base
// folder, compared without case) and its map in the base folder and in the mod the run
// plays in (the demo's when the installation has it, else the chosen one), loose or in
// "*.pk3" archives. With mapsOnCd a map not found is not missing (a minimum installation
// reads the game's own maps from its CD).
DemoNeeds EngineDemoNeeds(const Install& install, const std::string& dir, const Demo& demo,
                          const char* baseFolder, const ModChoice& chosen, bool mapsOnCd);

// The mod a run of such a demo plays in: the demo's when the installation has it, none when
// the demo names one the installation lacks, else the chosen one when it is to be loaded.
struct RunMod {
  std::string folder;
  bool use = false;
};
RunMod ModOfRun(const DemoNeeds& needs, const ModChoice& chosen);

// The question to ask before a run of a demo whose mod or map is missing (one question
// for both); nothing when nothing is missing. dir is the game's folder.
std::optional<Notice> NeedsQuestion(const DemoNeeds& needs, const char* gameName,
                                    const std::string& dir);

// What a demo needs and what was found, for the run log; "" for a demo that could not
// be read.
std::string NeedsLine(const DemoNeeds& needs);

// The messages of the questions (each the English row; German and Afrikaans follow).
namespace needtext {
constexpr int kModMissing = 1054;        // %1 mod, %2 game, %3 its folder
constexpr int kMapMissing = 1057;        // %1 map, %2 the folders looked in, %3 game, %4 its folder
constexpr int kModAndMapMissing = 1060;  // %1 mod, %2 map, %3 game, %4 mod's folder, %5 looked in
constexpr int kAll[] = {kModMissing, kMapMissing, kModAndMapMissing};
}  // namespace needtext

}  // namespace kalv
