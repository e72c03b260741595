#include "games/plan_support.h"

namespace kalv {

DemoFacts ReadDemoFacts(Files& files, const std::string& demo, const std::string& fixedTarget) {
  return DemoFacts{files.CanOpenForRead(demo), files.SameFile(demo, fixedTarget)};
}

std::string ReadDemoStart(Files& files, const std::string& demo, std::size_t count) {
  return DemoFile(files, demo).At(0, count);
}

DemoFile::DemoFile(Files& files, const std::string& path) {
  if (auto stream = files.OpenRead(path)) stream_ = std::move(stream).value();
}

std::string DemoFile::At(std::uint64_t offset, std::size_t count) {
  if (!stream_ || !stream_->Seek(offset)) return "";
  return stream_->Read(count).value_or("");
}

std::string DemoFile::End(std::size_t count) {
  if (!stream_) return "";
  if (!length_) {
    const auto length = stream_->Length();
    if (!length) return "";
    length_ = length.value();
  }
  return At(*length_ > count ? *length_ - count : 0, count);
}

RunPlan NewPlan(const Game& game) {
  RunPlan plan;
  plan.game = game.code;
  plan.code = game.journalCode;
  plan.name = game.name;
  plan.switcher = game.switcher;
  return plan;
}

Notice MissingDirectory(const Game& game) {
  Notice notice;
  notice.kind = Notice::Kind::MissingDirectory;
  notice.text = game.name;
  return notice;
}

std::optional<Notice> DemoRefusal(const DemoFacts& demo) {
  if (demo.readable) return std::nullopt;
  Notice notice;
  notice.kind = Notice::Kind::Error;
  notice.failure = demo.readable.failure();
  return notice;
}

GameStart StartIn(const std::string& executable, const std::string& commandLine) {
  GameStart start;
  start.executable = executable;
  start.commandLine = commandLine;
  const std::size_t slash = executable.rfind('\\');
  start.folder = slash == std::string::npos ? std::string() : executable.substr(0, slash);
  return start;
}

Steps Then(Steps a, const Steps& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace kalv
