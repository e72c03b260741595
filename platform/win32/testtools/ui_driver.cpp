// Drives the windows of another program from a test script: waits for windows and
// message boxes, prints what they show, and presses, types and selects as a user would.
// Exit codes: 0 done, 1 window not found in time, 2 bad usage, 3 control missing,
// disabled or refusing the action.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <map>
#include <string>
#include <vector>

#include "platform/win32/testtools/list_view_remote.h"
#include "platform/win32/testtools/wall_clock.h"
#include "platform/win32/testtools/wide_text.h"
#include "platform/win32/testtools/window_find.h"

namespace kalv::testtools {
namespace {

constexpr int kDone = 0;
constexpr int kTimedOut = 1;
constexpr int kUsage = 2;
constexpr int kControlFault = 3;
constexpr int kLayoutFault = 4;

const char kUsageText[] =
    "usage: ui_driver <command> [--title T | --title-regex R] [--class C] [--hidden]\n"
    "                 [--timeout ms] [--poll ms] [--id N] [--text T] [--index K] [--type]\n"
    "                 [--force]\n"
    "commands: list, wait-window [--stamp], wait-gone, dump, messagebox [--press ID],\n"
    "          press --id N, set-text --id N --text T [--type], select --id N --index K,\n"
    "          close, end-processes --under FOLDER [--under FOLDER...],\n"
    "          launch --exe FILE --text COMMANDLINE [--dir FOLDER] [--timeout ms],\n"
    "          layout (exit 4 when a visible control is clipped or overlaps another),\n"
    "          key --id N --text return|down|up|home|end|f5, click-header --id N --index K\n"
    "filters: --has-id N keeps windows holding a control with id N\n";

struct Options {
  std::wstring command;
  WindowFilter filter;
  DWORD timeoutMs = 10000;
  DWORD pollMs = 100;  // how often a wait looks for its window
  bool stamp = false;  // wait-window also prints when it found the window
  int id = 0;
  bool hasId = false;
  std::wstring text;
  bool hasText = false;
  int index = -1;
  int pressId = 0;
  bool type = false;
  bool force = false;
  std::vector<std::wstring> under;
  std::wstring exe;
  std::wstring dir;  // the working folder of launch
};

// Control texts go on one line: line breaks and tabs are shown escaped.
std::string OneLine(const std::wstring& text) {
  std::string out;
  for (char c : ToUtf8(text)) {
    if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else if (c == '\t')
      out += "\\t";
    else
      out += c;
  }
  return out;
}

std::string Hex(HWND window) {
  char buffer[32];
  wsprintfA(buffer, "%p", static_cast<void*>(window));
  return buffer;
}

std::string WindowLine(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return "window hwnd=" + Hex(window) + " pid=" + std::to_string(pid) +
         " class=" + OneLine(ClassOf(window)) +
         " visible=" + (IsWindowVisible(window) ? "1" : "0") +
         " enabled=" + (IsWindowEnabled(window) ? "1" : "0") + " text=" + OneLine(TextOf(window)) +
         "\n";
}

// The one number a control holds: check state, position, or selection.
std::string ValueOf(HWND control) {
  std::wstring cls = ClassOf(control);
  if (cls == L"Button") {
    LONG style = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    if (style == BS_PUSHBUTTON || style == BS_DEFPUSHBUTTON || style == BS_GROUPBOX) return "-";
    return std::to_string(SendWithTimeout(control, BM_GETCHECK, 0, 0));
  }
  if (cls == L"ComboBox") return std::to_string(SendWithTimeout(control, CB_GETCURSEL, 0, 0));
  if (cls == L"ListBox") return std::to_string(SendWithTimeout(control, LB_GETCURSEL, 0, 0));
  // The player draws its own bar, which answers as the system's does.
  if (cls == PROGRESS_CLASSW || cls == L"KalvProgressBar")
    return std::to_string(SendWithTimeout(control, PBM_GETPOS, 0, 0));
  if (cls == WC_TABCONTROLW) return std::to_string(SendWithTimeout(control, TCM_GETCURSEL, 0, 0));
  return "-";
}

std::wstring ItemText(HWND control, bool combo, int index) {
  LRESULT length = SendWithTimeout(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index, 0);
  if (length < 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  LRESULT got = SendWithTimeout(control, combo ? CB_GETLBTEXT : LB_GETTEXT, index,
                                reinterpret_cast<LPARAM>(text.data()));
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return text;
}

// A report list's columns and rows, its cells joined by " | ".
std::string ListViewLines(HWND list) {
  const std::string id = std::to_string(GetDlgCtrlID(list));
  std::string out;
  const std::vector<std::wstring> headers = ListViewHeaders(list);
  for (std::size_t i = 0; i < headers.size(); ++i)
    out +=
        "column id=" + id + " index=" + std::to_string(i) + " text=" + OneLine(headers[i]) + "\n";
  const int selected = ListViewSelection(list);
  const auto rows = ListViewRows(list);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::string cells;
    for (const std::wstring& cell : rows[i]) cells += (cells.empty() ? "" : " | ") + OneLine(cell);
    out += "row id=" + id + " index=" + std::to_string(i) +
           " selected=" + (static_cast<int>(i) == selected ? "1" : "0") + " cells=" + cells + "\n";
  }
  return out;
}

std::string ItemLines(HWND control) {
  std::wstring cls = ClassOf(control);
  if (cls == WC_LISTVIEWW) return ListViewLines(control);
  bool combo = cls == L"ComboBox";
  if (!combo && cls != L"ListBox") return {};
  int id = GetDlgCtrlID(control);
  LRESULT count = SendWithTimeout(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
  LRESULT selected = SendWithTimeout(control, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
  std::string out;
  for (int i = 0; i < count; ++i)
    out += "item id=" + std::to_string(id) + " index=" + std::to_string(i) +
           " selected=" + (i == selected ? "1" : "0") +
           " text=" + OneLine(ItemText(control, combo, i)) + "\n";
  return out;
}

// A program in one of its pauses answers no messages: its controls are then shown
// without the values that must be asked for, rather than holding the driver.
bool Responsive(HWND window) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 250, &ignored) != 0;
}

std::string ControlLines(HWND window) {
  std::string out;
  bool responsive = Responsive(window);
  if (!responsive) out += "busy: the program answers no messages; values not read\n";
  for (HWND control : ChildrenOf(window)) {
    out += "control id=" + std::to_string(GetDlgCtrlID(control)) +
           " class=" + OneLine(ClassOf(control)) +
           " enabled=" + (IsWindowEnabled(control) ? "1" : "0") +
           " visible=" + (IsWindowVisible(control) ? "1" : "0") +
           " value=" + (responsive ? ValueOf(control) : std::string("?")) +
           " text=" + OneLine(TextOf(control)) + "\n";
    if (responsive) out += ItemLines(control);
  }
  return out;
}

HWND FindTarget(const Options& options) {
  HWND window = WaitForWindow(options.filter, options.timeoutMs, options.pollMs);
  if (window == nullptr) WriteErr("ui_driver: no matching window\n");
  return window;
}

HWND FindControl(const Options& options, HWND window) {
  HWND control = ControlById(window, options.id);
  if (control == nullptr)
    WriteErr("ui_driver: no control with id " + std::to_string(options.id) + "\n");
  return control;
}

// The window and its control of --id; the exit code of a failure when either is missing.
int FindWindowAndControl(const Options& options, HWND& window, HWND& control) {
  window = FindTarget(options);
  if (window == nullptr) return kTimedOut;
  control = FindControl(options, window);
  return control == nullptr ? kControlFault : kDone;
}

// Posted, not sent: a click that opens a modal box must not hold the driver.
int Press(const Options& options, HWND window, int id) {
  HWND button = ControlById(window, id);
  if (button == nullptr) {
    WriteErr("ui_driver: no control with id " + std::to_string(id) + "\n");
    return kControlFault;
  }
  if (!options.force && (!IsWindowEnabled(button) || !IsWindowEnabled(window))) {
    WriteErr("ui_driver: control " + std::to_string(id) + " is disabled\n");
    return kControlFault;
  }
  PostMessageW(button, BM_CLICK, 0, 0);
  SyncWith(window);
  return kDone;
}

int ListCommand(const Options& options) {
  for (HWND window : FindWindows(options.filter)) WriteOut(WindowLine(window));
  return kDone;
}

// With --stamp, "looking-us: <wall-clock microseconds>" before the first look (the driver
// has started) and "found-us: ..." as soon as the window was found: a benchmark starts the
// program it times once the driver looks, and polls with a short --poll.
int WaitWindowCommand(const Options& options) {
  if (options.stamp) WriteOut("looking-us: " + WallMicroseconds() + "\n");
  HWND window = FindTarget(options);
  if (window == nullptr) return kTimedOut;
  if (options.stamp) WriteOut("found-us: " + WallMicroseconds() + "\n");
  WriteOut(WindowLine(window));
  return kDone;
}

int WaitGoneCommand(const Options& options) {
  if (WaitUntilGone(options.filter, options.timeoutMs)) return kDone;
  WriteErr("ui_driver: window still there\n");
  return kTimedOut;
}

int DumpCommand(const Options& options) {
  HWND window = FindTarget(options);
  if (window == nullptr) return kTimedOut;
  WriteOut(WindowLine(window) + ControlLines(window));
  return kDone;
}

// A control's rectangle in its window's client coordinates.
RECT RectIn(HWND window, HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string RectText(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

// Frames and tab strips hold other controls by design; everything else must stand alone.
bool HoldsOthers(HWND control) {
  const std::wstring cls = ClassOf(control);
  if (cls == WC_TABCONTROLW) return true;
  return cls == L"Button" && (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The screen's dots per inch, as this (scale-aware) driver sees them.
int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// The room a control's text needs against the room it has: a label wraps within its
// width, a button's caption stays on one line beside its check mark. Nothing for
// controls whose text is not a caption. Measured in the font every dialog of the
// programs names (8-point MS Shell Dlg): a font handle of another process is no use here.
std::string TextClipped(HWND control, HFONT font) {
  const std::wstring cls = ClassOf(control);
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const bool label = cls == L"Static" && (style & SS_TYPEMASK) <= SS_RIGHT;
  const LONG kind = style & BS_TYPEMASK;
  const bool button = cls == L"Button" && kind != BS_GROUPBOX && kind != BS_OWNERDRAW;
  std::wstring text = TextOf(control);
  if ((!label && !button) || text.empty()) return {};
  RECT room{};
  GetClientRect(control, &room);
  if (button && kind != BS_PUSHBUTTON && kind != BS_DEFPUSHBUTTON)
    room.right -= GetSystemMetrics(SM_CXMENUCHECK) + 4;  // the box or circle and its gap
  else if (button)
    room.right -= 2 * GetSystemMetrics(SM_CXEDGE);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, font);
  RECT need{0, 0, room.right, 0};
  const UINT wrap =
      label && (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP ? DT_WORDBREAK : DT_SINGLELINE;
  DrawTextW(dc, text.c_str(), -1, &need, DT_CALCRECT | DT_EXPANDTABS | wrap);
  // A line's top holds the room for accents on capitals; losing it cuts no letter.
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  if (need.right <= room.right && need.bottom - metrics.tmInternalLeading <= room.bottom) return {};
  return "\"" + OneLine(text) + "\" needs " + std::to_string(need.right) + "x" +
         std::to_string(need.bottom) + ", has " + std::to_string(room.right) + "x" +
         std::to_string(room.bottom);
}

// What a user would see as broken at the display's scale: a control cut off by its
// window's edge, two controls drawn over each other, a caption that does not fit.
int LayoutCommand(const Options& options) {
  HWND window = FindTarget(options);
  if (window == nullptr) return kTimedOut;
  RECT client{};
  GetClientRect(window, &client);
  std::vector<HWND> shown;
  for (HWND control : ChildrenOf(window))
    if (IsWindowVisible(control) && GetParent(control) == window) shown.push_back(control);
  const int dpi = ScreenDpi();
  HFONT font = CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Shell Dlg");
  std::string problems;
  auto name = [](HWND control) { return "control " + std::to_string(GetDlgCtrlID(control)); };
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const RECT r = RectIn(window, shown[i]);
    if (r.left < client.left || r.top < client.top || r.right > client.right ||
        r.bottom > client.bottom)
      problems +=
          name(shown[i]) + " at " + RectText(r) + " leaves the window " + RectText(client) + "\n";
    const std::string clipped = TextClipped(shown[i], font);
    if (!clipped.empty()) problems += name(shown[i]) + " cuts its text: " + clipped + "\n";
    if (HoldsOthers(shown[i])) continue;
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      if (HoldsOthers(shown[j])) continue;
      RECT both{};
      const RECT other = RectIn(window, shown[j]);
      if (IntersectRect(&both, &r, &other))
        problems += name(shown[i]) + " at " + RectText(r) + " overlaps " + name(shown[j]) + " at " +
                    RectText(other) + "\n";
    }
  }
  DeleteObject(font);
  WriteOut(WindowLine(window) + "scale: " + std::to_string(dpi) + " dpi, " +
           std::to_string(shown.size()) + " visible controls\n" + problems);
  return problems.empty() ? kDone : kLayoutFault;
}

bool ClosedWithin(HWND box, DWORD ms) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(50))
    if (!IsWindow(box) || !IsWindowVisible(box)) return true;
  return false;
}

// A pressed button closes its message box. The press is posted again while the box
// stays, for a click the box's thread missed while it was still settling; a box still
// open after that is reported here, at the press, not later as a program that never ends.
int AwaitClosed(const Options& options, HWND box) {
  constexpr DWORD kWaitMs = 2000;
  constexpr int kPresses = 5;
  for (int press = 1; !ClosedWithin(box, kWaitMs); ++press) {
    if (press == kPresses) {
      WriteErr("ui_driver: the message box stayed open after the press\n");
      return kTimedOut;
    }
    WriteErr("ui_driver: the message box is still open; pressed again\n");
    if (HWND button = ControlById(box, options.pressId)) PostMessageW(button, BM_CLICK, 0, 0);
  }
  return kDone;
}

int MessageBoxCommand(Options options) {
  options.filter.messageBoxOnly = true;
  HWND box = FindTarget(options);
  if (box == nullptr) return kTimedOut;
  std::string out = "caption: " + OneLine(TextOf(box)) + "\n";
  HWND text = ControlById(box, 0xFFFF);
  out += "text: " + (text ? OneLine(TextOf(text)) : std::string()) + "\n";
  for (HWND child : ChildrenOf(box))
    if (ClassOf(child) == L"Button")
      out += "button: id=" + std::to_string(GetDlgCtrlID(child)) +
             " text=" + OneLine(TextOf(child)) + "\n";
  WriteOut(out);
  if (options.pressId == 0) return kDone;
  if (const int pressed = Press(options, box, options.pressId); pressed != kDone) return pressed;
  return AwaitClosed(options, box);
}

int PressCommand(const Options& options) {
  HWND window = FindTarget(options);
  if (window == nullptr) return kTimedOut;
  return Press(options, window, options.id);
}

// WM_SETTEXT makes an edit control report a change once; typing posts one WM_CHAR per
// character so that change handling runs per keystroke.
int SetTextCommand(const Options& options) {
  HWND window = FindTarget(options);
  if (window == nullptr) return kTimedOut;
  HWND edit = FindControl(options, window);
  if (edit == nullptr) return kControlFault;
  if (!options.force && !IsWindowEnabled(edit)) {
    WriteErr("ui_driver: control is disabled\n");
    return kControlFault;
  }
  if (!options.type) {
    if (!SendWithTimeout(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(options.text.c_str())))
      return kControlFault;
    return kDone;
  }
  SendWithTimeout(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  for (wchar_t c : options.text) {
    PostMessageW(edit, WM_CHAR, c, 1);
    SyncWith(edit);
  }
  return kDone;
}

// Sets the selection and gives the parent the notification a user's choice would send.
int SelectCommand(const Options& options) {
  HWND window = nullptr, control = nullptr;
  if (const int missing = FindWindowAndControl(options, window, control)) return missing;
  if (!options.force && !IsWindowEnabled(control)) {
    WriteErr("ui_driver: control is disabled\n");
    return kControlFault;
  }
  std::wstring cls = ClassOf(control);
  HWND parent = GetParent(control);
  WPARAM index = static_cast<WPARAM>(options.index);
  if (cls == L"ComboBox" || cls == L"ListBox") {
    bool combo = cls == L"ComboBox";
    LRESULT count = SendWithTimeout(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    if (options.index < 0 || options.index >= count) {
      WriteErr("ui_driver: index out of range (" + std::to_string(count) + " items)\n");
      return kControlFault;
    }
    SendWithTimeout(control, combo ? CB_SETCURSEL : LB_SETCURSEL, index, 0);
    WORD code = combo ? CBN_SELCHANGE : LBN_SELCHANGE;
    PostMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
    SyncWith(parent);
    return kDone;
  }
  if (cls == WC_TABCONTROLW) {
    LRESULT count = SendWithTimeout(control, TCM_GETITEMCOUNT, 0, 0);
    if (options.index < 0 || options.index >= count) {
      WriteErr("ui_driver: index out of range (" + std::to_string(count) + " tabs)\n");
      return kControlFault;
    }
    // Moving the focus to a tab selects it and notifies the parent from inside the
    // control's own process, which a notification sent from here could not do.
    SendWithTimeout(control, TCM_SETCURFOCUS, index, 0);
    SyncWith(parent);
    return SendWithTimeout(control, TCM_GETCURSEL, 0, 0) == options.index ? kDone : kControlFault;
  }
  WriteErr("ui_driver: control is no list, drop-down or tab strip\n");
  return kControlFault;
}

// A key pressed on the control, posted as the keyboard's messages are, so that the
// program's dialog handling sees it (Enter goes to the default button).
int KeyCommand(const Options& options) {
  static const std::pair<const wchar_t*, WPARAM> kKeys[] = {
      {L"return", VK_RETURN}, {L"down", VK_DOWN}, {L"up", VK_UP},
      {L"home", VK_HOME},     {L"end", VK_END},   {L"f5", VK_F5},
  };
  WPARAM key = 0;
  for (const auto& [name, code] : kKeys)
    if (options.text == name) key = code;
  if (key == 0) {
    WriteErr("ui_driver: unknown key\n");
    return kUsage;
  }
  HWND window = nullptr, control = nullptr;
  if (const int missing = FindWindowAndControl(options, window, control)) return missing;
  const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), 0);
  PostMessageW(control, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
  PostMessageW(control, WM_KEYUP, key, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
  SyncWith(window);
  return kDone;
}

int ClickHeaderCommand(const Options& options) {
  HWND window = nullptr, control = nullptr;
  if (const int missing = FindWindowAndControl(options, window, control)) return missing;
  if (ClassOf(control) != WC_LISTVIEWW || !ClickListViewHeader(control, options.index)) {
    WriteErr("ui_driver: no such column header\n");
    return kControlFault;
  }
  return kDone;
}

int CloseCommand(const Options& options) {
  HWND window = FindTarget(options);
  if (window == nullptr) return kTimedOut;
  PostMessageW(window, WM_CLOSE, 0, 0);
  return kDone;
}

std::wstring Lower(std::wstring text) {
  CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

// One pass over the processes; false when a handle was not to the process listed, so that
// the caller looks again rather than end the wrong one (the driver itself has been seen to
// end with no word, as if it had ended itself).
bool EndProcessesUnder(const Options& options) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  bool sound = true;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) continue;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE,
                                 entry.th32ProcessID);
    if (process == nullptr) continue;
    const DWORD id = GetProcessId(process);
    if (id != entry.th32ProcessID) {
      WriteErr("ui_driver: the handle to pid " + std::to_string(entry.th32ProcessID) +
               " is to pid " + std::to_string(id) + "; not ended\n");
      sound = false;
      CloseHandle(process);
      continue;
    }
    wchar_t image[MAX_PATH * 4] = {};
    DWORD size = MAX_PATH * 4;
    if (QueryFullProcessImageNameW(process, 0, image, &size)) {
      std::wstring path = Lower(std::wstring(image, size));
      for (const std::wstring& folder : options.under) {
        std::wstring prefix = Lower(folder);
        if (!prefix.empty() && prefix.back() != L'\\') prefix += L'\\';
        if (path.compare(0, prefix.size(), prefix) == 0) {
          TerminateProcess(process, 1);
          WriteOut("ended pid=" + std::to_string(entry.th32ProcessID) +
                   " image=" + ToUtf8(std::wstring(image, size)) + "\n");
          break;
        }
      }
    }
    CloseHandle(process);
  }
  CloseHandle(snapshot);
  return sound;
}

// Ends the processes whose executable lies in one of the given folders: what a test
// started there and left running must not leak into the next test.
int EndProcessesCommand(const Options& options) {
  for (int pass = 0; pass < 3; ++pass)
    if (EndProcessesUnder(options)) return kDone;
  return kControlFault;
}

// Starts --exe with exactly the command line --text (nothing quoted or split on the way,
// as Explorer, a shortcut or a script may pass it), in the working folder --dir, and
// waits up to --timeout for it to end; prints "exit: <code>". 1 when it still runs.
int LaunchCommand(const Options& options) {
  std::vector<wchar_t> line(options.text.begin(), options.text.end());
  line.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(options.exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      options.dir.empty() ? nullptr : options.dir.c_str(), &startup, &process)) {
    WriteErr("ui_driver: cannot start " + ToUtf8(options.exe) + "\n");
    return kControlFault;
  }
  CloseHandle(process.hThread);
  WriteOut("pid: " + std::to_string(process.dwProcessId) + "\n");
  const DWORD waited = WaitForSingleObject(process.hProcess, options.timeoutMs);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hProcess);
  if (waited != WAIT_OBJECT_0) return kTimedOut;
  WriteOut("exit: " + std::to_string(code) + "\n");
  return kDone;
}

