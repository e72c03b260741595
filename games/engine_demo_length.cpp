#include "games/engine_demo_length.h"

#include <vector>

#include "games/plan_support.h"

namespace kalv {

namespace {

constexpr std::int64_t kLongestDemo = 24LL * 60 * 60 * 1000;

// How the demo's release sends messages, and its first snapshot's server time.
struct Start {
  MessageReading reading;
  std::int32_t time = 0;
};

std::optional<Start> StartOf(std::string_view head) {
  const auto first = ReadFirstGamestate(head);
  if (!first) return std::nullopt;
  std::size_t at = first->next;
  while (const auto block = ReadEngineBlock(head.substr(at))) {
    if (const auto time = ReadSnapshotTime(block->message, first->reading))
      return Start{first->reading, *time};
    at += 8 + block->message.size();
  }
  return std::nullopt;
}

// Whether the bytes from at on are the end mark a finished recording leaves: one or two -1s.
bool IsEndMark(std::string_view tail, std::size_t at) {
  const std::size_t left = tail.size() - at;
  return (left == 4 || left == 8) && tail.find_first_not_of('\xff', at) == std::string_view::npos;
}

std::optional<std::int32_t> LastSnapshotTime(std::string_view tail, MessageReading reading) {
  // chain[at]: how many blocks run from at to the end, each with a higher sequence than the
  // one before; 0 where none do.
  std::vector<int> chain(tail.size() + 1, 0);
  std::vector<std::int32_t> sequence(tail.size() + 1, 0);
  std::size_t best = tail.size();
  for (std::size_t at = tail.size(); at-- > 0;) {
    const auto block = ReadEngineBlock(tail.substr(at));
    if (!block) continue;
    const std::size_t next = at + 8 + block->message.size();
    if (next == tail.size() || IsEndMark(tail, next))
      chain[at] = 1;
    else if (chain[next] > 0 && sequence[next] > block->sequence)
      chain[at] = chain[next] + 1;
    else
      continue;
    sequence[at] = block->sequence;
    if (best == tail.size() || chain[at] >= chain[best]) best = at;
  }
  // One block that runs to the end may be noise inside a block cut short; two in a row
  // almost never are.
  if (best == tail.size() || chain[best] < 2) return std::nullopt;
  std::vector<std::string_view> messages;
  for (std::size_t at = best; at < tail.size() && chain[at] > 0;) {
    messages.push_back(ReadEngineBlock(tail.substr(at))->message);
    at += 8 + messages.back().size();
  }
  // The last block may hold only server commands; the snapshot before it still counts.
  for (auto message = messages.rbegin(); message != messages.rend(); ++message)
    if (const auto time = ReadSnapshotTime(*message, reading)) return time;
  return std::nullopt;
}

std::optional<std::uint32_t> Between(std::int32_t from, std::optional<std::int32_t> to) {
  if (!to) return std::nullopt;
  const std::int64_t length = std::int64_t{*to} - from;
  if (length < 0 || length > kLongestDemo) return std::nullopt;
  return static_cast<std::uint32_t>(length);
}

}  // namespace

std::optional<std::uint32_t> EngineDemoLength(std::string_view head, std::string_view tail) {
  const auto start = StartOf(head);
  if (!start) return std::nullopt;
  return Between(start->time, LastSnapshotTime(tail, start->reading));
}

std::optional<std::uint32_t> ReadEngineDemoLength(Files& files, const std::string& path) {
  // A server's messages are mostly far smaller than the largest: a short end usually
  // holds the last blocks, and the whole is read only when it does not.
  constexpr std::size_t kUsualEnd = 4096;
  DemoFile file(files, path);
  const auto start = StartOf(file.At(0, kEngineLengthBytes));
  if (!start) return std::nullopt;
  auto to = LastSnapshotTime(file.End(kUsualEnd), start->reading);
  if (!to) to = LastSnapshotTime(file.End(kEngineLengthBytes), start->reading);
  return Between(start->time, to);
}

}  // namespace kalv
