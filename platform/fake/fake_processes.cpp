#include <algorithm>
#include <optional>
#include <stdexcept>

#include "platform/fake/fake_platform.h"

namespace kalv::fake {

namespace {
// Reads the process table afresh on every query, so a test may end the process later.
class FakeWatch : public ProcessWatch {
 public:
  FakeWatch(const FakeProcesses& processes, ProcessId id) : processes_(processes), id_(id) {}
  Result<bool> HasEnded() override { return processes_.EndedNow(id_); }
  Result<std::uint32_t> ExitCode() override { return processes_.ExitCodeNow(id_); }
  ProcessId Id() const override { return id_; }

 private:
  const FakeProcesses& processes_;
  ProcessId id_;
};
}  // namespace

// As on Windows, a start fails unless the executable is a file that exists: 76 when its
// folder is missing, 53 otherwise. The program's file is held as a running program's
// until the process ends.
Result<std::unique_ptr<ProcessWatch>> FakeProcesses::Start(const std::string& executable,
                                                           const std::string& commandLine,
                                                           ShowMode show,
                                                           const std::string& workingDir) {
  if (beforeStart) beforeStart(executable);
  if (Status startable = Startable(executable, workingDir); !startable) return startable.failure();
  const std::optional<std::uint64_t> file = files_.FileIndex(executable);
  StartedProcess process;
  process.id = nextId_++;
  process.executable = executable;
  process.commandLine = commandLine;
  process.show = show;
  process.workingDir = workingDir;
  process.startedAt = clock_.now();
  running_[process.id] =
      Running{clock_.now() + next.runMilliseconds, next.exitCode, next.cannotOpen, *file};
  files_.HoldAsRunningProgram(executable,
                              [this, id = process.id] { return !EndedNow(id).value_or(true); });
  started_.push_back(process);
  if (next.onStart) next.onStart(started_.back());
  return std::unique_ptr<ProcessWatch>(std::make_unique<FakeWatch>(*this, process.id));
}

Status FakeProcesses::Startable(const std::string& executable, const std::string& workingDir) {
  auto attributes = files_.GetAttributes(executable);
  if (!attributes) return attributes.failure();
  if (!files_.FileIndex(executable)) return Status::Fail(err::kFileNotFound);
  if (!workingDir.empty() && !files_.DirectoryExists(workingDir))
    return Status::Fail(err::kPathNotFound);
  return Status::Ok();
}

Result<std::unique_ptr<HeldProcess>> FakeProcesses::Hold(const std::string& executable,
                                                         const std::string& commandLine,
                                                         ShowMode show,
                                                         const std::string& workingDir) {
  if (Status startable = Startable(executable, workingDir); !startable) return startable.failure();
  return std::unique_ptr<HeldProcess>(
      std::make_unique<StartOnRelease>(*this, executable, commandLine, show, workingDir));
}

Result<std::uint32_t> FakeProcesses::ExitCodeNow(ProcessId id) const {
  auto it = running_.find(id);
  if (it == running_.end()) return Result<std::uint32_t>::Fail(err::kInvalidCall);
  return clock_.now() < it->second.endsAt ? kStillActive : it->second.exitCode;
}

Result<bool> FakeProcesses::EndedNow(ProcessId id) const {
  auto it = running_.find(id);
  if (it == running_.end()) return Result<bool>::Fail(err::kInvalidCall);
  return clock_.now() >= it->second.endsAt;
}

void FakeProcesses::Exit(ProcessId id, std::uint32_t code) {
  auto it = running_.find(id);
  if (it == running_.end()) return;
  it->second.endsAt = clock_.now();
  it->second.exitCode = code;
}

Status FakeProcesses::ShellOpen(const std::string& file, const std::string& parameters,
                                const std::string& workingDir, ShowMode show) {
  shellOpened_.push_back(ShellOpened{file, parameters, workingDir, show});
  return shellOpenResult;
}

void FakeProcesses::StopRunaway() const {
  if (clock_.sleeps + clock_.waits >= kRunawayLimit)
    throw std::runtime_error("the program waited too often; it would wait forever");
}

std::uint64_t FakeProcesses::LongestUnanswered(std::uint64_t since, std::uint64_t until) const {
  std::uint64_t last = since, longest = 0;
  for (std::uint64_t at : pumpedAt_) {
    if (at < since || at > until) continue;
    longest = std::max(longest, at - last);
    last = at;
  }
  return std::max(longest, until - last);
}

void FakeProcesses::PumpMessages() {
  ++pumps_;
  pumpedAt_.push_back(clock_.now());
  if (whileWaiting) whileWaiting();
}

// Fake time passes at once; the test's hook then sees the program mid-wait.
void FakeProcesses::Sleep(unsigned milliseconds) {
  StopRunaway();
  clock_.Advance(milliseconds);
  clock_.sleptTotal += milliseconds;
  ++clock_.sleeps;
  if (whileWaiting) whileWaiting();
}

std::uint64_t FakeProcesses::Milliseconds() {
  const std::uint64_t now = clock_.now();
  clock_.Advance(clock_.advancePerReading);
  return now;
}

void FakeProcesses::WaitForEndOrMessage(ProcessWatch* watch, unsigned milliseconds) {
  StopRunaway();
  std::uint64_t step = milliseconds;
  if (const auto* fakeWatch = dynamic_cast<const FakeWatch*>(watch)) {
    auto it = running_.find(fakeWatch->Id());
    if (it != running_.end()) {
      const std::uint64_t endsAt = it->second.endsAt;
      step = endsAt <= clock_.now() ? 0 : std::min(step, endsAt - clock_.now());
    }
  }
  clock_.Advance(step);
  clock_.waitedTotal += step;
  ++clock_.waits;
  if (whileWaiting) whileWaiting();
}

// The program is known by its file, not by the spelling of its path, as the Windows
// backend compares file identities.
bool FakeProcesses::IsRunning(ProcessId id, const std::string& executable) {
  if (id == ownId) return EqualsNoCase(executable, ownExecutable);
  auto it = running_.find(id);
  if (it == running_.end() || it->second.cannotOpen || clock_.now() >= it->second.endsAt)
    return false;
  return files_.FileIndex(executable) == it->second.file;
}

}  // namespace kalv::fake
