#include "launcher/dispatch.h"

#include <cctype>

#include "games/other/quake1/quake1_demo.h"
#include "games/quake3/release_store.h"
#include "launcher/base/choices.h"
#include "launcher/base/messages.h"
#include "launcher/base/texts.h"
#include "launcher/play_demo.h"
#include "launcher/resume_load.h"

namespace kalv {

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

int Play(Program& program, GameCode code) {
  const Game& game = program.game(code);
  if (!game.plan) return program.exitCode;
  const Choices choices = LoadChoices(program);
  return PlayDemo(program,
                  game.plan(program, choices, Demo{program.demoPath, program.demoRelease}));
}

std::string ReadDemFile(Program& program) {
  auto stream = OrRaise(program.platform.files.OpenRead(program.demoPath));
  return OrRaise(stream->Read(kDemReadBytes));
}

}  // namespace

GameCode ClassifyDemHeader(const std::string& bytes) {
  // Whatever a short file leaves of the header is spaces, which hold none of the markers
  // looked for.
  std::string header = bytes.substr(0, kDemHeaderBytes);
  header.resize(kDemHeaderBytes, ' ');
  if (Upper(header.substr(0, 6)) == "HLDEMO") return GameCode::HL;
  const std::size_t dot = header.find(".bs");
  const std::string map =
      dot == std::string::npos ? header.substr(0, 3) : header.substr(dot + 1, 3);
  if (map == "bsp" || ReadQuake1Demo(bytes)) return GameCode::Q1;
  return GameCode::UT;
}

// A header that cannot be read is reported here.
int DispatchDemFile(Program& program) {
  try {
    return Play(program, ClassifyDemHeader(ReadDemFile(program)));
  } catch (const RaisedFailure& raised) {
    ReportError(program, raised.failure());
  }
  return program.exitCode;
}

// The release files are tried in name order; the first whose demo ending ends the demo
// path is handed to the Quake 3 playback.
std::optional<int> DispatchDemo(Program& program) {
  const std::string& demo = program.demoPath;
  if (EndsWith(demo, ".dem")) return DispatchDemFile(program);
  if (EndsWith(demo, ".efdemo")) return Play(program, GameCode::STVEF);
  if (EndsWith(demo, ".dm2")) return Play(program, GameCode::Q2);

  for (const Release& release : OrRaise(ReadReleases(program))) {
    if (release.demoExt != release::kMissing && EndsWith(demo, release.demoExt)) {
      program.demoRelease = release;
      return Play(program, GameCode::Q3A);
    }
  }
  ResumeLoad(program);
  return std::nullopt;
}

}  // namespace kalv
