// The in-memory platform for host tests: a file system with Windows rules, a registry,
// a process table whose processes end when a test says, scripted message-box and folder
// dialog answers, a clock that does not really sleep, and windows whose controls only
// keep their state. Tests read back what was shown and started.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace kalv::fake {

// Thrown by EndProgram so that a test can catch the end of the program.
struct ProgramEnded {};

// ---------------------------------------------------------------- files
class FakeFiles : public Files {
 public:
  FakeFiles();
  ~FakeFiles() override;

  // Test set-up. Parent directories are created as needed.
  void AddFile(const std::string& path, const std::string& contents,
               std::uint32_t attributes = attr::kArchive);
  void AddDirectory(const std::string& path);
  // How "another program" holds a file open. Exclusive: reading and writing, sharing
  // nothing, so open, delete, rename and copy (from or onto) fail with 70. Reading:
  // sharing reading and writing but not deletion (a game playing a demo), so only
  // delete and rename fail. Attributes and length stay readable and settable either way,
  // since Windows does not apply sharing to them. The program's own open streams count
  // the same way while they are open. Another program's open obeys the sharing rule too:
  // false (and nothing held) when the file's opens refuse it.
  enum class Hold { Exclusive, Reading };
  bool HoldOpen(const std::string& path, Hold hold = Hold::Exclusive);
  void Release(const std::string& path);
  // Releases every hold a test made; running programs keep their files.
  void ReleaseAll();
  // Makes the file a running program's until running() says the program has ended, as
  // Windows keeps it: it reads and renames as any file, but opening it for writing is
  // refused (70), deleting it too (75), and so is a replacing move onto it (70).
  void HoldAsRunningProgram(const std::string& path, std::function<bool()> running);
  // What names the file itself, whatever path reaches it (Windows' file index); nothing
  // for a missing file or a directory. A rename keeps it, a delete and a new file do not.
  std::optional<std::uint64_t> FileIndex(const std::string& path) const;
  // Where relative paths start: the process's current directory ("name", "\name", and
  // "X:name" on its drive), and the directory another drive remembers ("X:name" and "X:"
  // there); both must exist. Until set, the current directory is "C:\" and other drives
  // start at their roots.
  void SetCurrentDirectory(const std::string& dir);
  void SetDriveDirectory(const std::string& drive, const std::string& dir);
  // Makes a drive letter another route to a folder, as a mapped drive is; the folder is
  // created when missing.
  void MapDrive(const std::string& drive, const std::string& folder);
  // The drive of path ("E:") accepts only this many more bytes of file data; nullopt
  // removes the limit. A write or a copy past it puts the part that fits in place and then
  // fails with 61 Disk full, a copy having emptied its destination first.
  void SetFreeSpace(const std::string& drive, std::optional<std::uint64_t> bytes);
  // Makes every file operation on path fail with the given number (0 clears).
  void FailPath(const std::string& path, int number);

  // Runs before every call that may change a file or folder (open for writing, set
  // attributes, copy, rename, delete, make a folder), with the path it changes.
  std::function<void(const std::string& path)> beforeChange;

  // Test read-back.
  bool Exists(const std::string& path) const;  // file or directory
  bool IsFile(const std::string& path) const;
  std::optional<std::string> Contents(const std::string& path) const;
  std::optional<std::uint32_t> Attributes(const std::string& path) const;
  // Every file below dir (full paths as first written), for "nothing else changed" checks.
  std::vector<std::string> FilesBelow(const std::string& dir) const;
  // Every file below dir (by lower-case path) with its bytes and read-only flag, so that a
  // test can compare a whole folder before and after a run. ("Normal" clears the archive
  // bit, which nobody meets; read-only is what keeps a game from saving.)
  using FolderState = std::map<std::string, std::pair<std::string, std::uint32_t>>;
  FolderState Snapshot(const std::string& dir) const;
  // The number of writes made through streams (each Write call once).
  int WriteCount() const;
  // The number of streams flushed so far.
  int FlushCount() const;
  // The bytes read from a file through streams so far, over all its names.
  std::uint64_t BytesRead(const std::string& path) const;

