#include "ui/controls.h"

namespace kalv::ui {

void Control::Bind(WindowHandle& window, int id) {
  handle_ = &window.Control(id);
  window.OnEvent(id, Event::Click, [this] {
    if (click) click();
  });
}

void TextBox::Bind(WindowHandle& window, int id) {
  Control::Bind(window, id);
  window.OnEvent(id, Event::Change, [this] {
    if (change) change();
  });
}

void TextBox::SetText(const std::string& text) {
  if (text == Caption()) return;
  SetCaption(text);
  if (change) change();
}

std::string ListControl::Text() const {
  const int index = Selected();
  return index >= 0 && index < Count() ? Item(index) : std::string();
}

void Window::Create(WindowFactory& factory, int templateId) {
  handle_ = factory.CreateWindowFromTemplate(templateId);
  handle_->OnEvent(0, Event::Close, [this] {
    if (close) close();
  });
}

}  // namespace kalv::ui
