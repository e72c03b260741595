#include "ui/controls.h"

#include <utility>

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

void TableControl::Bind(WindowHandle& window, int id) {
  Control::Bind(window, id);
  const std::pair<Event, std::function<void()> TableControl::*> events[] = {
      {Event::Activate, &TableControl::activate},
      {Event::Column, &TableControl::column},
      {Event::Reload, &TableControl::reload},
  };
  for (const auto& [event, member] : events)
    window.OnEvent(id, event, [this, member = member] {
      if (this->*member) (this->*member)();
    });
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