  // Files
  Status CanOpenForRead(const std::string& path) override;
  Result<std::unique_ptr<FileStream>> OpenRead(const std::string& path) override;
  Result<std::unique_ptr<FileStream>> OpenWrite(const std::string& path) override;
  Result<std::unique_ptr<FileStream>> OpenAppend(const std::string& path) override;
  Result<std::uint64_t> Length(const std::string& path) override;
  Result<FileStamp> Stamp(const std::string& path) override;
  Result<std::uint32_t> GetAttributes(const std::string& path) override;
  Status SetAttributes(const std::string& path, std::uint32_t attributes) override;
  Status Copy(const std::string& from, const std::string& to) override;
  Status Rename(const std::string& from, const std::string& to) override;
  Status Replace(const std::string& from, const std::string& to) override;
  Status Delete(const std::string& path) override;
  Status MakeDirectory(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  bool SameFile(const std::string& a, const std::string& b) override;
  Result<std::vector<std::string>> List(const std::string& dir,
                                        const std::string& pattern) override;
  Result<std::vector<std::string>> ListFolders(const std::string& dir) override;
  Result<std::string> FullDirectoryPath(const std::string& dir) override;

  struct State;  // shared with the streams

 private:
  Result<std::unique_ptr<FileStream>> OpenForWriting(const std::string& path, bool atEnd);
  Result<std::vector<std::string>> Entries(const std::string& dir, const std::string& pattern,
                                           bool folders);
  std::shared_ptr<State> state_;
};

// ---------------------------------------------------------------- registry
class FakeRegistry : public Registry {
 public:
  FakeRegistry();
  ~FakeRegistry() override;

  // Writes to keys below this root (and creating them) fail with 70, as without rights.
  void RefuseWrites(RegRoot root, bool refuse = true);
  // Runs before every call that may change the registry (create, delete, set), with the
  // key's path: a test may throw from it to cut a program off at that point.
  std::function<void(const std::string& path)> beforeChange;
  // Test read-back: every key path below root (as first written), in creation order.
  std::vector<std::string> Keys(RegRoot root) const;
  // A value's raw text ("" name = default value); nothing when absent.
  std::optional<std::string> Value(RegRoot root, const std::string& path,
                                   const std::string& name) const;
  // Every mutating call in order, e.g. "create HKCR\.dm3", "set HKCR\.dm3\(default)=...",
  // "delete HKCR\.dm3", "flush HKCU\Software\..." (only successful ones).
  const std::vector<std::string>& Journal() const;
  // Test set-up for raw values (any length, any type).
  void PutString(RegRoot root, const std::string& path, const std::string& name,
                 const std::string& value);

  Status CreateKey(RegRoot root, const std::string& path) override;
  Status DeleteKey(RegRoot root, const std::string& path) override;
  bool KeyExists(RegRoot root, const std::string& path) override;
  Result<std::vector<std::string>> SubKeys(RegRoot root, const std::string& path) override;
  Result<std::vector<std::string>> ValueNames(RegRoot root, const std::string& path) override;
  Status SetString(RegRoot root, const std::string& path, const std::string& name,
                   const std::string& value) override;
  Status SetDword(RegRoot root, const std::string& path, const std::string& name,
                  std::uint32_t value) override;
  Result<std::string> QueryString(RegRoot root, const std::string& path, const std::string& name,
                                  std::size_t bufferChars) override;
  Result<std::uint32_t> QueryDword(RegRoot root, const std::string& path,
                                   const std::string& name) override;
  Status Flush(RegRoot root, const std::string& path) override;

  struct State;

 private:
  std::unique_ptr<State> state_;
};

// ---------------------------------------------------------------- profile
class FakeProfile : public Profile {
 public:
  explicit FakeProfile(FakeFiles& files) : files_(files) {}
  std::string ReadString(const std::string& path, const std::string& section,
                         const std::string& key, const std::string& fallback,
                         std::size_t bufferChars = kProfileBufferChars) override;
  std::vector<std::string> ReadStrings(const std::string& path, const std::string& section,
                                       const std::vector<std::string>& keys,
                                       const std::string& fallback,
                                       std::size_t bufferChars = kProfileBufferChars) override;

 private:
  FakeFiles& files_;
};

// ---------------------------------------------------------------- clock and processes
class FakeClock {
 public:
  std::uint64_t now() const { return now_; }
  void Advance(std::uint64_t ms) { now_ += ms; }
  // Fake time each reading of the clock lets pass, as the steps between two readings of
  // a running program take time; 0 stops the clock between waits.
  std::uint64_t advancePerReading = 0;
  std::uint64_t sleptTotal = 0;
  int sleeps = 0;
  // Waits for a process's end or a message, and the fake time they let pass.
  std::uint64_t waitedTotal = 0;
  int waits = 0;

