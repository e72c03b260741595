// kalv_bench: copies a 64 MB file with CopyFileWithProgress while the splash window shows
// its progress bar, and with the platform's own file copy, and writes what each took; then
// times the check of what a Quake 3 demo needs (bench/needs_check.h) and the listing of a
// folder of 1,000 demos (bench/library_listing.h).
//
//   kalv_bench.exe <result file> [<work folder>]
//
// The result holds one "name: value" line per figure (scripts/bench.sh reads them):
// copy-progress-mbps, copy-platform-mbps and copy-barless-mbps (CopyFileWithProgress
// without a window), copy-progress-ms, bar-paints and bar-longest-gap-ms (how often the bar
// was painted during the copy with the window), and copies-equal (1 when both copies hold
// the source's bytes), the needs check's needs-ms and needs-found, and the listing's
// library-ms, library-rows, library-read, library-lengths, library-games, library-cached-ms and
// library-cached-rows.
#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>

#include "bench/bench_args.h"
#include "bench/library_listing.h"
#include "bench/needs_check.h"
#include "launcher/copy_progress.h"
#include "launcher/base/program.h"
#include "platform/files.h"
#include "platform/program_main.h"
#include "platform/win32/paint_count.h"
#include "ui/resource.h"

namespace kalv::bench {
namespace {

constexpr std::uint64_t kFileBytes = 64ull << 20;
constexpr std::size_t kChunk = 1 << 20;

double Now() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// A source file of kFileBytes with varied contents, written in 1 MB chunks.
Status MakeSource(Files& files, const std::string& path) {
  Skip(files.SetAttributes(path, attr::kNormal));
  Skip(files.Delete(path));
  auto stream = files.OpenWrite(path);
  if (!stream) return stream.status();
  std::string chunk(kChunk, '\0');
  for (std::size_t i = 0; i < kChunk; ++i) chunk[i] = static_cast<char>((i * 131 + 17) & 0xFF);
  for (std::uint64_t done = 0; done < kFileBytes; done += kChunk)
    if (Status s = stream.value()->Write(chunk); !s) return s;
  return Status::Ok();
}

double MegabytesPerSecond(double seconds) {
  return seconds > 0 ? static_cast<double>(kFileBytes) / (1 << 20) / seconds : 0.0;
}

// Seconds one copy takes; the destination is removed first so every copy creates it.
template <typename Copy>
double Timed(Files& files, const std::string& destination, Copy copy) {
  Skip(files.Delete(destination));
  const double start = Now();
  copy();
  return Now() - start;
}

std::string Line(const char* name, double value) {
  char text[128];
  std::snprintf(text, sizeof text, "%s: %.6g\n", name, value);
  return text;
}

std::string Run(Program& program, const std::vector<std::string>& args) {
  Files& files = program.platform.files;
  const std::string work = args.size() > 1 ? args[1] : program.platform.system.ProgramDirectory();
  const std::string source = work + "\\bench_source.bin";
  const std::string withProgress = work + "\\bench_progress.bin";
  const std::string plain = work + "\\bench_plain.bin";

  if (Status s = MakeSource(files, source); !s)
    return "failed: cannot write " + source + ": " + s.failure().description + "\n";

  // A copy that is not counted warms the file cache for the copies compared.
  Status plainCopy = files.Copy(source, plain);
  if (!plainCopy) return "failed: the platform's copy: " + plainCopy.failure().description + "\n";
  // Without a window: the cost of the copy loop alone.
  const double barless =
      Timed(files, withProgress, [&] { CopyFileWithProgress(program, source, withProgress); });

  program.frmSplash.Create(program.platform.windows);
  program.frmSplash.window.Show();
  program.frmSplash.window.Refresh();
  win32::PaintCounter paints(program.frmSplash.window.handle().Native(), IDC_SPLASH_PROGRESSBAR);
  const double progress =
      Timed(files, withProgress, [&] { CopyFileWithProgress(program, source, withProgress); });
  const int barPaints = paints.paints();
  const double longestGap = paints.longestGapMilliseconds();

  const double platform = Timed(files, plain, [&] { plainCopy = files.Copy(source, plain); });
  if (!plainCopy) return "failed: the platform's copy: " + plainCopy.failure().description + "\n";

  const bool equal = files.Length(source).value_or(0) == kFileBytes &&
                     SameContents(files, source, withProgress).value_or(false) &&
                     SameContents(files, source, plain).value_or(false);
  std::ostringstream out;
  out << Line("copy-progress-mbps", MegabytesPerSecond(progress))
      << Line("copy-platform-mbps", MegabytesPerSecond(platform))
      << Line("copy-barless-mbps", MegabytesPerSecond(barless))
      << Line("copy-progress-ms", 1000 * progress) << Line("bar-paints", barPaints)
      << Line("bar-longest-gap-ms", longestGap) << Line("copies-equal", equal ? 1 : 0);

  Skip(files.Delete(source));
  Skip(files.Delete(withProgress));
  Skip(files.Delete(plain));
  return out.str() + TimeNeedsCheck(program, work) + TimeLibraryListing(program, work);
}

}  // namespace
}  // namespace kalv::bench

// Failures are written into the result file too, so an unattended run always says why.
int kalv::ProgramMain(Platform& platform) {
  const auto args = bench::SplitArguments(platform.system.CommandLine());
  if (args.empty()) return 2;
  Program program(platform);
  std::string report;
  int code = 0;
  try {
    report = bench::Run(program, args);
    if (report.rfind("failed", 0) == 0) code = 1;
  } catch (const RaisedFailure& raised) {
    report = "failed: " + std::to_string(raised.failure().number) + " " +
             raised.failure().description + "\n";
    code = 1;
  }
  std::fputs(report.c_str(), stdout);
  Skip(WriteWholeFile(platform.files, args[0], report));
  return code;
}
