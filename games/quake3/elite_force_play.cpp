#include "games/quake3/elite_force_play.h"

#include "games/play_support.h"
#include "games/quake3/elite_force_files.h"
#include "launcher/base/functions.h"
#include "launcher/base/messages.h"
#include "launcher/base/setting_names.h"
#include "launcher/base/texts.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

constexpr std::size_t kHeaderBytes = 255;

// The protocol as the demo's copy in the game folder tells it.
std::string ReadProtocol(Program& program, const DemoRun& run) {
  auto stream = OrRaise(program.platform.files.OpenRead(run.dir + stvef::kFixedDemo));
  return DemoProtocol(OrRaise(stream->Read(kHeaderBytes)));
}

// The installed version as the main window's status line ends ("v1.20").
std::string InstalledVersion(Program& program) {
  const std::string status = program.frmDemPla.lblSTVEFStatus.Caption();
  return status.size() >= 5 ? status.substr(status.size() - 5) : status;
}

void ShowProtocolMessage(Program& program, const std::string& text) {
  program.platform.dialogs.MessageBox(text, kProgramTitle, Icon::Critical, Buttons::Ok);
}

// False when the installed version cannot play the demo's protocol (after saying so).
// Protocol 22 was recorded by 1.00 and 1.10, which both play it; 24 needs 1.20.
bool ProtocolPlays(Program& program, const std::string& protocol) {
  const std::string installed = InstalledVersion(program);
  int refusal = 0;
  if (protocol == "24" && installed != "v1.20") refusal = ids::kProtocol24;
  if (protocol == "22" && installed != "v1.10" && installed != "v1.00") refusal = ids::kProtocol22;
  if (refusal) {
    program.exitCode = 1;
    if (const auto text = Localized(program, refusal)) ShowProtocolMessage(program, *text);
    return false;
  }
  if (protocol != "24" && protocol != "22") {
    if (const auto word = Localized(program, ids::kProtocolWord))
      ShowProtocolMessage(
          program, *word + " " + protocol + " - " + *Localized(program, ids::kProtocolUnknown));
  }
  return true;
}

}  // namespace

DemoRun CurrentSTVEFRun(Program& program) {
  DemoRun run;
  run.dir = program.stvefDir;
  run.installDir = program.platform.system.ProgramDirectory();
  const ModChoice mod =
      ReadModChoice(program, setting::kModificationSTVEF, setting::kModificationOptionSTVEF);
  run.mod = mod.dir;
  run.useMod = mod.use;
  run.ownDemo = IsOwnDemo(program, run.dir + stvef::kFixedDemo);
  return run;
}

// A refused demo, and every failure after the preparation, is undone before the end.
void PlaySTVEFDemo(Program& program) {
  const std::string& dir = program.stvefDir;
  if (dir.empty() || !FileExists(program, dir + stvef::kPak0)) {
    ReportMissingDirectory(program, name::kSTVEF);
    program.End();
  }
  EndUnlessDemoExists(program);
  const DemoRun run = CurrentSTVEFRun(program);
  BeginRun(program, game::kSTVEF, UndoSTVEF(run));
  PlayHandled(
      program, name::kSTVEF,
      [&] {
        PrepareWithDemo(program, PrepareSTVEF(run), dir + stvef::kFixedDemo, run.ownDemo);
        if (!ProtocolPlays(program, ReadProtocol(program, run))) RestoreSTVEF(program);
        if (run.useMod)
          Skip(program.platform.files.SetAttributes(dir + "\\" + run.mod + stvef::kModConfig,
                                                    attr::kReadOnly));
        PauseBeforeGame(program);
        RunGameAndWait(program, dir + stvef::kExecutable, STVEFCommandLine(run), game::kSTVEF);
      },
      [&] { UndoSTVEFRun(program); });
  RestoreSTVEF(program);
}

void UndoSTVEFRun(Program& program) {
  UndoRun(program, game::kSTVEF, UndoSTVEF(CurrentSTVEFRun(program)));
}

void RestoreSTVEF(Program& program) {
  UndoSTVEFRun(program);
  program.End();
}

}  // namespace kalv
