#include "launcher/base/choices.h"

#include "launcher/base/program.h"
#include "launcher/base/setting_names.h"
#include "launcher/base/settings.h"
#include "launcher/base/texts.h"

namespace kalv {

ModChoice ModOf(const std::string& label, const std::string& option) {
  ModChoice choice;
  if (label.size() > mod::kPrefixLength && label != mod::kNone)
    choice.dir = label.substr(mod::kPrefixLength);
  choice.use = !choice.dir.empty() && option != "0";
  return choice;
}

Choices LoadChoices(Program& program) {
  Choices choices = program.choices;
  auto stored = [&](const char* key, const char* fallback) {
    return ReadSetting(program, key, fallback);
  };
  choices.q3aMod =
      ModOf(stored(setting::kModification, ""), stored(setting::kModificationOption, "0"));
  choices.stvefMod = ModOf(stored(setting::kModificationSTVEF, ""),
                           stored(setting::kModificationOptionSTVEF, "0"));
  choices.utPlayback = UTPlayback{stored(setting::kUTNoFrameCap, "0") == "1",
                                  stored(setting::kUTTimeBased, "1") == "1",
                                  stored(setting::kUTThirdPerson, "0") == "1"};
  choices.q1Executable = stored(setting::kQ1Executable, "");
  return choices;
}

}  // namespace kalv
