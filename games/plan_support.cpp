#include "games/plan_support.h"

namespace kalv {

DemoFacts ReadDemoFacts(Files& files, const std::string& demo, const std::string& fixedTarget) {
  return DemoFacts{files.CanOpenForRead(demo), files.SameFile(demo, fixedTarget)};
}

std::string ReadDemoStart(Files& files, const std::string& demo, std::size_t count) {
  auto stream = files.OpenRead(demo);
  return stream ? stream.value()->Read(count).value_or("") : std::string();
}

std::string ReadDemoAt(Files& files, const std::string& demo, std::uint64_t offset,
                       std::size_t count) {
  auto stream = files.OpenRead(demo);
  if (!stream || !stream.value()->Seek(offset)) return "";
  return stream.value()->Read(count).value_or("");
}

std::string ReadDemoEnd(Files& files, const std::string& demo, std::size_t count) {
  auto stream = files.OpenRead(demo);
  const auto length = stream ? stream.value()->Length() : Result<std::uint64_t>(stream.failure());
  if (!length || !stream.value()->Seek(length.value() > count ? length.value() - count : 0))
    return "";
  return stream.value()->Read(count).value_or("");
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
