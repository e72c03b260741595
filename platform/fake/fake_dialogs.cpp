#include <stdexcept>

#include "platform/fake/fake_platform.h"

namespace kalv::fake {

namespace {
Answer FirstButton(Buttons buttons) {
  switch (buttons) {
    case Buttons::YesNo: return Answer::Yes;
    case Buttons::RetryCancel: return Answer::Retry;
    case Buttons::Ok:
    case Buttons::OkCancel: return Answer::Ok;
  }
  return Answer::Ok;
}
}  // namespace

Answer FakeDialogs::MessageBox(const std::string& text, const std::string& caption, Icon icon,
                               Buttons buttons, WindowHandle* owner) {
  if (messages_.size() >= kRunawayLimit)
    throw std::runtime_error("message box shown too often; last text: " + text);
  Answer answer = FirstButton(buttons);
  if (!answers.empty()) {
    answer = answers.front();
    answers.pop_front();
  }
  messages_.push_back(
      ShownMessage{text, caption, icon, buttons, answer, owner ? owner->Native() : 0});
  if (whileShown) whileShown(messages_.back());
  return answer;
}

std::optional<std::string> FakeDialogs::BrowseForFolder(WindowHandle* owner,
                                                        const std::string& title) {
  folderDialogs_.push_back(ShownFolderDialog{title, owner ? owner->Native() : 0});
  if (folders.empty()) return std::nullopt;
  std::optional<std::string> chosen = folders.front();
  folders.pop_front();
  return chosen;
}

}  // namespace kalv::fake