bool Parse(int argc, wchar_t** argv, Options& options) {
  if (argc < 2) return false;
  options.command = argv[1];
  for (int i = 2; i < argc; ++i) {
    std::wstring arg = argv[i];
    auto value = [&]() -> const wchar_t* { return i + 1 < argc ? argv[++i] : nullptr; };
    const wchar_t* v = nullptr;
    if (arg == L"--hidden")
      options.filter.includeHidden = true;
    else if (arg == L"--type")
      options.type = true;
    else if (arg == L"--force")
      options.force = true;
    else if (arg == L"--stamp")
      options.stamp = true;
    else if ((v = value()) == nullptr)
      return false;
    else if (arg == L"--title")
      options.filter.title = v;
    else if (arg == L"--title-regex")
      options.filter.titleRegex = v;
    else if (arg == L"--class")
      options.filter.className = v;
    else if (arg == L"--timeout")
      options.timeoutMs = static_cast<DWORD>(_wtoi(v));
    else if (arg == L"--poll")
      options.pollMs = static_cast<DWORD>(_wtoi(v));
    else if (arg == L"--id") {
      options.id = _wtoi(v);
      options.hasId = true;
    } else if (arg == L"--text") {
      options.text = v;
      options.hasText = true;
    } else if (arg == L"--index")
      options.index = _wtoi(v);
    else if (arg == L"--press")
      options.pressId = _wtoi(v);
    else if (arg == L"--has-id")
      options.filter.hasControlId = _wtoi(v);
    else if (arg == L"--under")
      options.under.push_back(v);
    else if (arg == L"--exe")
      options.exe = v;
    else if (arg == L"--dir")
      options.dir = v;
    else
      return false;
  }
  return true;
}

