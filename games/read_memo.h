// What one run has read of the files it looks at more than once, kept while each file
// keeps its stamp: a Quake 3 start looks at the release store and compares the installed
// executable with it several times (detection, the store offer, the switch's check, the
// switch), and each look would read the files again; a folder of demos looks into the same
// archives for every demo's map.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "games/release.h"
#include "platform/files.h"

namespace kalv {

class ReadMemo {
 public:
  // WhileUnchanged: a file is read again once its stamp has changed. ForItsLife: what was
  // read is kept, folders' lists too, and no stamp is looked at again: for one look at many
  // files that takes them as they were when it began (a listing of a folder of demos).
  enum class Kept { WhileUnchanged, ForItsLife };
  explicit ReadMemo(Kept kept = Kept::WhileUnchanged) : kept_(kept) {}

  // SameContents of the two files, read again only when either has changed.
  Result<bool> SameContents(Files& files, const std::string& a, const std::string& b);

  // The release file at path as read reads it, read again only when it has changed; a
  // file without a stamp (missing, unreadable) is read every time.
  template <typename Read>
  Release ReleaseFile(Files& files, const std::string& path, Read read) {
    return Remembered(releases_, files, path, read);
  }

  // The names an archive holds, read again only when it has changed.
  std::optional<std::vector<std::string>> ArchiveNames(Files& files, const std::string& path);

  // Files::List, kept only for its life.
  Result<std::vector<std::string>> List(Files& files, const std::string& dir,
                                        const std::string& pattern);

 private:
  struct Compared {
    FileStamp a, b;
    bool same;
  };
  std::map<std::pair<std::string, std::string>, Compared> compared_;
  std::map<std::string, std::pair<FileStamp, Release>> releases_;
  std::map<std::string, std::pair<FileStamp, std::optional<std::vector<std::string>>>> archives_;
  std::map<std::pair<std::string, std::string>, Result<std::vector<std::string>>> lists_;
  Kept kept_;

  // For its life a file is known by its path alone (its stamp stays empty).
  template <typename Value, typename Read>
  Value Remembered(std::map<std::string, std::pair<FileStamp, Value>>& kept, Files& files,
                   const std::string& path, Read read) {
    Result<FileStamp> stamp = FileStamp{};
    if (kept_ == Kept::WhileUnchanged) stamp = files.Stamp(path);
    if (!stamp) return read();
    const auto found = kept.find(path);
    if (found != kept.end() && found->second.first == stamp.value()) return found->second.second;
    Value value = read();
    kept[path] = {stamp.value(), value};
    return value;
  }
};

}  // namespace kalv
