#include "core/run_log.h"

#include <cstdio>
#include <utility>

namespace kalv {

namespace {

constexpr const char* kFolder = "\\Kalvenmarque";
constexpr const char* kFile = "\\Kalvenmarque.log";

std::string Stamp(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", t.year, t.month, t.day,
                t.hour, t.minute, t.second, t.millisecond);
  return text;
}

std::string OneLine(const std::string& event) {
  std::string line;
  for (std::size_t i = 0; i < event.size(); ++i) {
    const char c = event[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < event.size() && event[i + 1] == '\n') ++i;
      line += " / ";
    } else {
      line += c;
    }
  }
  return line;
}

}  // namespace

std::string RunLogPath(System& system) {
  auto folder = system.LocalAppDataDirectory();
  if (!folder || folder.value().empty()) return "";
  return folder.value() + kFolder + kFile;
}

RunLog::RunLog(Files& files, System& system, std::string program)
    : files_(files), system_(system), program_(std::move(program)), path_(RunLogPath(system)) {}

void RunLog::Write(const std::string& event) {
  if (path_.empty()) return;
  const std::string line = Stamp(system_.Now()) + " " + program_ + ": " + OneLine(event) + "\r\n";
  auto length = files_.Length(path_);
  if (!length) {
    const std::string folder = path_.substr(0, path_.rfind('\\'));
    if (!files_.DirectoryExists(folder)) Skip(files_.MakeDirectory(folder));
  } else if (length.value() + line.size() > kRunLogLimitBytes) {
    DropOlderHalf();
  }
  auto stream = files_.OpenAppend(path_);
  if (stream) Skip(stream.value()->Write(line));
}

// The newer half is written beside the log and moved over it in one step, so a cut in
// between leaves the whole old log rather than a part of it. It starts at a line's start.
void RunLog::DropOlderHalf() {
  auto text = ReadWholeFile(files_, path_);
  if (!text) return;
  const std::string& all = text.value();
  std::size_t from = all.find('\n', all.size() / 2);
  from = from == std::string::npos ? all.size() : from + 1;
  const std::string trimmed = path_ + ".new";
  if (!WriteWholeFile(files_, trimmed, all.substr(from))) return Skip(files_.Delete(trimmed));
  if (!files_.Replace(trimmed, path_)) Skip(files_.Delete(trimmed));
}

}  // namespace kalv
