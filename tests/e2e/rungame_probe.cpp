// rungame_probe.exe: plays a plan with the player's own driver, so that the end-to-end
// tests can watch it start and wait for a real process. Its command line names a
// parameter file whose lines are: the game code of the journal entry, the marker file,
// the executable and the game's command line. The plan prepares by copying the parameter
// file beside the marker (".prepared") and undoes by renaming that copy to the marker;
// when the driver returns, the marker path plus ".done" records its exit code.
#include <string>
#include <vector>

#include "games/plan_support.h"
#include "launcher/base/program.h"
#include "launcher/play_demo.h"
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
  const std::string parametersFile = Trimmed(platform.system.CommandLine());
  auto parameters = ReadWholeFile(platform.files, parametersFile);
  if (!parameters) return 2;
  std::vector<std::string> lines = Lines(parameters.value());
  if (lines.size() < 4) return 2;
  const std::string& marker = lines[1];

  Program program(platform);
  // A language without texts: no message box holds the probe up.
  program.choices.language = -1;
  RunPlan plan;
  plan.code = lines[0];
  plan.name = "the probe's game";
  plan.prepare = {CopyFile(parametersFile, marker + ".prepared")};
  plan.demo.own = true;
  plan.start = StartIn(lines[2], lines[3]);
  plan.undo = {RenameFile(marker + ".prepared", marker)};
  const int code = PlayDemo(program, plan);
  Skip(WriteWholeFile(platform.files, marker + ".done", "returned " + std::to_string(code) + "\n"));
  return code;
}
