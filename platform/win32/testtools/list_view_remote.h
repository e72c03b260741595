// Reading and clicking another program's report list view. Its messages carry pointers,
// which the system does not carry across processes, so the structures they point to are
// placed in the list's own process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kalv::testtools {

// The headers of the list's columns, in column order.
std::vector<std::wstring> ListViewHeaders(HWND list);
// The cells of every row, in row order.
std::vector<std::vector<std::wstring>> ListViewRows(HWND list);
int ListViewSelection(HWND list);
// Clicks the header of column index as a mouse would; false when there is no such column.
bool ClickListViewHeader(HWND list, int index);

}  // namespace kalv::testtools
