// A report list view as a control handle: columns with headers, rows of cells, one
// selected row, and the column whose header was clicked last.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/child_control.h"

namespace kalv::win32 {

class ListViewControl : public ChildControl {
 public:
  ListViewControl(HWND hwnd, int& quietDepth);

  void SetValue(int value) override { clickedColumn_ = value; }
  int Value() const override { return clickedColumn_; }
  void ClearItems() override;
  void AddItem(const std::string& item) override { AddRow({item}); }
  int ItemCount() const override;
  std::string Item(int index) const override;
  void SetSelection(int index) override;
  int Selection() const override;
  void SetColumns(const std::vector<std::string>& headers, const std::vector<int>& widths) override;
  std::vector<int> ColumnWidths() const override;
  void AddRow(const std::vector<std::string>& cells) override;
  std::vector<std::string> Row(int index) const override;
  void ShowSorted(int column, bool descending) override;

 private:
  std::string Cell(int row, int column) const;
  int Columns() const;
  // Dialog units across to pixels and back, by the dialog's font and scale.
  int Pixels(int units) const;
  int Units(int pixels) const;

  int clickedColumn_ = -1;
};

}  // namespace kalv::win32