 private:
  std::uint64_t now_ = 0;
};

struct StartedProcess {
  ProcessId id = 0;
  std::string executable;
  std::string commandLine;
  ShowMode show = ShowMode::Normal;
  std::string workingDir;
  std::uint64_t startedAt = 0;  // fake clock time
};

struct ShellOpened {
  std::string file;
  std::string parameters;
  std::string workingDir;
  ShowMode show = ShowMode::Normal;
};

class FakeProcesses : public Processes {
 public:
  explicit FakeProcesses(FakeClock& clock, FakeFiles& files) : clock_(clock), files_(files) {}

  // How the next started processes behave. By default a started process runs for
  // runMilliseconds of fake time and exits with exitCode. The executable must exist in
  // the fake file system, otherwise the start fails (53, or 76 when its folder is
  // missing); while the process runs its file is held as a running program's.
  struct Behaviour {
    std::uint64_t runMilliseconds = 1000;
    std::uint32_t exitCode = 0;
    // The process cannot be opened by its id (as with too few rights), so the running
    // check cannot see it; only the watch of its start reaches it.
    bool cannotOpen = false;
    // Runs when the process starts (a stand-in game looking at its files).
    std::function<void(const StartedProcess&)> onStart;
  };
  Behaviour next;
  // Runs before every start, with the executable: a test may throw from it to cut a program
  // off just before its game would start.
  std::function<void(const std::string& executable)> beforeStart;

  const std::vector<StartedProcess>& started() const { return started_; }
  const std::vector<ShellOpened>& shellOpened() const { return shellOpened_; }
  int pumps() const { return pumps_; }
  // When each round of window messages was handled, by the fake clock.
  const std::vector<std::uint64_t>& pumpedAt() const { return pumpedAt_; }
  // The longest stretch of fake time from since to until without a round of messages:
  // how long the program's windows went unanswered meanwhile.
  std::uint64_t LongestUnanswered(std::uint64_t since, std::uint64_t until) const;
  // Ends a running process now.
  void Exit(ProcessId id, std::uint32_t code = 0);
  // The exit code a query would read now (kStillActive while running); 5 for an unknown id.
  Result<std::uint32_t> ExitCodeNow(ProcessId id) const;
  // Whether the process has ended by now; 5 for an unknown id.
  Result<bool> EndedNow(ProcessId id) const;
  // Called on every Sleep, wait and PumpMessages, for tests that act while the program
  // waits.
  std::function<void()> whileWaiting;
  // The result of ShellOpen.
  Status shellOpenResult;

  Result<std::unique_ptr<ProcessWatch>> Start(const std::string& executable,
                                              const std::string& commandLine, ShowMode show,
                                              const std::string& workingDir = "") override;
  // Fails as Start would; the process is made, and its start recorded, at the release.
  Result<std::unique_ptr<HeldProcess>> Hold(const std::string& executable,
                                            const std::string& commandLine, ShowMode show,
                                            const std::string& workingDir = "") override;
  Status ShellOpen(const std::string& file, const std::string& parameters,
                   const std::string& workingDir, ShowMode show) override;
  void PumpMessages() override;
  void RunMessageLoop() override { ++messageLoops_; }
  int messageLoops() const { return messageLoops_; }
  void Sleep(unsigned milliseconds) override;
  // The fake clock's time; then advancePerReading passes.
  std::uint64_t Milliseconds() override;
  // Lets fake time pass up to the watched process's end or by the bound, whichever is
  // first; no message ever arrives.
  void WaitForEndOrMessage(ProcessWatch* watch, unsigned milliseconds) override;
  // After this many sleeps and waits a std::runtime_error stops a program that would
  // wait forever (an end it never notices).
  static constexpr int kRunawayLimit = 100000;
  // True while the process runs and executable reaches its program's file by any route.
  bool IsRunning(ProcessId id, const std::string& executable) override;
  // The program under test's own process: it runs as ownExecutable (a program started
  // later in the same test, a restarted player, takes a new ownId).
  ProcessId ownId = 1;
  std::string ownExecutable = "C:\\Program Files\\Kalvenmarque\\Kalvenmarque.exe";
  ProcessId OwnId() override { return ownId; }

  struct Running {
    std::uint64_t endsAt = 0;
    std::uint32_t exitCode = 0;
    bool cannotOpen = false;
    std::uint64_t file = 0;  // the program's file index
  };

 private:
  void StopRunaway() const;

