#include "platform/fake/fake_platform.h"

namespace kalv::fake {

namespace {
// What the program holds: every call goes to the window the factory keeps.
class ForwardingWindow : public WindowHandle {
 public:
  explicit ForwardingWindow(FakeWindow& window) : w_(window) {}
  ControlHandle& Control(int id) override { return w_.Control(id); }
  void OnEvent(int id, Event event, std::function<void()> handler) override {
    w_.OnEvent(id, event, std::move(handler));
  }
  std::uintptr_t Native() const override { return w_.Native(); }
  void SetText(const std::string& t) override { w_.SetText(t); }
  std::string Text() const override { return w_.Text(); }
  void SetEnabled(bool e) override { w_.SetEnabled(e); }
  bool Enabled() const override { return w_.Enabled(); }
  void SetVisible(bool v) override { w_.SetVisible(v); }
  bool Visible() const override { return w_.Visible(); }
  void SetValue(int v) override { w_.SetValue(v); }
  int Value() const override { return w_.Value(); }
  void ClearItems() override { w_.ClearItems(); }
  void AddItem(const std::string& item) override { w_.AddItem(item); }
  int ItemCount() const override { return w_.ItemCount(); }
  std::string Item(int index) const override { return w_.Item(index); }
  void SetSelection(int index) override { w_.SetSelection(index); }
  int Selection() const override { return w_.Selection(); }
  void Repaint() override { w_.Repaint(); }
  void WhileIdle(std::function<bool()> step) override { w_.WhileIdle(std::move(step)); }

 private:
  FakeWindow& w_;
};
}  // namespace

std::string FakeControl::Item(int index) const {
  if (index < 0 || index >= ItemCount()) return std::string();
  return items[static_cast<std::size_t>(index)];
}

std::vector<std::string> FakeControl::Row(int index) const {
  if (index < 0 || index >= static_cast<int>(rows.size())) return {};
  return rows[static_cast<std::size_t>(index)];
}

// A list control refuses an index past its entries by selecting nothing.
void FakeControl::SetSelection(int index) {
  selection = index >= 0 && index < ItemCount() ? index : -1;
}

FakeControl& FakeWindow::control(int id) {
  auto& slot = controls_[id];
  if (!slot) slot = std::make_unique<FakeControl>();
  return *slot;
}

void FakeWindow::Fire(int id, Event event) {
  auto it = handlers_.find({id, event});
  if (it == handlers_.end() || !it->second) return;
  // A copy, so a handler that replaces itself does not destroy the running function.
  std::function<void()> handler = it->second;
  handler();
}

// A step may replace itself (or stop) while it runs, so each round runs a copy.
bool FakeWindow::RunIdle() {
  if (!idle_) return false;
  while (idle_) {
    const std::function<bool()> step = idle_;
    const int generation = idleGeneration_;
    if (!step() && generation == idleGeneration_) idle_ = nullptr;
  }
  return true;
}

bool FakeWindow::HasHandler(int id, Event event) const {
  auto it = handlers_.find({id, event});
  return it != handlers_.end() && static_cast<bool>(it->second);
}

void FakeWindow::OnEvent(int id, Event event, std::function<void()> handler) {
  handlers_[{id, event}] = std::move(handler);
}

std::unique_ptr<WindowHandle> FakeWindowFactory::CreateWindowFromTemplate(int templateId) {
  owned_.push_back(std::make_unique<FakeWindow>(templateId));
  created_.push_back(owned_.back().get());
  return std::make_unique<ForwardingWindow>(*owned_.back());
}

FakeWindow* FakeWindowFactory::Find(int templateId) const {
  for (FakeWindow* window : created_)
    if (window->templateId() == templateId) return window;
  return nullptr;
}

// Every user has a local application data folder, as on Windows.
FakePlatform::FakePlatform()
    : platform_{files, registry, profile, processes, dialogs, system, windows} {
  if (system.localAppData) files.AddDirectory(*system.localAppData);
}

}  // namespace kalv::fake
