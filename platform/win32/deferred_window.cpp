#include "platform/win32/deferred_window.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"

namespace kalv::win32 {

namespace {

// The text a window keeps of a text it is given: UTF-16, up to its first NUL.
std::string AsWindowText(const std::string& text) {
  std::wstring wide = Wide(text);
  wide.resize(std::min(wide.size(), wide.find(L'\0')));
  return Utf8(wide);
}

bool IsCheckBox(std::uint32_t style) {
  switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return true;
    default: return false;
  }
}

bool IsPushButton(std::uint32_t style) {
  const std::uint32_t type = style & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_GROUPBOX;
}

// A picture's text names its resource; what the control keeps of it is its own affair.
bool KeepsItsText(const TemplateControl& c) {
  if (c.kind == ControlKind::Static) {
    const std::uint32_t type = c.style & SS_TYPEMASK;
    return type != SS_BITMAP && type != SS_ICON && type != SS_ENHMETAFILE;
  }
  return c.kind == ControlKind::Button || c.kind == ControlKind::Edit;
}

bool Sorted(const TemplateControl& c) {
  return (c.kind == ControlKind::ComboBox && (c.style & CBS_SORT)) ||
         (c.kind == ControlKind::ListBox && (c.style & LBS_SORT));
}

}  // namespace

// A template holds no list entries and no check marks, so lists start empty and values
// at 0; a sorted list puts entries where only the control knows.
DeferredControl::DeferredControl(DeferredWindow& window, const TemplateControl& layout)
    : window_(window), layout_(layout), enabled_((layout.style & WS_DISABLED) == 0) {
  if (KeepsItsText(layout)) text_ = AsWindowText(layout.text.value_or(""));
  value_ = 0;
  if (HoldsItems()) {
    if (!Sorted(layout)) items_.emplace();
    selection_ = -1;
  }
}

bool DeferredControl::HoldsItems() const {
  return layout_.kind == ControlKind::ComboBox || layout_.kind == ControlKind::ListBox ||
         layout_.kind == ControlKind::Tab;
}

ControlHandle& DeferredControl::Real() const {
  window_.Made();
  return *real_;
}

void DeferredControl::Record(std::function<void(ControlHandle&)> call) {
  const int id = layout_.id;
  window_.Record([id, call = std::move(call)](WindowHandle& w) { call(w.Control(id)); });
}

void DeferredControl::SetText(const std::string& text) {
  if (real_) return real_->SetText(text);
  if (KeepsItsText(layout_))
    text_ = AsWindowText(text);
  else
    text_.reset();
  Record([text](ControlHandle& c) { c.SetText(text); });
}

std::string DeferredControl::Text() const { return !real_ && text_ ? *text_ : Real().Text(); }

void DeferredControl::SetEnabled(bool enabled) {
  if (real_) return real_->SetEnabled(enabled);
  enabled_ = enabled;
  Record([enabled](ControlHandle& c) { c.SetEnabled(enabled); });
}

bool DeferredControl::Enabled() const { return real_ ? real_->Enabled() : enabled_; }

// A frame shows and hides the controls inside it, which only the real window can tell.
void DeferredControl::SetVisible(bool visible) {
  if (real_) return real_->SetVisible(visible);
  Record([visible](ControlHandle& c) { c.SetVisible(visible); });
}

bool DeferredControl::Visible() const { return Real().Visible(); }

void DeferredControl::SetValue(int value) {
  if (real_) return real_->SetValue(value);
  switch (layout_.kind) {
    case ControlKind::Button:
      if (IsCheckBox(layout_.style) && (value == 0 || value == 1))
        value_ = value;
      else if (!IsPushButton(layout_.style))
        value_.reset();
      break;
    case ControlKind::Progress: value_ = std::clamp(value, 0, 100); break;
    case ControlKind::Tab:
      if (items_ && value >= 0 && value < static_cast<int>(items_->size()))
        selection_ = value;
      else
        selection_.reset();
      break;
    default: break;
  }
  Record([value](ControlHandle& c) { c.SetValue(value); });
}

int DeferredControl::Value() const {
  if (real_) return real_->Value();
  if (layout_.kind == ControlKind::Tab) return Selection();
  return value_ ? *value_ : Real().Value();
}

void DeferredControl::ClearItems() {
  if (real_) return real_->ClearItems();
  if (!HoldsItems()) return;
  if (!Sorted(layout_)) items_.emplace();
  selection_ = -1;
  Record([](ControlHandle& c) { c.ClearItems(); });
}

// Where a tab strip's selection goes when it gets its first tab is its own affair.
void DeferredControl::AddItem(const std::string& item) {
  if (real_) return real_->AddItem(item);
  if (!HoldsItems()) return;
  if (items_) items_->push_back(AsWindowText(item));
  if (layout_.kind == ControlKind::Tab && selection_ == -1) selection_.reset();
  Record([item](ControlHandle& c) { c.AddItem(item); });
}

