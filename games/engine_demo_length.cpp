#include "games/engine_demo_length.h"

#include <vector>

#include "games/plan_support.h"

namespace kalv {

namespace {

constexpr std::int64_t kLongestDemo = 24LL * 60 * 60 * 1000;

std::optional<std::int32_t> FirstSnapshotTime(std::string_view head, const FirstGamestate& first) {
  std::size_t at = first.next;
  while (const auto block = ReadEngineBlock(head.substr(at))) {
    if (const auto time = ReadSnapshotTime(block->message, first.reading)) return time;
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

std::optional<std::uint32_t> Between(std::optional<std::int32_t> from,
                                     std::optional<std::int32_t> to) {
  if (!from || !to) return std::nullopt;
  const std::int64_t length = std::int64_t{*to} - *from;
  if (length < 0 || length > kLongestDemo) return std::nullopt;
  return static_cast<std::uint32_t>(length);
}

}  // namespace

std::optional<std::uint32_t> EngineDemoLength(std::string_view head, std::string_view tail) {
  const auto first = ReadFirstGamestate(head);
  if (!first) return std::nullopt;
  const auto from = FirstSnapshotTime(head, *first);
  return Between(from, from ? LastSnapshotTime(tail, first->reading) : std::nullopt);
}

std::optional<std::uint32_t> ReadEngineDemoLength(Files& files, const std::string& path) {
  // A server's messages are mostly far smaller than the largest: a short end usually
  // holds the last blocks, and the whole is read only when it does not.
  constexpr std::size_t kUsualEnd = 4096;
  DemoFile file(files, path);
  const std::string head = file.At(0, kEngineLengthBytes);
  const auto first = ReadFirstGamestate(head);
  const auto from = first ? FirstSnapshotTime(head, *first) : std::nullopt;
  if (!from) return std::nullopt;
  auto to = LastSnapshotTime(file.End(kUsualEnd), first->reading);
  if (!to) to = LastSnapshotTime(file.End(kEngineLengthBytes), first->reading);
  return Between(from, to);
}

}  // namespace kalv
