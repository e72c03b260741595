#include "games/read_memo.h"

#include "games/archive_directory.h"

namespace kalv {

// The stamps are taken before the bytes are read: a file that changes during the read
// has a newer stamp than the one kept, and is read again next time.
Result<bool> ReadMemo::SameContents(Files& files, const std::string& a, const std::string& b) {
  const auto stampA = files.Stamp(a);
  const auto stampB = files.Stamp(b);
  const auto key = std::make_pair(a, b);
  if (stampA && stampB) {
    const auto kept = compared_.find(key);
    if (kept != compared_.end() && kept->second.a == stampA.value() &&
        kept->second.b == stampB.value())
      return kept->second.same;
  }
  const Result<bool> same = kalv::SameContents(files, a, b);
  if (same && stampA && stampB) compared_[key] = {stampA.value(), stampB.value(), same.value()};
  return same;
}

std::optional<std::vector<std::string>> ReadMemo::ArchiveNames(Files& files,
                                                               const std::string& path) {
  return Remembered(archives_, files, path, [&] { return kalv::ArchiveNames(files, path); });
}

Result<std::vector<std::string>> ReadMemo::List(Files& files, const std::string& dir,
                                                const std::string& pattern) {
  if (kept_ == Kept::WhileUnchanged) return files.List(dir, pattern);
  const auto key = std::make_pair(dir, pattern);
  const auto found = lists_.find(key);
  if (found != lists_.end()) return found->second;
  return lists_.emplace(key, files.List(dir, pattern)).first->second;
}

}  // namespace kalv
