#include "launcher/dispatch.h"

#include <cctype>

#include "launcher/constants.h"
#include "launcher/functions.h"
#include "launcher/messages.h"
#include "launcher/resume_load.h"

namespace kalv {

namespace {

const char* const kReleaseSection = "Quake 3 Arena Version";
const char* const kReleaseMissing = "Error";

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// A game without a registered play operation plays nothing.
void Play(Program& program, const char* gameCode) {
  if (const Program::Operation* play = program.FindPlay(gameCode)) (*play)(program);
}

std::string ReadDemHeader(Program& program) {
  auto stream = OrRaise(program.platform.files.OpenRead(program.demoPath));
  std::string bytes = OrRaise(stream->Read(kDemHeaderBytes));
  // Whatever a short file leaves is spaces, which hold none of the markers looked for.
  bytes.resize(kDemHeaderBytes, ' ');
  return bytes;
}

}  // namespace

std::string ClassifyDemHeader(const std::string& header) {
  if (Upper(header.substr(0, 6)) == "HLDEMO") return game::kHL;
  const std::size_t dot = header.find(".bs");
  const std::string map = dot == std::string::npos ? header.substr(0, 3) : header.substr(dot + 1, 3);
  return map == "bsp" ? game::kQ1 : game::kUT;
}

// Only the end of the program leaves this function: a failure of the play operation is
// reported here as well.
void DispatchDemFile(Program& program) {
  try {
    Play(program, ClassifyDemHeader(ReadDemHeader(program)).c_str());
  } catch (const RaisedFailure& raised) {
    ReportError(program, raised.failure());
  }
  program.platform.system.EndProgram();
}

// The release files are tried in name order; the matching one stays selected in the
// splash window's list, where the Quake 3 playback reads which release to switch to.
void DispatchDemo(Program& program) {
  const std::string& demo = program.demoPath;
  if (EndsWith(demo, ".dem")) return DispatchDemFile(program);
  if (EndsWith(demo, ".efdemo")) return Play(program, game::kSTVEF);
  if (EndsWith(demo, ".dm2")) return Play(program, game::kQ2);

  ui::FileList& releases = program.frmSplash.lstFiles;
  OrRaise(releases.SetPath(program.platform.system.ProgramDirectory() + "\\Versions"));
  for (int i = 0; i < releases.Count(); ++i) {
    releases.Select(i);
    std::string file = releases.Path();
    if (file.empty() || file.back() != '\\') file += "\\";
    file += releases.FileName();
    program.demoExtension =
        program.platform.profile.ReadString(file, kReleaseSection, "DemoExt", kReleaseMissing);
    if (program.demoExtension != kReleaseMissing && EndsWith(demo, program.demoExtension))
      return Play(program, game::kQ3A);
  }
  ResumeLoad(program);
}

}  // namespace kalv
