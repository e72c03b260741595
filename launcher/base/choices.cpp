#include "launcher/base/choices.h"

#include "games/game_table.h"
#include "games/setting_names.h"
#include "launcher/base/program.h"
#include "launcher/base/settings.h"

namespace kalv {

// An absent label reads as none chosen (" /"), as the options window shows it.
Choices LoadChoices(Program& program) {
  Choices choices = program.choices;
  auto stored = [&](const char* key, const char* fallback) {
    return ReadSetting(program, key, fallback);
  };
  choices.q3aMod = ModChoice{stored(setting::kModification, mod::kNone),
                             StoredSetting(program, setting::kModificationOption)};
  choices.stvefMod = ModChoice{stored(setting::kModificationSTVEF, mod::kNone),
                               StoredSetting(program, setting::kModificationOptionSTVEF)};
  choices.utPlayback =
      UTPlayback{stored(setting::kUTNoFrameCap, "0"), stored(setting::kUTTimeBased, "1"),
                 stored(setting::kUTThirdPerson, "0")};
  choices.q1Executable = stored(setting::kQ1Executable, "");
  const auto language = SettingInteger(stored(setting::kLanguage, "0"));
  if (language && IsLanguage(*language)) choices.language = *language;
  return choices;
}

void SaveChoices(Program& program, bool playbackOptions) {
  const Choices& c = program.choices;
  auto store = [&](const char* key, const std::string& text) {
    Skip(WriteSetting(program, key, text));
  };
  store(setting::kModification, c.q3aMod.label);
  store(setting::kModificationOption, c.q3aMod.option.value_or("0"));
  store(setting::kModificationSTVEF, c.stvefMod.label);
  store(setting::kModificationOptionSTVEF, c.stvefMod.option.value_or("0"));
  store(setting::kQ1Executable, c.q1Executable);
  for (const Game* game : Games()) store(game->dirSetting, c.dir(game->code));
  if (playbackOptions) {
    store(setting::kUTNoFrameCap, c.utPlayback.noFrameCap);
    store(setting::kUTTimeBased, c.utPlayback.timeBased);
    store(setting::kUTThirdPerson, c.utPlayback.thirdPerson);
  }
}

}  // namespace kalv
