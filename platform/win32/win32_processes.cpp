#include "platform/win32/win32_processes.h"

#include "platform/win32/windows_api.h"

#include <vector>

#include "platform/win32/error_map.h"
#include "platform/win32/file_identity.h"
#include "platform/win32/shell_library.h"
#include "platform/win32/wide.h"

namespace kalv::win32 {

namespace {

class HandleWatch : public ProcessWatch {
 public:
  HandleWatch(HANDLE process, ProcessId id) : process_(process), id_(id) {}
  ~HandleWatch() override { CloseHandle(process_); }
  HandleWatch(const HandleWatch&) = delete;
  HandleWatch& operator=(const HandleWatch&) = delete;

  Result<bool> HasEnded() override {
    switch (WaitForSingleObject(process_, 0)) {
      case WAIT_OBJECT_0: return true;
      case WAIT_TIMEOUT: return false;
      default: return LastFailure();
    }
  }

  Result<std::uint32_t> ExitCode() override {
    DWORD code = 0;
    if (!GetExitCodeProcess(process_, &code)) return LastFailure();
    return static_cast<std::uint32_t>(code);
  }

  ProcessId Id() const override { return id_; }
  HANDLE handle() const { return process_; }

 private:
  HANDLE process_;
  ProcessId id_;
};

// Keyboard navigation of a modeless dialog needs its messages routed through
// IsDialogMessage; the dialog is the top-level window the message is for.
bool RoutedToDialog(MSG& msg) {
  if (!msg.hwnd) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  if (!root) return false;
  wchar_t cls[16];
  if (GetClassNameW(root, cls, 16) == 0 || lstrcmpW(cls, L"#32770") != 0) return false;
  return IsDialogMessageW(root, &msg) != FALSE;
}

void Dispatch(MSG& msg) {
  if (RoutedToDialog(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

// The executable is passed as lpApplicationName, so Windows never splits an unquoted
// path with blanks and tries its pieces ("C:\Program.exe") as programs.
Status CreateProcessOf(const std::string& executable, const std::string& commandLine, ShowMode show,
                       const std::string& workingDir, DWORD flags, PROCESS_INFORMATION& pi) {
  const std::wstring exe = Wide(executable);
  std::wstring line = Wide(commandLine);
  std::vector<wchar_t> mutableLine(line.begin(), line.end());
  mutableLine.push_back(L'\0');
  const std::wstring dir = Wide(workingDir);

  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = static_cast<WORD>(ShowCommand(show));
  if (!CreateProcessW(exe.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, flags, nullptr,
                      dir.empty() ? nullptr : dir.c_str(), &si, &pi))
    return LastFailure();
  return Status::Ok();
}

// A process made suspended in a job that ends it when the job's last handle closes: when
// this program ends before the release, or the hold is let go of, nothing of it runs.
// Released, the job lets it outlive this program as any started game does.
class SuspendedProcess : public HeldProcess {
 public:
  SuspendedProcess(const PROCESS_INFORMATION& pi, HANDLE job) : pi_(pi), job_(job) {}
  SuspendedProcess(const SuspendedProcess&) = delete;
  SuspendedProcess& operator=(const SuspendedProcess&) = delete;
  ~SuspendedProcess() override {
    if (pi_.hProcess) {
      TerminateProcess(pi_.hProcess, 1);
      CloseHandle(pi_.hProcess);
    }
    CloseHandle(pi_.hThread);
    CloseHandle(job_);
  }

  Result<std::unique_ptr<ProcessWatch>> Release() override {
    if (!pi_.hProcess) return Result<std::unique_ptr<ProcessWatch>>::Fail(err::kInvalidCall);
    if (ResumeThread(pi_.hThread) == static_cast<DWORD>(-1)) return LastFailure();
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION unlimited{};
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &unlimited, sizeof unlimited);
    auto watch = std::unique_ptr<ProcessWatch>(
        new HandleWatch(pi_.hProcess, static_cast<ProcessId>(pi_.dwProcessId)));
    pi_.hProcess = nullptr;
    return watch;
  }

 private:
  PROCESS_INFORMATION pi_;
  HANDLE job_;
};

// A job with the kill-on-close limit, or none.
HANDLE KillingJob() {
  HANDLE job = CreateJobObjectW(nullptr, nullptr);
  if (!job) return nullptr;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits))
    return job;
  CloseHandle(job);
  return nullptr;
}

}  // namespace

int ShowCommand(ShowMode show) {
  switch (show) {
    case ShowMode::Normal: return SW_SHOWNOACTIVATE;
    case ShowMode::NormalFocus: return SW_SHOWNORMAL;
    case ShowMode::MinimizedFocus: return SW_SHOWMINIMIZED;
    case ShowMode::Hidden: return SW_HIDE;
  }
  return SW_SHOWNORMAL;
}

Result<std::unique_ptr<ProcessWatch>> Win32Processes::Start(const std::string& executable,
                                                            const std::string& commandLine,
                                                            ShowMode show,
                                                            const std::string& workingDir) {
  PROCESS_INFORMATION pi{};
  if (Status made = CreateProcessOf(executable, commandLine, show, workingDir, 0, pi); !made)
    return made.failure();
  CloseHandle(pi.hThread);
  return std::unique_ptr<ProcessWatch>(
      new HandleWatch(pi.hProcess, static_cast<ProcessId>(pi.dwProcessId)));
}

// Where no job can hold the process (a program already in a job that allows none inside
// it, before Windows 8), the process is made at the release instead.
Result<std::unique_ptr<HeldProcess>> Win32Processes::Hold(const std::string& executable,
                                                          const std::string& commandLine,
                                                          ShowMode show,
                                                          const std::string& workingDir) {
  using R = Result<std::unique_ptr<HeldProcess>>;
  PROCESS_INFORMATION pi{};
  if (Status made =
          CreateProcessOf(executable, commandLine, show, workingDir, CREATE_SUSPENDED, pi);
      !made)
    return made.failure();
  HANDLE job = KillingJob();
  if (job && AssignProcessToJobObject(job, pi.hProcess))
    return R(std::unique_ptr<HeldProcess>(new SuspendedProcess(pi, job)));
  if (job) CloseHandle(job);
  TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return R(std::unique_ptr<HeldProcess>(
      new StartOnRelease(*this, executable, commandLine, show, workingDir)));
}

// ShellExecute's small results 2, 3, 5 and 8 are the Windows error codes of the same
// names; 0 means the system ran out of memory.
Status Win32Processes::ShellOpen(const std::string& file, const std::string& parameters,
                                 const std::string& workingDir, ShowMode show) {
  const std::wstring wfile = Wide(file);
  const std::wstring wparams = Wide(parameters);
  const std::wstring wdir = Wide(workingDir);
  const std::optional<INT_PTR> executed =
      shell::Execute(L"open", wfile.c_str(), wparams.empty() ? nullptr : wparams.c_str(),
                     wdir.empty() ? nullptr : wdir.c_str(), ShowCommand(show));
  if (!executed) return LastFailure();
  const INT_PTR result = *executed;
  if (result > 32) return Status::Ok();
  if (result == 0) return Status::Fail(err::kOutOfMemory);
  return Status(FailureFromError(static_cast<DWORD>(result)));
}

// A quit request seen here is put back, so the message loop that follows still ends.
void Win32Processes::PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      quitPutBack_ = true;
      return;
    }
    Dispatch(msg);
  }
}

