#include "launcher/cd_prompt.h"

#include "launcher/base/localized.h"

namespace kalv {

std::optional<std::string> AskForCd(Program& program, const CdNeed& cd) {
  const Install install = program.install();
  for (;;) {
    if (auto drive = cd.find(install)) return drive;
    const auto text = Localized(program, cd.prompt);
    if (!text || program.platform.dialogs.MessageBox(*text, cd.title, Icon::Information,
                                                     Buttons::RetryCancel) != Answer::Retry)
      return std::nullopt;
  }
}

}  // namespace kalv
