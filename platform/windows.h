// Windows and their controls as the portable code sees them: a handle per control that
// keeps caption, enabled, visible, value, items and selection, and events per control id.
// Layout lives in dialog templates; code only binds control ids.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kalv {

class ControlHandle {
 public:
  virtual ~ControlHandle() = default;
  virtual void SetText(const std::string& text) = 0;
  virtual std::string Text() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Visible() const = 0;
  // Check state (0/1), progress position (0-100) or selected tab. A progress bar on
  // screen shows a new position at its next Repaint.
  virtual void SetValue(int value) = 0;
  virtual int Value() const = 0;
  // List and drop-down entries; selection -1 means none.
  virtual void ClearItems() = 0;
  virtual void AddItem(const std::string& item) = 0;
  virtual int ItemCount() const = 0;
  virtual std::string Item(int index) const = 0;
  virtual void SetSelection(int index) = 0;
  virtual int Selection() const = 0;
  // Paints the control now, without waiting for the message loop.
  virtual void Repaint() = 0;
  // A report list: its column headers and widths (in dialog units, so that they follow the
  // display's scale) and rows of cells. Its items above are the rows' first cells, its
  // selection the selected row, and Value the column whose header was clicked last.
  virtual void SetColumns(const std::vector<std::string>& /*headers*/,
                          const std::vector<int>& /*widths*/) {}
  virtual std::vector<int> ColumnWidths() const { return {}; }
  virtual void AddRow(const std::vector<std::string>& /*cells*/) {}
  virtual std::vector<std::string> Row(int /*index*/) const { return {}; }
  // Marks the header of the column the rows are ordered by, with the order's direction.
  virtual void ShowSorted(int /*column*/, bool /*descending*/) {}
};

enum class Event {
  Click,     // button, check box, label, list or drop-down selection, tab change
  Change,    // the user edited a text box
  Close,     // the window's close box
  Activate,  // a double click on a list's row
  Column,    // a click on a report list's column header (its Value names the column)
  Reload,    // F5 in a list
};

class WindowHandle : public ControlHandle {
 public:
  // The control with the given id of this window's template.
  virtual ControlHandle& Control(int id) = 0;
  // id 0 with Event::Close addresses the window itself.
  virtual void OnEvent(int id, Event event, std::function<void()> handler) = 0;
  // An opaque identity of the native window (for owners of dialogs).
  virtual std::uintptr_t Native() const = 0;
  // Makes the native window now, still hidden, where it would otherwise be made when first
  // needed: its cost then falls where nobody waits for it.
  virtual void MakeNow() {}
  // Runs step between the window's messages, again and again while it returns true, so that
  // long work leaves the window responsive; nothing stops it. A new step replaces the last.
  virtual void WhileIdle(std::function<bool()> step) = 0;
};

class WindowFactory {
 public:
  virtual ~WindowFactory() = default;
  // Creates the window of a dialog template, hidden.
  virtual std::unique_ptr<WindowHandle> CreateWindowFromTemplate(int templateId) = 0;
};

}  // namespace kalv
