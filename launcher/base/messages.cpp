#include "launcher/base/messages.h"

#include "launcher/base/localized.h"
#include "launcher/base/texts.h"
#include "ui/text_ids.h"

namespace kalv {

// Each message marks the run as failed, also when an unknown language shows nothing.
void ReportError(Program& program, const Failure& failure) {
  program.exitCode = 1;
  const auto intro = Localized(program, ids::kErrorIntro, 3);
  if (!intro) return;
  const std::string number = std::to_string(failure.number);
  const std::string text = *intro + " " + number + " - " + failure.description +
                           *Localized(program, ids::kErrorAdvice, 3) + " " + program.commandLine;
  const std::string title =
      kErrorTitlePrefix + *Localized(program, ids::kErrorTitle, 3) + " (" + number + ")";
  program.platform.dialogs.MessageBox(text, title, Icon::Critical, Buttons::Ok);
}

// The German and Afrikaans advice rows name a game of their own; they stand as they are.
void ReportAccessDenied(Program& program, const std::string& gameText) {
  program.exitCode = 1;
  const auto intro = Localized(program, ids::kAccessIntro);
  if (!intro) return;
  program.platform.dialogs.MessageBox(*intro + gameText + *Localized(program, ids::kAccessAdvice),
                                      *Localized(program, ids::kDeniedTitle, 2), Icon::Critical,
                                      Buttons::Ok);
}

void ReportMissingDirectory(Program& program, const std::string& gameText) {
  program.exitCode = 1;
  const auto intro = Localized(program, ids::kMissingIntro);
  if (!intro) return;
  program.platform.dialogs.MessageBox(*intro + gameText + *Localized(program, ids::kMissingAdvice),
                                      kProgramTitle, Icon::Critical, Buttons::Ok);
}

void ReportFailure(Program& program, int message, const std::vector<std::string>& args) {
  program.exitCode = 1;
  if (const auto text = LocalizedMessage(program, message, args))
    program.platform.dialogs.MessageBox(*text, kProgramTitle, Icon::Critical, Buttons::Ok);
}

void ReportHandled(Program& program, const Failure& failure, const std::string& gameText) {
  if (failure.number == err::kPermissionDenied)
    ReportAccessDenied(program, gameText);
  else
    ReportError(program, failure);
}

void ShowNotice(Program& program, const Notice& notice, bool failing) {
  const int exitCode = program.exitCode;
  switch (notice.kind) {
    case Notice::Kind::Silent: break;
    case Notice::Kind::MissingDirectory: ReportMissingDirectory(program, notice.text); break;
    case Notice::Kind::Error: ReportError(program, notice.failure); break;
    case Notice::Kind::Text: ReportFailure(program, notice.id, notice.args); break;
    case Notice::Kind::UnknownProtocol:
      if (const auto word = Localized(program, notice.id))
        program.platform.dialogs.MessageBox(
            *word + " " + notice.text + " - " + *Localized(program, notice.detail), kProgramTitle,
            Icon::Critical, Buttons::Ok);
      break;
  }
  if (!failing) program.exitCode = exitCode;
}

bool AskNotice(Program& program, const Notice& question) {
  const auto text = LocalizedMessage(program, question.id, question.args);
  return text && program.platform.dialogs.MessageBox(*text, kProgramTitle, Icon::Question,
                                                     Buttons::YesNo) == Answer::Yes;
}

}  // namespace kalv
