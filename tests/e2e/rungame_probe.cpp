// rungame_probe.exe: runs the launcher's game start and wait on its own, so that the
// end-to-end tests can watch it start and wait for a real process. Its command line
// names a parameter file whose lines are: the game code that gets a restore, the game
// code to run with, the marker file, the executable and the game's command line. The
// restore writes the marker; when RunGameAndWait returns (or raises), the marker path
// plus ".done" records it.
#include <string>
#include <vector>

#include "launcher/base/functions.h"
#include "launcher/base/program.h"
#include "launcher/game_table.h"
#include "platform/program_main.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string Trimmed(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '"')) text.pop_back();
  std::size_t first = text.find_first_not_of(" \"");
  return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

int kalv::ProgramMain(Platform& platform) {
  auto parameters = ReadWholeFile(platform.files, Trimmed(platform.system.CommandLine()));
  if (!parameters) return 2;
  std::vector<std::string> lines = Lines(parameters.value());
  if (lines.size() < 5) return 2;
  const std::string& restoreCode = lines[0];
  const std::string& runCode = lines[1];
  const std::string& marker = lines[2];

  Program program(platform);
  // Only the chosen game restores, and only by writing the marker.
  GameTable games = Games();
  for (Game& game : games) {
    game.restore = nullptr;
    if (restoreCode == game.codeText)
      game.restore = [&](Program& p) {
        Skip(WriteWholeFile(p.platform.files, marker, "restored " + restoreCode + "\n"));
      };
  }
  program.games = &games;
  try {
    RunGameAndWait(program, lines[3], lines[4], runCode);
  } catch (const RaisedFailure& raised) {
    Skip(WriteWholeFile(platform.files, marker + ".done",
                        "raised " + std::to_string(raised.failure().number) + " " +
                            raised.failure().description + "\n"));
    return 3;
  }
  Skip(WriteWholeFile(platform.files, marker + ".done", "returned\n"));
  return 0;
}
