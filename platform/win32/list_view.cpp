#include "platform/win32/list_view.h"

#include <commctrl.h>

#include "platform/win32/wide.h"

namespace kalv::win32 {

namespace {

// A cell's text is read back through a buffer of this many characters.
constexpr int kCellCharacters = 512;
constexpr int kUnitsMeasured = 400;

}  // namespace

// Whole rows are selected and drawn without flicker while the list fills.
ListViewControl::ListViewControl(HWND hwnd, int& quietDepth) : ChildControl(hwnd, quietDepth) {
  const LPARAM extended = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_HEADERDRAGDROP;
  Send(LVM_SETEXTENDEDLISTVIEWSTYLE, static_cast<WPARAM>(extended), extended);
}

int ListViewControl::Pixels(int units) const {
  RECT r{0, 0, units, 0};
  MapDialogRect(GetParent(hwnd()), &r);
  return r.right;
}

int ListViewControl::Units(int pixels) const {
  const int measured = Pixels(kUnitsMeasured);
  return measured > 0 ? (pixels * kUnitsMeasured + measured / 2) / measured : pixels;
}

int ListViewControl::Columns() const {
  const auto header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
  const LRESULT n = header ? SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) : 0;
  return n < 0 ? 0 : static_cast<int>(n);
}

void ListViewControl::SetColumns(const std::vector<std::string>& headers,
                                 const std::vector<int>& widths) {
  for (int n = Columns(); n > 0; --n) Send(LVM_DELETECOLUMN, 0);
  for (std::size_t i = 0; i < headers.size(); ++i) {
    std::wstring text = Wide(headers[i]);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = text.data();
    column.cx = Pixels(i < widths.size() ? widths[i] : 50);
    column.iSubItem = static_cast<int>(i);
    Send(LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
}

std::vector<int> ListViewControl::ColumnWidths() const {
  std::vector<int> widths;
  for (int i = 0, n = Columns(); i < n; ++i)
    widths.push_back(Units(static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i)))));
  return widths;
}

void ListViewControl::ClearItems() { Send(LVM_DELETEALLITEMS); }

void ListViewControl::AddRow(const std::vector<std::string>& cells) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = ItemCount();
  for (std::size_t i = 0; i < cells.size(); ++i) {
    std::wstring text = Wide(cells[i]);
    item.iSubItem = static_cast<int>(i);
    item.pszText = text.data();
    if (i == 0)
      item.iItem = static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    else
      Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(item.iItem), reinterpret_cast<LPARAM>(&item));
    if (item.iItem < 0) return;
  }
}

int ListViewControl::ItemCount() const {
  const LRESULT n = Send(LVM_GETITEMCOUNT);
  return n < 0 ? 0 : static_cast<int>(n);
}

std::string ListViewControl::Cell(int row, int column) const {
  std::vector<wchar_t> buffer(kCellCharacters, L'\0');
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = buffer.data();
  item.cchTextMax = kCellCharacters;
  const LRESULT n =
      Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return n > 0 ? Utf8(buffer.data(), static_cast<std::size_t>(n)) : std::string();
}

std::string ListViewControl::Item(int index) const {
  if (index < 0 || index >= ItemCount()) return std::string();
  return Cell(index, 0);
}

std::vector<std::string> ListViewControl::Row(int index) const {
  std::vector<std::string> cells;
  if (index < 0 || index >= ItemCount()) return cells;
  for (int i = 0, n = Columns(); i < n; ++i) cells.push_back(Cell(index, i));
  return cells;
}

// The selected row is also the focused one and scrolled into view, as a click makes it.
void ListViewControl::SetSelection(int index) {
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = 0;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  if (index < 0 || index >= ItemCount()) return;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&state));
  Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

// The system draws the arrow of HDF_SORTUP and HDF_SORTDOWN; one header has it at a time.
void ListViewControl::ShowSorted(int column, bool descending) {
  const auto header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
  if (!header) return;
  for (int i = 0, n = Columns(); i < n; ++i) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    if (!SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(i),
                      reinterpret_cast<LPARAM>(&item)))
      continue;
    item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
    if (i == column) item.fmt |= descending ? HDF_SORTDOWN : HDF_SORTUP;
    SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
}

int ListViewControl::Selection() const {
  const LRESULT n = Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
  return n < 0 ? -1 : static_cast<int>(n);
}

}  // namespace kalv::win32
