#include "platform/win32/testtools/list_view_remote.h"

#include <commctrl.h>

#include "platform/win32/testtools/window_find.h"

namespace kalv::testtools {

namespace {

constexpr int kTextCharacters = 512;

// Memory in the process that owns a window, freed again when done.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND owner, std::size_t size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_)
      at_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (at_) VirtualFreeEx(process_, at_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool ok() const { return at_ != nullptr; }
  char* at() const { return static_cast<char*>(at_); }
  bool Write(std::size_t offset, const void* data, std::size_t n) {
    return offset + n <= size_ &&
           WriteProcessMemory(process_, at() + offset, data, n, nullptr) != FALSE;
  }
  bool Read(std::size_t offset, void* data, std::size_t n) const {
    return offset + n <= size_ &&
           ReadProcessMemory(process_, at() + offset, data, n, nullptr) != FALSE;
  }

 private:
  std::size_t size_;
  HANDLE process_ = nullptr;
  void* at_ = nullptr;
};

// A structure at the start of the buffer, its text right after it.
template <typename Item>
std::wstring AskText(HWND window, UINT message, WPARAM wParam, Item item, wchar_t* Item::*text,
                     int Item::*textMax) {
  RemoteBuffer buffer(window, sizeof(Item) + kTextCharacters * sizeof(wchar_t));
  if (!buffer.ok()) return {};
  item.*text = reinterpret_cast<wchar_t*>(buffer.at() + sizeof(Item));
  item.*textMax = kTextCharacters;
  const wchar_t none = L'\0';
  if (!buffer.Write(0, &item, sizeof item) || !buffer.Write(sizeof item, &none, sizeof none))
    return {};
  SendWithTimeout(window, message, wParam, reinterpret_cast<LPARAM>(buffer.at()));
  std::wstring read(kTextCharacters, L'\0');
  if (!buffer.Read(sizeof(Item), read.data(), kTextCharacters * sizeof(wchar_t))) return {};
  read.resize(read.find(L'\0') == std::wstring::npos ? read.size() : read.find(L'\0'));
  return read;
}

HWND HeaderOf(HWND list) {
  return reinterpret_cast<HWND>(SendWithTimeout(list, LVM_GETHEADER, 0, 0));
}

int ColumnCount(HWND list) {
  HWND header = HeaderOf(list);
  return header ? static_cast<int>(SendWithTimeout(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

}  // namespace

std::vector<std::wstring> ListViewHeaders(HWND list) {
  std::vector<std::wstring> headers;
  for (int i = 0, n = ColumnCount(list); i < n; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    headers.push_back(AskText(list, LVM_GETCOLUMNW, static_cast<WPARAM>(i), column,
                              &LVCOLUMNW::pszText, &LVCOLUMNW::cchTextMax));
  }
  return headers;
}

std::vector<std::vector<std::wstring>> ListViewRows(HWND list) {
  std::vector<std::vector<std::wstring>> rows;
  const int columns = ColumnCount(list);
  const auto count = static_cast<int>(SendWithTimeout(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    std::vector<std::wstring> cells;
    for (int column = 0; column < columns; ++column) {
      LVITEMW item{};
      item.iSubItem = column;
      cells.push_back(AskText(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), item,
                              &LVITEMW::pszText, &LVITEMW::cchTextMax));
    }
    rows.push_back(cells);
  }
  return rows;
}

int ListViewSelection(HWND list) {
  return static_cast<int>(
      SendWithTimeout(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool ClickListViewHeader(HWND list, int index) {
  HWND header = HeaderOf(list);
  if (!header || index < 0 || index >= ColumnCount(list)) return false;
  RemoteBuffer buffer(header, sizeof(RECT));
  if (!buffer.ok()) return false;
  SendWithTimeout(header, HDM_GETITEMRECT, static_cast<WPARAM>(index),
                  reinterpret_cast<LPARAM>(buffer.at()));
  RECT r{};
  if (!buffer.Read(0, &r, sizeof r)) return false;
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  PostMessageW(header, WM_MOUSEMOVE, 0, at);
  PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(header, WM_LBUTTONUP, 0, at);
  SyncWith(GetAncestor(list, GA_ROOT));
  return true;
}

}  // namespace kalv::testtools
