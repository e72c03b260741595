// kalv_bench: copies a 64 MB file with CopyFileWithProgress and with the platform's own
// copy and compares their throughput, then measures the processor time RunGameAndWait
// spends while a game runs.
//
//   kalv_bench.exe <result file> <game executable> [<work directory>]
//
// The game should run for a few seconds (the stand-in game with KALV_STANDIN_MODE=sleep:5000).
#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>

#include "bench/bench_args.h"
#include "launcher/base/functions.h"
#include "launcher/base/program.h"
#include "launcher/game_table.h"
#include "platform/program_main.h"
#include "platform/win32/cpu_time.h"

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

std::string Run(Program& program, const std::vector<std::string>& args) {
  Files& files = program.platform.files;
  std::ostringstream out;
  const std::string game = args[1];
  const std::string work = args.size() > 2 ? args[2] : program.platform.system.ProgramDirectory();
  const std::string source = work + "\\bench_source.bin";
  const std::string withProgress = work + "\\bench_progress.bin";
  const std::string plain = work + "\\bench_plain.bin";

  if (Status s = MakeSource(files, source); !s)
    return "cannot write " + source + ": " + s.failure().description + "\n";

  // First without a window, to separate the cost of the copy loop from its painting.
  double t0 = Now();
  Skip(files.Delete(withProgress));
  CopyFileWithProgress(program, source, withProgress);
  const double barlessSeconds = Now() - t0;

  program.frmSplash.Create(program.platform.windows);
  program.frmSplash.window.Show();

  double cpu0 = win32::ProcessCpuSeconds();
  t0 = Now();
  const std::uint64_t copied = CopyFileWithProgress(program, source, withProgress);
  const double progressSeconds = Now() - t0;
  const double progressCpu = win32::ProcessCpuSeconds() - cpu0;

  Skip(files.Delete(plain));
  t0 = Now();
  const Status plainCopy = files.Copy(source, plain);
  const double plainSeconds = Now() - t0;

  const bool same = files.Length(withProgress).value_or(0) == kFileBytes &&
                    files.Length(plain).value_or(0) == kFileBytes;
  const double a = MegabytesPerSecond(progressSeconds);
  const double b = MegabytesPerSecond(plainSeconds);
  char line[512];
  std::snprintf(line, sizeof line,
                "copy 64 MB: CopyFileWithProgress %.1f MB/s (%.3f s, %.3f s CPU, %llu bytes), "
                "Files::Copy %.1f MB/s (%.3f s)%s, ratio %.3f%s\n",
                a, progressSeconds, progressCpu, static_cast<unsigned long long>(copied), b,
                plainSeconds, plainCopy.ok() ? "" : " FAILED", b > 0 ? a / b : 0.0,
                same ? "" : " (lengths differ)");
  out << line;
  std::snprintf(line, sizeof line,
                "copy 64 MB without a progress bar: CopyFileWithProgress %.1f MB/s (%.3f s)\n",
                MegabytesPerSecond(barlessSeconds), barlessSeconds);
  out << line;

  GameTable games = Games();
  for (Game& g : games) g.restore = nullptr;
  program.games = &games;
  cpu0 = win32::ProcessCpuSeconds();
  t0 = Now();
  RunGameAndWait(program, game, "\"" + game + "\"", "Q1");
  const double waitSeconds = Now() - t0;
  const double waitCpu = win32::ProcessCpuSeconds() - cpu0;
  std::snprintf(line, sizeof line,
                "game wait: %.3f s wall, %.4f s CPU (%.3f %% of one processor)\n", waitSeconds,
                waitCpu, waitSeconds > 0 ? 100.0 * waitCpu / waitSeconds : 0.0);
  out << line;

  Skip(files.Delete(source));
  Skip(files.Delete(withProgress));
  Skip(files.Delete(plain));
  return out.str();
}

}  // namespace
}  // namespace kalv::bench

// Failures are written into the result file too, so an unattended run always says why.
int kalv::ProgramMain(Platform& platform) {
  const auto args = bench::SplitArguments(platform.system.CommandLine());
  if (args.size() < 2) return 2;
  Program program(platform);
  std::string report;
  int code = 0;
  try {
    report = bench::Run(program, args);
  } catch (const RaisedFailure& raised) {
    report = "failed: " + std::to_string(raised.failure().number) + " " +
             raised.failure().description + "\n";
    code = 1;
  }
  std::fputs(report.c_str(), stdout);
  Skip(WriteWholeFile(platform.files, args[0], report));
  return code;
}
