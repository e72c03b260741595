#include "games/play_support.h"

#include "launcher/base/functions.h"
#include "launcher/base/messages.h"
#include "launcher/base/settings.h"
#include "launcher/base/texts.h"
#include "platform/restore_journal.h"

namespace kalv {

ModChoice ReadModChoice(Program& program, const char* modSetting, const char* optionSetting) {
  const std::string label = ReadSetting(program, modSetting, "");
  ModChoice choice;
  if (label.size() > mod::kPrefixLength && label != mod::kNone)
    choice.dir = label.substr(mod::kPrefixLength);
  choice.use = !choice.dir.empty() && ReadSetting(program, optionSetting, "0") != "0";
  return choice;
}

bool IsOwnDemo(Program& program, const std::string& target) {
  return program.platform.files.SameFile(program.demoPath, target);
}

void EndUnlessDemoExists(Program& program) {
  const Status readable = program.platform.files.CanOpenForRead(program.demoPath);
  if (readable) return;
  ReportError(program, readable.failure());
  program.End();
}

void PauseBeforeGame(Program& program) {
  program.platform.processes.Sleep(kPauseBeforeGameMilliseconds);
}

void BeginRun(Program& program, const char* gameCode, const Steps& undo,
              const std::string& switchBackDir) {
  RestoreRecord record;
  record.game = gameCode;
  record.undo = undo;
  record.switchBackDir = switchBackDir;
  Skip(RestoreJournal(program.platform.registry, gameCode).Write(record));
}

void UndoRun(Program& program, const char* gameCode, const Steps& undo, bool switchedBack) {
  if (UndoEach(program.platform.files, undo) && switchedBack)
    Skip(RestoreJournal(program.platform.registry, gameCode).Clear());
}

void PrepareWithDemo(Program& program, const Steps& steps, const std::string& demoTarget,
                     bool ownDemo) {
  ApplyEach(program.platform.files, steps);
  if (!ownDemo) CopyFileWithProgress(program, program.demoPath, demoTarget);
}

void PlayHandled(Program& program, const char* gameName, const std::function<void()>& play,
                 const std::function<void()>& undo) {
  try {
    play();
    return;
  } catch (const RaisedFailure& raised) {
    ReportHandled(program, raised.failure(), gameName);
  }
  undo();
  program.End();
}

}  // namespace kalv
