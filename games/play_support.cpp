#include "games/play_support.h"

#include "launcher/base/messages.h"
#include "launcher/base/settings.h"
#include "launcher/base/texts.h"

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
  return EqualsNoCase(program.demoPath, target);
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

}  // namespace kalv
