#include "launcher/messages.h"

#include "launcher/constants.h"
#include "launcher/functions.h"

namespace kalv {

namespace {

// String-table rows of the messages; each is the English row, the other languages follow.
constexpr int kErrorIntro = 110;        // + 3·L
constexpr int kErrorAdvice = 111;       // + 3·L
constexpr int kErrorTitle = 112;        // + 3·L
constexpr int kAccessDeniedTitle = 105; // + 2·L
constexpr int kAccessIntro = 418;       // + L
constexpr int kAccessAdvice = 421;      // + L
constexpr int kMissingIntro = 412;      // + L
constexpr int kMissingAdvice = 415;     // + L

// The language of the next message, or -1 when no message may be shown.
int MessageLanguage(Program& program) {
  const int language = program.Language();
  return language >= 0 && language <= 2 ? language : -1;
}

}  // namespace

void ReportError(Program& program, const Failure& failure) {
  const int l = MessageLanguage(program);
  if (l < 0) return;
  const std::string number = std::to_string(failure.number);
  const std::string text = LoadText(program, kErrorIntro + 3 * l) + " " + number + " - " +
                           failure.description + LoadText(program, kErrorAdvice + 3 * l) +
                           " " + program.commandLine;
  const std::string title =
      kErrorTitlePrefix + LoadText(program, kErrorTitle + 3 * l) + " (" + number + ")";
  program.platform.dialogs.MessageBox(text, title, Icon::Critical, Buttons::Ok);
}

// The German and Afrikaans advice rows name a game of their own; they stand as they are.
void ReportAccessDenied(Program& program, const std::string& gameText) {
  const int l = MessageLanguage(program);
  if (l < 0) return;
  const std::string text =
      LoadText(program, kAccessIntro + l) + gameText + LoadText(program, kAccessAdvice + l);
  program.platform.dialogs.MessageBox(text, LoadText(program, kAccessDeniedTitle + 2 * l),
                                      Icon::Critical, Buttons::Ok);
}

void ReportMissingDirectory(Program& program, const std::string& gameText) {
  const int l = MessageLanguage(program);
  if (l < 0) return;
  const std::string text =
      LoadText(program, kMissingIntro + l) + gameText + LoadText(program, kMissingAdvice + l);
  program.platform.dialogs.MessageBox(text, kProgramTitle, Icon::Critical, Buttons::Ok);
}

}  // namespace kalv