  FakeClock& clock_;
  FakeFiles& files_;
  // Why a start of executable in workingDir fails, as on Windows; Ok when it may start.
  Status Startable(const std::string& executable, const std::string& workingDir);
  std::vector<StartedProcess> started_;
  std::vector<ShellOpened> shellOpened_;
  std::map<ProcessId, Running> running_;
  ProcessId nextId_ = 1000;
  int pumps_ = 0;
  std::vector<std::uint64_t> pumpedAt_;
  int messageLoops_ = 0;
};

// ---------------------------------------------------------------- dialogs
struct ShownMessage {
  std::string text;
  std::string caption;
  Icon icon = Icon::None;
  Buttons buttons = Buttons::Ok;
  Answer answer = Answer::Ok;
  std::uintptr_t owner = 0;  // Native() of the owner window, 0 for none
};

struct ShownFolderDialog {
  std::string title;
  std::uintptr_t owner = 0;
};

class FakeDialogs : public Dialogs {
 public:
  // Answers for the next message boxes, first in first out; when none is queued the box
  // is answered with its first button (Ok, Yes, Retry). After kRunawayLimit boxes a
  // std::runtime_error stops a program that asks forever (a Retry loop left unscripted).
  static constexpr std::size_t kRunawayLimit = 10000;
  std::deque<Answer> answers;
  // Results of the next folder dialogs; when none is queued the dialog is cancelled.
  std::deque<std::optional<std::string>> folders;
  // Runs while a message box is up (a user inserting a CD before pressing Retry).
  std::function<void(const ShownMessage&)> whileShown;
  const std::vector<ShownMessage>& messages() const { return messages_; }
  const std::vector<ShownFolderDialog>& folderDialogs() const { return folderDialogs_; }

  Answer MessageBox(const std::string& text, const std::string& caption, Icon icon, Buttons buttons,
                    WindowHandle* owner = nullptr) override;
  std::optional<std::string> BrowseForFolder(WindowHandle* owner,
                                             const std::string& title) override;

 private:
  std::vector<ShownMessage> messages_;
  std::vector<ShownFolderDialog> folderDialogs_;
};

// ---------------------------------------------------------------- system
class FakeSystem : public System {
 public:
  std::string commandLine;
  std::string programDirectory = "C:\\Program Files\\Kalvenmarque";
  std::optional<std::string> userName = std::string("Player");
  std::string windowsDirectory = "C:\\WINDOWS";
  std::optional<std::string> localAppData = std::string("C:\\Users\\Player\\AppData\\Local");
  LocalTime now{2026, 12, 9, 14, 30, 5, 250};
  bool anotherInstance = false;
  std::map<std::string, int> driveTypes;             // "E:\" -> drive::kCdRom; others are fixed
  std::map<std::string, FixedFileVersion> versions;  // by path, compared without case
  std::map<int, std::string> strings;                // the string table
  int associationNotifications = 0;
  int endCount = 0;
  int exitCode = -1;  // the code of the last EndProgram

  std::string CommandLine() override { return commandLine; }
  std::string ProgramDirectory() override { return programDirectory; }
  // The program's file: programDirectory and programName.
  std::string programName = "Kalvenmarque.exe";
  std::string ProgramFile() override { return programDirectory + "\\" + programName; }
  Result<std::string> UserName() override;
  int DriveType(const std::string& root) override;
  Result<std::string> WindowsDirectory() override { return windowsDirectory; }
  Result<std::string> LocalAppDataDirectory() override;
  LocalTime Now() override { return now; }
  // The fake's write clock counts changes: change n is n minutes past midnight of now's day.
  LocalTime LocalTimeOf(std::uint64_t written) override {
    return LocalTime{now.year,
                     now.month,
                     now.day,
                     static_cast<int>(written / 60 % 24),
                     static_cast<int>(written % 60),
                     0,
                     0};
  }
  std::optional<FixedFileVersion> FileVersion(const std::string& path) override;
  bool AnotherInstanceRunning() override { return anotherInstance; }
  // Programs of the system a test says are running, by file name (any case).
  std::set<std::string> runningPrograms;
  bool ProgramRunning(const std::string& fileName) override;
  std::optional<std::string> LoadString(int id) override;
  void NotifyAssociationsChanged() override { ++associationNotifications; }
  [[noreturn]] void EndProgram(int exitCode) override;
};

// ---------------------------------------------------------------- windows
class FakeControl : public ControlHandle {
 public:
  std::string text;
  bool enabled = true;
  bool visible = true;
  int value = 0;
  std::vector<std::string> items;
  int selection = -1;
  int repaints = 0;
  std::vector<int> valueHistory;     // every SetValue, in order
  std::vector<int> paintedValues;    // the value at every Repaint, in order
  std::vector<std::string> headers;  // a report list's columns
  std::vector<int> widths;
  std::vector<std::vector<std::string>> rows;
  int sortedColumn = -1;  // the header marked as the rows' order
  bool sortedDescending = false;