int DeferredControl::ItemCount() const {
  if (real_) return real_->ItemCount();
  if (!HoldsItems()) return 0;
  return items_ ? static_cast<int>(items_->size()) : Real().ItemCount();
}

// A tab's text is read back through a buffer of 256 characters.
std::string DeferredControl::Item(int index) const {
  if (real_) return real_->Item(index);
  if (!HoldsItems()) return std::string();
  if (!items_) return Real().Item(index);
  if (index < 0 || index >= static_cast<int>(items_->size())) return std::string();
  const std::string& item = (*items_)[static_cast<std::size_t>(index)];
  if (layout_.kind == ControlKind::Tab && Wide(item).size() > 255) return Real().Item(index);
  return item;
}

// An index out of range is handled differently by each kind of list; only -1 and a
// valid index are certain.
void DeferredControl::SetSelection(int index) {
  if (real_) return real_->SetSelection(index);
  if (!HoldsItems()) return;
  const bool valid = items_ && index >= 0 && index < static_cast<int>(items_->size());
  if (valid)
    selection_ = index;
  else if (index == -1 && layout_.kind != ControlKind::Tab)
    selection_ = -1;
  else
    selection_.reset();
  Record([index](ControlHandle& c) { c.SetSelection(index); });
}

int DeferredControl::Selection() const {
  if (real_) return real_->Selection();
  if (!HoldsItems()) return -1;
  return selection_ ? *selection_ : Real().Selection();
}

// A window that was never made has nothing on screen to paint.
void DeferredControl::Repaint() {
  if (real_) real_->Repaint();
}

DeferredWindow::DeferredWindow(DialogTemplate layout, Maker make)
    : layout_(std::move(layout)),
      make_(std::move(make)),
      caption_(AsWindowText(layout_.caption)),
      enabled_((layout_.style & WS_DISABLED) == 0) {}

// The controls are attached before the calls are made again, so that anything those
// calls set off reaches the real controls in its turn.
WindowHandle& DeferredWindow::Made() const {
  if (real_) return *real_;
  real_ = make_();
  for (auto& [id, control] : controls_) control->Attach(real_->Control(id));
  auto calls = std::move(calls_);
  calls_.clear();
  for (auto& call : calls) call(*real_);
  return *real_;
}

void DeferredWindow::Record(std::function<void(WindowHandle&)> call) {
  calls_.push_back(std::move(call));
}

ControlHandle& DeferredWindow::Control(int id) {
  auto found = controls_.find(id);
  if (found != controls_.end()) return *found->second;
  const TemplateControl* layout = layout_.Find(id);
  if (!layout) throw std::out_of_range("the dialog template has no control " + std::to_string(id));
  auto control = std::make_unique<DeferredControl>(*this, *layout);
  if (real_) control->Attach(real_->Control(id));
  return *controls_.emplace(id, std::move(control)).first->second;
}

void DeferredWindow::OnEvent(int id, Event event, std::function<void()> handler) {
  if (real_) return real_->OnEvent(id, event, std::move(handler));
  Record([id, event, handler = std::move(handler)](WindowHandle& w) {
    w.OnEvent(id, event, handler);
  });
}

std::uintptr_t DeferredWindow::Native() const { return Made().Native(); }

void DeferredWindow::SetText(const std::string& text) {
  if (real_) return real_->SetText(text);
  caption_ = AsWindowText(text);
  Record([text](WindowHandle& w) { w.SetText(text); });
}

std::string DeferredWindow::Text() const { return real_ ? real_->Text() : caption_; }

void DeferredWindow::SetEnabled(bool enabled) {
  if (real_) return real_->SetEnabled(enabled);
  enabled_ = enabled;
  Record([enabled](WindowHandle& w) { w.SetEnabled(enabled); });
}

bool DeferredWindow::Enabled() const { return real_ ? real_->Enabled() : enabled_; }

// Hiding a window that was never made leaves it as it is: hidden.
void DeferredWindow::SetVisible(bool visible) {
  if (visible) return Made().SetVisible(true);
  if (real_) real_->SetVisible(false);
}

bool DeferredWindow::Visible() const { return real_ && real_->Visible(); }

// A window itself has no value, entries or selection.
void DeferredWindow::SetValue(int value) {
  if (real_) real_->SetValue(value);
}
int DeferredWindow::Value() const { return real_ ? real_->Value() : 0; }
void DeferredWindow::ClearItems() {
  if (real_) real_->ClearItems();
}
void DeferredWindow::AddItem(const std::string& item) {
  if (real_) real_->AddItem(item);
}
int DeferredWindow::ItemCount() const { return real_ ? real_->ItemCount() : 0; }
std::string DeferredWindow::Item(int index) const {
  return real_ ? real_->Item(index) : std::string();
}
void DeferredWindow::SetSelection(int index) {
  if (real_) real_->SetSelection(index);
}
int DeferredWindow::Selection() const { return real_ ? real_->Selection() : -1; }

void DeferredWindow::Repaint() {
  if (real_) real_->Repaint();
}

}  // namespace kalv::win32