void Win32Processes::RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  quitPutBack_ = false;
}

void Win32Processes::Sleep(unsigned milliseconds) { ::Sleep(milliseconds); }

// The performance counter rather than the tick count, whose steps are about 16 ms long on
// Windows: as long as the intervals it measures.
std::uint64_t Win32Processes::Milliseconds() {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f.QuadPart;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<std::uint64_t>(now.QuadPart / frequency * 1000 +
                                    now.QuadPart % frequency * 1000 / frequency);
}

// A quit request put back by PumpMessages would wake a wait for messages at once in
// every round; then only the process is waited for. The queue is not looked at here:
// looking would make messages that arrived since the pump count as seen, and the wait
// would sleep through them.
void Win32Processes::WaitForEndOrMessage(ProcessWatch* watch, unsigned milliseconds) {
  const auto* handleWatch = dynamic_cast<const HandleWatch*>(watch);
  if (!handleWatch) {
    ::Sleep(milliseconds);
    return;
  }
  HANDLE process = handleWatch->handle();
  if (quitPutBack_)
    WaitForSingleObject(process, milliseconds);
  else
    MsgWaitForMultipleObjects(1, &process, FALSE, milliseconds, QS_ALLINPUT);
}

namespace {
// The path of the program a running process was started from; "" when the process has
// ended or cannot be asked. Limited query rights reach an elevated game too; only a
// protected process of the system refuses, and that is never the game.
std::wstring RunningImage(ProcessId id) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, id);
  if (!process) return std::wstring();
  std::wstring image;
  if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
    std::vector<wchar_t> buffer(32768);
    DWORD size = static_cast<DWORD>(buffer.size());
    if (QueryFullProcessImageNameW(process, 0, buffer.data(), &size))
      image.assign(buffer.data(), size);
  }
  CloseHandle(process);
  return image;
}
}  // namespace

// The program is compared as a file (volume and file index), so every spelling and route
// of the game's path finds it, and an id Windows has handed on to another program does
// not. Where either file cannot be opened, full long paths are compared without case.
ProcessId Win32Processes::OwnId() { return GetCurrentProcessId(); }

bool Win32Processes::IsRunning(ProcessId id, const std::string& executable) {
  const std::wstring image = RunningImage(id);
  if (image.empty()) return false;
  const std::wstring named = Wide(executable);
  const auto running = IdentityOf(image);
  const auto recorded = IdentityOf(named);
  if (running && recorded) return *running == *recorded;
  const std::wstring a = CanonicalPath(image);
  const std::wstring b = CanonicalPath(named);
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace kalv::win32
