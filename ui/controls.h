// Typed controls of the portable windows. Each wraps the handle of one control of a
// window's template; events are std::functions the window's code installs, which the
// real window procedure calls and a test calls directly.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/windows.h"

namespace kalv::ui {

class Control {
 public:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  // Binds the control to id of window and routes the window's click events to click.
  virtual void Bind(WindowHandle& window, int id);
  bool bound() const { return handle_ != nullptr; }

  void SetCaption(const std::string& text) { handle().SetText(text); }
  std::string Caption() const { return handle().Text(); }
  void SetEnabled(bool enabled) { handle().SetEnabled(enabled); }
  bool Enabled() const { return handle().Enabled(); }
  void SetVisible(bool visible) { handle().SetVisible(visible); }
  bool Visible() const { return handle().Visible(); }
  void Refresh() { handle().Repaint(); }

  std::function<void()> click;

 protected:
  ControlHandle& handle() const { return *handle_; }

 private:
  ControlHandle* handle_ = nullptr;
};

using Label = Control;
using Button = Control;
using Frame = Control;
using Picture = Control;

// A text box; setting a different text runs its change handling, as typing does.
class TextBox : public Control {
 public:
  void Bind(WindowHandle& window, int id) override;
  void SetText(const std::string& text);
  std::string Text() const { return Caption(); }
  std::function<void()> change;
};

class CheckBox : public Control {
 public:
  void SetValue(int value) { handle().SetValue(value); }
  int Value() const { return handle().Value(); }
};

class ProgressBar : public Control {
 public:
  // Moves the bar's value; Refresh shows it, so the caller decides how often it is drawn.
  void SetValue(int value) { handle().SetValue(value); }
  int Value() const { return handle().Value(); }
};

// A drop-down or list of texts; click runs when the user changes the selection.
class ListControl : public Control {
 public:
  void Clear() { handle().ClearItems(); }
  void Add(const std::string& item) { handle().AddItem(item); }
  int Count() const { return handle().ItemCount(); }
  std::string Item(int index) const { return handle().Item(index); }
  void Select(int index) { handle().SetSelection(index); }
  int Selected() const { return handle().Selection(); }
  // The selected entry's text; "" when none is selected.
  std::string Text() const;
};

using ComboBox = ListControl;

// A report list: columns, rows of cells, one selected row. click runs when the user selects
// a row, activate on a double click on one, column on a click on a header (ClickedColumn
// names it), reload on F5.
class TableControl : public ListControl {
 public:
  void Bind(WindowHandle& window, int id) override;
  void SetColumns(const std::vector<std::string>& headers, const std::vector<int>& widths) {
    handle().SetColumns(headers, widths);
  }
  std::vector<int> ColumnWidths() const { return handle().ColumnWidths(); }
  void AddRow(const std::vector<std::string>& cells) { handle().AddRow(cells); }
  std::vector<std::string> Row(int index) const { return handle().Row(index); }
  int ClickedColumn() const { return handle().Value(); }
  void ShowSorted(int sorted, bool descending) { handle().ShowSorted(sorted, descending); }

  std::function<void()> activate;
  std::function<void()> column;
  std::function<void()> reload;
};

// A tab strip; value is the selected tab, click runs on a change.
class TabStrip : public Control {
 public:
  void Select(int index) { handle().SetValue(index); }
  int Selected() const { return handle().Value(); }
  // The tabs are the handle's items (a dialog template cannot hold them).
  void AddTab(const std::string& caption) { handle().AddItem(caption); }
  int TabCount() const { return handle().ItemCount(); }
  std::string TabCaption(int index) const { return handle().Item(index); }
};

// A top-level window made from a dialog template; created once, shown and hidden.
class Window {
 public:
  void Create(WindowFactory& factory, int templateId);
  bool created() const { return handle_ != nullptr; }
  WindowHandle& handle() const { return *handle_; }

  void Show() { handle_->SetVisible(true); }
  void MakeNow() { handle_->MakeNow(); }
  void Hide() { handle_->SetVisible(false); }
  bool Visible() const { return handle_->Visible(); }
  void SetEnabled(bool enabled) { handle_->SetEnabled(enabled); }
  bool Enabled() const { return handle_->Enabled(); }
  void SetCaption(const std::string& text) { handle_->SetText(text); }
  std::string Caption() const { return handle_->Text(); }
  void Refresh() { handle_->Repaint(); }
  // Runs step between the window's messages while it returns true (WindowHandle::WhileIdle).
  void WhileIdle(std::function<bool()> step) { handle_->WhileIdle(std::move(step)); }

  // The close box.
  std::function<void()> close;

 private:
  std::unique_ptr<WindowHandle> handle_;
};

}  // namespace kalv::ui