int Run() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  Options options;
  if (argv == nullptr || !Parse(argc, argv, options)) {
    WriteErr(kUsageText);
    return kUsage;
  }
  LocalFree(argv);
  const std::wstring& c = options.command;
  bool needsId =
      c == L"press" || c == L"set-text" || c == L"select" || c == L"key" || c == L"click-header";
  if (needsId && !options.hasId) {
    WriteErr("ui_driver: " + ToUtf8(c) + " needs --id\n");
    return kUsage;
  }
  if (((c == L"set-text" || c == L"key") && !options.hasText) ||
      ((c == L"select" || c == L"click-header") && options.index < 0)) {
    WriteErr(kUsageText);
    return kUsage;
  }
  if (c == L"list") return ListCommand(options);
  if (c == L"wait-window") return WaitWindowCommand(options);
  if (c == L"wait-gone") return WaitGoneCommand(options);
  if (c == L"dump") return DumpCommand(options);
  if (c == L"messagebox") return MessageBoxCommand(options);
  if (c == L"press") return PressCommand(options);
  if (c == L"set-text") return SetTextCommand(options);
  if (c == L"select") return SelectCommand(options);
  if (c == L"close") return CloseCommand(options);
  if (c == L"key") return KeyCommand(options);
  if (c == L"click-header") return ClickHeaderCommand(options);
  if (c == L"end-processes") return EndProcessesCommand(options);
  if (c == L"launch") return LaunchCommand(options);
  if (c == L"layout") {
    // Rectangles and fonts as the display really has them, not scaled to 96 dpi.
    SetProcessDPIAware();
    return LayoutCommand(options);
  }
  WriteErr(kUsageText);
  return kUsage;
}

}  // namespace
}  // namespace kalv::testtools

int main() {
  try {
    return kalv::testtools::Run();
  } catch (const std::exception& e) {
    kalv::testtools::WriteErr(std::string("ui_driver: ") + e.what() + "\n");
    return kalv::testtools::kUsage;
  }
}