  void SetText(const std::string& t) override { text = t; }
  std::string Text() const override { return text; }
  void SetEnabled(bool e) override { enabled = e; }
  bool Enabled() const override { return enabled; }
  void SetVisible(bool v) override { visible = v; }
  bool Visible() const override { return visible; }
  void SetValue(int v) override {
    value = v;
    valueHistory.push_back(v);
  }
  int Value() const override { return value; }
  void ClearItems() override {
    items.clear();
    rows.clear();
    selection = -1;
  }
  void AddItem(const std::string& item) override { items.push_back(item); }
  void SetColumns(const std::vector<std::string>& h, const std::vector<int>& w) override {
    headers = h;
    widths = w;
  }
  std::vector<int> ColumnWidths() const override { return widths; }
  void AddRow(const std::vector<std::string>& cells) override {
    rows.push_back(cells);
    items.push_back(cells.empty() ? "" : cells.front());
  }
  std::vector<std::string> Row(int index) const override;
  void ShowSorted(int column, bool descending) override {
    sortedColumn = column;
    sortedDescending = descending;
  }
  int ItemCount() const override { return static_cast<int>(items.size()); }
  std::string Item(int index) const override;
  void SetSelection(int index) override;
  int Selection() const override { return selection; }
  void Repaint() override {
    ++repaints;
    paintedValues.push_back(value);
  }
};

class FakeWindow : public WindowHandle {
 public:
  explicit FakeWindow(int templateId) : templateId_(templateId) { window_.visible = false; }
  int templateId() const { return templateId_; }
  FakeControl& control(int id);  // test access
  // Runs the handler a real window would run for the event (nothing when none is set).
  void Fire(int id, Event event);
  bool HasHandler(int id, Event event) const;
  // Runs the idle step, as the message loop would, until it is done; false when none was set.
  bool RunIdle();
  bool Idle() const { return static_cast<bool>(idle_); }

  ControlHandle& Control(int id) override { return control(id); }
  void OnEvent(int id, Event event, std::function<void()> handler) override;
  std::uintptr_t Native() const override { return reinterpret_cast<std::uintptr_t>(this); }

  void SetText(const std::string& t) override { window_.SetText(t); }
  std::string Text() const override { return window_.Text(); }
  void SetEnabled(bool e) override { window_.SetEnabled(e); }
  bool Enabled() const override { return window_.Enabled(); }
  void SetVisible(bool v) override { window_.SetVisible(v); }
  bool Visible() const override { return window_.Visible(); }
  void SetValue(int v) override { window_.SetValue(v); }
  int Value() const override { return window_.Value(); }
  void ClearItems() override {}
  void AddItem(const std::string&) override {}
  int ItemCount() const override { return 0; }
  std::string Item(int) const override { return ""; }
  void SetSelection(int) override {}
  int Selection() const override { return -1; }
  void Repaint() override { window_.Repaint(); }
  void WhileIdle(std::function<bool()> step) override {
    idle_ = std::move(step);
    ++idleGeneration_;
  }

 private:
  int templateId_;
  FakeControl window_;
  std::function<bool()> idle_;
  int idleGeneration_ = 0;
  std::map<int, std::unique_ptr<FakeControl>> controls_;
  std::map<std::pair<int, Event>, std::function<void()>> handlers_;
};

class FakeWindowFactory : public WindowFactory {
 public:
  // The program owns a forwarding handle; the window itself lives as long as the factory,
  // so a test can read it back after the program has dropped it.
  std::unique_ptr<WindowHandle> CreateWindowFromTemplate(int templateId) override;
  // Every window created so far, in creation order.
  const std::vector<FakeWindow*>& created() const { return created_; }
  // The first window created from templateId, or nullptr.
  FakeWindow* Find(int templateId) const;

 private:
  std::vector<std::unique_ptr<FakeWindow>> owned_;
  std::vector<FakeWindow*> created_;
};

// ---------------------------------------------------------------- all of it
class FakePlatform {
 public:
  FakePlatform();
  FakeFiles files;
  FakeRegistry registry;
  FakeProfile profile{files};
  FakeClock clock;
  FakeProcesses processes{clock, files};
  FakeDialogs dialogs;
  FakeSystem system;
  FakeWindowFactory windows;

  Platform& platform() { return platform_; }
  operator Platform&() { return platform_; }  // NOLINT: convenience in tests

 private:
  Platform platform_;
};

}  // namespace kalv::fake
