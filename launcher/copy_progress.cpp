#include "launcher/copy_progress.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "launcher/base/texts.h"

namespace kalv {

namespace {

// The splash progress bar, when the splash window exists.
ui::ProgressBar* SplashProgress(Program& program) {
  ui::ProgressBar& bar = program.frmSplash.ProgressBar;
  return bar.bound() ? &bar : nullptr;
}

void ShowProgress(Program& program, bool visible) {
  if (ui::ProgressBar* bar = SplashProgress(program)) bar->SetVisible(visible);
}

// The destination's current length as the open file reports it; nothing when unknown.
std::optional<std::uint64_t> CurrentLength(FileStream* stream) {
  if (!stream) return std::nullopt;
  auto length = stream->Length();
  if (!length) return std::nullopt;
  return length.value();
}

// The splash bar as a copy moves it: its value follows every percentage, but it is painted
// at most once a frame, which is as often as a screen can show it, and always at its last
// value. A paint costs milliseconds under some systems, far more than a block's copy.
class CopyProgress {
 public:
  explicit CopyProgress(Program& program)
      : processes_(program.platform.processes), bar_(SplashProgress(program)) {}

  void Show(int percent) {
    if (percent == shown_) return;
    shown_ = percent;
    if (!bar_) return;
    bar_->SetValue(percent);
    const std::uint64_t now = processes_.Milliseconds();
    unpainted_ = painted_ && now - paintedAt_ < kFrameMilliseconds;
    if (unpainted_) return;
    bar_->Refresh();
    painted_ = true;
    paintedAt_ = now;
  }

  void PaintLast() {
    if (bar_ && unpainted_) bar_->Refresh();
    unpainted_ = false;
  }

 private:
  static constexpr std::uint64_t kFrameMilliseconds = 16;
  Processes& processes_;
  ui::ProgressBar* bar_;
  int shown_ = -1;
  bool painted_ = false;
  std::uint64_t paintedAt_ = 0;
  bool unpainted_ = false;
};

// The reads and writes underneath go this many blocks at a time.
constexpr std::size_t kCopyChunkBlocks = 32;

}  // namespace

// Each step after the source test may fail without stopping the copy (a read-only
// destination is cleared first, a missing one is simply created). The loop ends when the
// destination is as long as the source; a round that adds nothing (disk full, locked
// destination, a write that keeps failing, an undeletable longer destination) would never
// get there, so it stops the copy, removes what was written and raises the failure that
// caused it. A zero-length source runs one empty round and sets no percentage.
// The file is read and written in chunks of many blocks; after each chunk the blocks it
// held are counted one by one, so the bar takes the values a block-by-block copy gives.
std::uint64_t CopyFileWithProgress(Program& program, const std::string& source,
                                   const std::string& destination) {
  Files& files = program.platform.files;
  if (!files.CanOpenForRead(source)) Raise(err::kFileNotFound);
  // Clearing the destination would delete the source when both name one file (a demo
  // opened from its fixed-name copy, by any route): the copy is already there.
  if (files.SameFile(source, destination)) {
    auto length = files.Length(source);
    return length ? length.value() : 0;
  }

  // The most recent failure of a step that matters for why a round added nothing.
  std::optional<Failure> cause;
  auto note = [&cause](const Status& status) {
    if (!status.ok()) cause = status.failure();
  };
  // Nothing to clear or delete is not a cause of anything.
  auto noteUnlessMissing = [&note](const Status& status) {
    if (status.number() != err::kFileNotFound) note(status);
  };

  noteUnlessMissing(files.SetAttributes(destination, attr::kNormal));
  noteUnlessMissing(files.Delete(destination));
  ShowProgress(program, true);

  std::unique_ptr<FileStream> in;
  std::unique_ptr<FileStream> out;
  if (auto opened = files.OpenRead(source))
    in = std::move(opened).value();
  else
    note(opened.status());
  if (auto opened = files.OpenWrite(destination))
    out = std::move(opened).value();
  else
    note(opened.status());

  std::uint64_t total = 0;
  if (in) {
    if (auto length = in->Length())
      total = length.value();
    else
      note(length.status());
  } else if (auto length = files.Length(source)) {
    total = length.value();
  }

  // Signed, because an undeletable destination can be longer than the source.
  auto remainingFor = [total](std::uint64_t length) {
    return static_cast<long long>(total) - static_cast<long long>(length);
  };
  long long remaining = remainingFor(CurrentLength(out.get()).value_or(0));
  CopyProgress progress(program);
  constexpr long long kBlock = kCopyBlockBytes;

  for (;;) {
    const long long before = remaining;
    const auto chunk = static_cast<std::size_t>(
        std::clamp(remaining, 0LL, kBlock * static_cast<long long>(kCopyChunkBlocks)));
    if (chunk > 0) {
      if (!in) {
        // Nothing to read from: the open failure already says why.
      } else if (auto bytes = in->Read(chunk)) {
        if (out) note(out->Write(bytes.value()));
      } else {
        note(bytes.status());
      }
    }
    if (auto length = CurrentLength(out.get())) remaining = remainingFor(*length);
    for (long long left = before; left > remaining && left > 0;) {
      left = std::max(remaining, left - kBlock);
      if (left >= 0 && left <= static_cast<long long>(total))
        progress.Show(100 - static_cast<int>(static_cast<std::uint64_t>(left) * 100 / total));
    }
    if (remaining == 0) break;
    if (remaining >= before) {
      in.reset();
      out.reset();
      Skip(files.Delete(destination));
      ShowProgress(program, false);
      throw RaisedFailure(cause.value_or(MakeFailure(err::kPathFileAccess)));
    }
  }

  progress.PaintLast();
  ShowProgress(program, false);
  return total;
}

}  // namespace kalv
