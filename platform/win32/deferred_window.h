// A dialog whose native window is made the first time something needs it: when it is
// shown, asked for its native identity, or asked what only its real controls can tell.
// Until then it keeps what the program sets, starting from what its template says, and
// answers as the real controls would; when the window is made, the same calls reach it in
// the same order. Under Wine each control made costs about a millisecond, and a demo that
// plays never shows most of the program's windows.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/dialog_template.h"
#include "platform/windows.h"

namespace kalv::win32 {

class DeferredWindow;

class DeferredControl : public ControlHandle {
 public:
  DeferredControl(DeferredWindow& window, const TemplateControl& layout);

  void SetText(const std::string& text) override;
  std::string Text() const override;
  void SetEnabled(bool enabled) override;
  bool Enabled() const override;
  void SetVisible(bool visible) override;
  bool Visible() const override;
  void SetValue(int value) override;
  int Value() const override;
  void ClearItems() override;
  void AddItem(const std::string& item) override;
  int ItemCount() const override;
  std::string Item(int index) const override;
  void SetSelection(int index) override;
  int Selection() const override;
  void Repaint() override;

  // From now on every call goes to the real control.
  void Attach(ControlHandle& real) { real_ = &real; }

 private:
  ControlHandle& Real() const;
  void Record(std::function<void(ControlHandle&)> call);
  bool HoldsItems() const;

  DeferredWindow& window_;
  TemplateControl layout_;
  ControlHandle* real_ = nullptr;
  // What the real control would answer; nothing where only the real control can tell.
  std::optional<std::string> text_;
  bool enabled_;
  std::optional<int> value_;
  std::optional<std::vector<std::string>> items_;
  std::optional<int> selection_;
};

class DeferredWindow : public WindowHandle {
 public:
  using Maker = std::function<std::unique_ptr<WindowHandle>()>;
  DeferredWindow(DialogTemplate layout, Maker make);

  // Whether the native window exists yet.
  bool made() const { return real_ != nullptr; }

  ControlHandle& Control(int id) override;
  void OnEvent(int id, Event event, std::function<void()> handler) override;
  std::uintptr_t Native() const override;
  void MakeNow() override { Made(); }
  void WhileIdle(std::function<bool()> step) override { Made().WhileIdle(std::move(step)); }

  void SetText(const std::string& text) override;
  std::string Text() const override;
  void SetEnabled(bool enabled) override;
  bool Enabled() const override;
  void SetVisible(bool visible) override;
  bool Visible() const override;
  void SetValue(int value) override;
  int Value() const override;
  void ClearItems() override;
  void AddItem(const std::string& item) override;
  int ItemCount() const override;
  std::string Item(int index) const override;
  void SetSelection(int index) override;
  int Selection() const override;
  void Repaint() override;

 private:
  friend class DeferredControl;
  // The native window, made and brought up to date when it does not exist yet.
  WindowHandle& Made() const;
  void Record(std::function<void(WindowHandle&)> call);

  DialogTemplate layout_;
  Maker make_;
  std::string caption_;
  bool enabled_;
  // Declared before the controls, which refer to its controls and so go first.
  mutable std::unique_ptr<WindowHandle> real_;
  mutable std::vector<std::function<void(WindowHandle&)>> calls_;
  std::map<int, std::unique_ptr<DeferredControl>> controls_;
};

}  // namespace kalv::win32
