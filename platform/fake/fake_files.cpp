#include <algorithm>
#include <functional>
#include <iterator>
#include <stdexcept>

#include "platform/fake/fake_paths.h"
#include "platform/fake/fake_platform.h"

namespace kalv::fake {

namespace {
struct Node {
  std::string key;
  std::string display;      // the full path as first written ("C:\Demos\a.dm3"; a root is "C:")
  std::uint64_t index = 0;  // what names the file itself, as Windows' file index does
  bool directory = false;
  std::string data;
  std::uint32_t attributes = attr::kArchive;
  std::uint64_t written = 0;  // the state's write clock at the last change of data
};
using NodePtr = std::shared_ptr<Node>;

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}
}  // namespace

// How a file is open, in the terms of Windows' sharing rule.
namespace share {
constexpr unsigned kRead = 1;
constexpr unsigned kWrite = 2;
constexpr unsigned kDelete = 4;
}  // namespace share

struct OpenMode {
  unsigned access;
  unsigned sharing;
};
// The opens of the Windows backend's calls, and the other programs' holds.
constexpr OpenMode kReading{share::kRead, share::kRead | share::kWrite};
constexpr OpenMode kWriting{share::kRead | share::kWrite, share::kRead};
constexpr OpenMode kCopyTarget{share::kWrite, share::kRead | share::kWrite};
constexpr OpenMode kDeleting{share::kDelete, share::kRead | share::kWrite | share::kDelete};
constexpr OpenMode kExclusiveHold{share::kRead | share::kWrite, 0};
// A running program's file, as Windows maps it: read, shared for reading and for renaming;
// the file system refuses to delete it besides.
constexpr OpenMode kRunningImage{share::kRead, share::kRead | share::kDelete};

struct OpenFile {
  NodePtr node;
  OpenMode mode;
  bool otherProgram;  // a test's hold, as opposed to a stream of the program
  // For a running program's file: whether the program still runs; the open ends with it.
  std::function<bool()> running;
  bool Live() const { return !running || running(); }
  bool Image() const { return static_cast<bool>(running); }
};

struct FakeFiles::State {
  std::map<std::string, NodePtr> nodes;
  std::map<int, OpenFile> opens;
  int nextOpen = 1;
  PathContext context;
  std::map<std::string, std::uint64_t> freeSpace;  // by drive key; absent = no limit
  std::map<std::string, int> failing;
  std::uint64_t nextIndex = 1;
  int writes = 0;
  int flushes = 0;
  std::uint64_t clock = 0;                           // ticks once per change of a file's data
  std::map<std::uint64_t, std::uint64_t> bytesRead;  // by file index

  ParsedPath Parse(const std::string& path) const { return ParseWindowsPath(path, context); }
  // Calls visit(key, node) for every file below dir.
  template <typename Visit>
  void ForEachFileBelow(const std::string& dir, Visit visit) const {
    ParsedPath p = Parse(dir);
    if (p.failure) return;
    const std::string prefix = p.key + "\\";
    for (auto it = nodes.lower_bound(prefix); it != nodes.end() && StartsWith(it->first, prefix);
         ++it)
      if (!it->second->directory) visit(it->first, *it->second);
  }
  NodePtr Find(const std::string& key) const {
    auto it = nodes.find(key);
    return it == nodes.end() ? nullptr : it->second;
  }
  // A path with a final backslash names a directory; a file is not found through it.
  NodePtr Find(const ParsedPath& p) const {
    if (p.failure) return nullptr;
    NodePtr node = Find(p.key);
    return node && p.trailingSeparator && !node->directory ? nullptr : node;
  }
  bool ParentIsDirectory(const ParsedPath& p) const {
    if (p.root()) return true;
    NodePtr parent = Find(p.parentKey());
    return parent && parent->directory;
  }
  // The number a call gives for a path that names nothing.
  int MissingNumber(const ParsedPath& p) const {
    NodePtr file = Find(p.key);
    if (p.trailingSeparator && file && !file->directory) return err::kBadFileName;
    return ParentIsDirectory(p) ? err::kFileNotFound : err::kPathNotFound;
  }
  int Failing(const ParsedPath& p) const {
    if (p.failure) return p.failure;
    auto it = failing.find(p.key);
    return it == failing.end() ? 0 : it->second;
  }
  // Windows' sharing rule: an open is refused when it asks for access that an earlier
  // open of the file does not share, or does not share access an earlier open has.
  bool SharingAllows(const NodePtr& node, OpenMode mode) const {
    for (const auto& entry : opens) {
      const OpenFile& open = entry.second;
      if (open.node != node || !open.Live()) continue;
      if ((mode.access & ~open.mode.sharing) || (open.mode.access & ~mode.sharing)) return false;
    }
    return true;
  }
  // Whether the file is a running program's, which the file system will not delete.
  bool Running(const NodePtr& node) const {
    for (const auto& entry : opens)
      if (entry.second.node == node && entry.second.Image() && entry.second.Live()) return true;
    return false;
  }
  // The opens of programs that have ended go before a new open is counted.
  int Open(NodePtr node, OpenMode mode, bool otherProgram, std::function<bool()> running = {}) {
    for (auto it = opens.begin(); it != opens.end();)
      it = it->second.Live() ? std::next(it) : opens.erase(it);
    opens[nextOpen] = OpenFile{std::move(node), mode, otherProgram, std::move(running)};
    return nextOpen++;
  }
  // Whether another program has a file below the directory key open.
  bool HeldBelow(const std::string& key) const {
    for (const auto& entry : opens) {
      const OpenFile& open = entry.second;
      if (open.otherProgram && open.Live() && StartsWith(open.node->key, key + "\\")) return true;
    }
    return false;
  }
  // The room left on a drive; nothing for a drive without a limit.
  std::optional<std::uint64_t> Room(const std::string& drive) const {
    auto it = freeSpace.find(drive);
    if (it == freeSpace.end()) return std::nullopt;
    return it->second;
  }
  // Takes bytes of a drive's free space; false (and nothing taken) when they do not fit.
  bool Consume(const std::string& drive, std::uint64_t bytes) {
    auto it = freeSpace.find(drive);
    if (it == freeSpace.end() || bytes == 0) return true;
    if (bytes > it->second) return false;
    it->second -= bytes;
    return true;
  }
  void Give(const std::string& drive, std::uint64_t bytes) {
    auto it = freeSpace.find(drive);
    if (it != freeSpace.end()) it->second += bytes;
  }
  NodePtr MakeNode(const ParsedPath& p, bool directory) {
    auto node = std::make_shared<Node>();
    node->key = p.key;
    node->index = nextIndex++;
    node->directory = directory;
    node->attributes = directory ? attr::kDirectory : attr::kArchive;
    if (p.root()) {
      node->display = p.parts[0];
    } else {
      NodePtr parent = Find(p.parentKey());
      node->display = parent->display + "\\" + p.name();
    }
    nodes[p.key] = node;
    return node;
  }
  // Creates every missing directory of p, p included (set-up only).
  void MakeDirectories(const ParsedPath& p) {
    std::string prefix;
    for (const std::string& part : p.parts) {
      prefix += prefix.empty() ? part : "\\" + part;
      const ParsedPath partial = Parse(prefix.size() == 2 ? prefix + "\\" : prefix);
      NodePtr node = Find(partial.key);
      if (!node) {
        MakeNode(partial, true);
      } else if (!node->directory) {
        throw std::invalid_argument("a file stands where a directory is needed: " + node->display);
      }
    }
  }
  std::vector<NodePtr> Children(const std::string& key) const {
    std::vector<NodePtr> out;
    const std::string prefix = key + "\\";
    for (auto it = nodes.lower_bound(prefix); it != nodes.end() && StartsWith(it->first, prefix);
         ++it)
      if (it->first.find('\\', prefix.size()) == std::string::npos) out.push_back(it->second);
    return out;
  }
};

namespace {
ParsedPath SetUpPath(const FakeFiles::State& state, const std::string& path) {
  ParsedPath p = state.Parse(path);
  if (p.failure) throw std::invalid_argument("not a usable Windows path: " + path);
  return p;
}

// One open file. The node is shared, so a stream follows its file through a rename; the
// file counts as open, with the mode it was opened in, until the stream goes.
class FakeStream : public FileStream {
 public:
  FakeStream(std::shared_ptr<FakeFiles::State> state, NodePtr node, OpenMode mode,
             bool atEnd = false)
      : state_(std::move(state)),
        node_(std::move(node)),
        writable_(mode.access & share::kWrite),
        open_(state_->Open(node_, mode, false)),
        position_(atEnd ? node_->data.size() : 0) {}
  ~FakeStream() override { state_->opens.erase(open_); }
  FakeStream(const FakeStream&) = delete;
  FakeStream& operator=(const FakeStream&) = delete;

  Result<std::string> Read(std::size_t count) override {
    if (int n = FailingNumber()) return Result<std::string>::Fail(n);
    const std::string& data = node_->data;
    if (position_ >= data.size()) return std::string();
    const std::size_t n = std::min(count, data.size() - position_);
    std::string out = data.substr(position_, n);
    position_ += n;
    state_->bytesRead[node_->index] += n;
    return out;
  }

  // A write that does not fit on the drive writes the part that fits and then fails, as a
  // disk fills up under a write on Windows: the file has changed all the same.
  Status Write(const std::string& bytes) override {
    if (!writable_) return Status::Fail(err::kPathFileAccess);
    if (int n = FailingNumber()) return Status::Fail(n);
    std::string& data = node_->data;
    const std::string drive = DriveOfKey(node_->key);
    std::size_t fits = bytes.size();
    if (auto room = state_->Room(drive); room && position_ + bytes.size() > data.size())
      fits = static_cast<std::size_t>(
          std::min<std::uint64_t>(bytes.size(), data.size() - position_ + *room));
    const std::size_t end = position_ + fits;
    if (end > data.size()) {
      state_->Consume(drive, end - data.size());
      data.resize(end);
    }
    data.replace(position_, fits, bytes, 0, fits);
    position_ = end;
    ++state_->writes;
    node_->written = ++state_->clock;
    return fits == bytes.size() ? Status::Ok() : Status::Fail(err::kDiskFull);
  }

  Result<std::uint64_t> Length() override { return static_cast<std::uint64_t>(node_->data.size()); }

  Status Seek(std::uint64_t offset) override {
    if (int n = FailingNumber()) return Status::Fail(n);
    position_ = static_cast<std::size_t>(std::min<std::uint64_t>(offset, SIZE_MAX));
    return Status::Ok();
  }

  // Only a stream that writes has anything to flush; Windows refuses the others.
  Status Flush() override {
    if (!writable_) return Status::Fail(err::kPathFileAccess);
    if (int n = FailingNumber()) return Status::Fail(n);
    ++state_->flushes;
    return Status::Ok();
  }

 private:
  int FailingNumber() const {
    auto it = state_->failing.find(node_->key);
    return it == state_->failing.end() ? 0 : it->second;
  }

  std::shared_ptr<FakeFiles::State> state_;
  NodePtr node_;
  bool writable_;
  int open_;
  std::size_t position_;
};

// An existing directory of the set-up, as a full path.
std::string SetUpDirectory(const FakeFiles::State& state, const std::string& dir) {
  ParsedPath p = SetUpPath(state, dir);
  NodePtr node = state.Find(p);
  if (!node || !node->directory) throw std::invalid_argument("not a directory: " + dir);
  return p.full();
}
// The checks and the move of Rename and Replace. A replacing move takes the place of an
// existing file in the same step, as one move on Windows does.
Status MoveEntry(FakeFiles::State& state, const ParsedPath& src, const ParsedPath& dst,
                 bool replacing) {
  NodePtr node = state.Find(src);
  if (!node) return Status::Fail(state.MissingNumber(src));
  if (src.root() || dst.root()) return Status::Fail(err::kPathFileAccess);
  if (!node->directory && !state.SharingAllows(node, kDeleting))
    return Status::Fail(err::kPermissionDenied);
  if (state.HeldBelow(src.key)) return Status::Fail(err::kPermissionDenied);
  if (!state.ParentIsDirectory(dst)) return Status::Fail(err::kPathNotFound);
  // A move in one step cannot leave its drive.
  const bool otherDrive = DriveOfKey(dst.key) != DriveOfKey(src.key);
  if (replacing && otherDrive) return Status::Fail(err::kPathFileAccess);
  const NodePtr target = dst.key != src.key ? state.Find(dst.key) : nullptr;
  if (target) {
    if (!replacing) return Status::Fail(err::kFileExists);
    // What Windows asks of a file it deletes: not a folder, not read-only, not a running
    // program's, and nobody holding it without sharing deletion.
    if (target->directory || node->directory) return Status::Fail(err::kPathFileAccess);
    if (target->attributes & attr::kReadOnly) return Status::Fail(err::kPermissionDenied);
    if (!state.SharingAllows(target, kDeleting) || state.Running(target))
      return Status::Fail(err::kPermissionDenied);
  }
  if (dst.trailingSeparator && !node->directory) return Status::Fail(err::kBadFileName);
  if (StartsWith(dst.key, src.key + "\\")) return Status::Fail(err::kPathFileAccess);
  if (otherDrive) {
    if (node->directory) return Status::Fail(err::kPathFileAccess);
    if (!state.Consume(DriveOfKey(dst.key), node->data.size())) return Status::Fail(err::kDiskFull);
    state.Give(DriveOfKey(src.key), node->data.size());
  }
  if (target) {
    state.Give(DriveOfKey(dst.key), target->data.size());
    state.nodes.erase(dst.key);
  }

  NodePtr parent = state.Find(dst.parentKey());
  const std::string newDisplay = parent->display + "\\" + dst.name();
  const std::string oldDisplay = node->display;
  std::vector<NodePtr> moving;
  const std::string prefix = src.key + "\\";
  for (auto it = state.nodes.begin(); it != state.nodes.end();) {
    if (it->first == src.key || StartsWith(it->first, prefix)) {
      moving.push_back(it->second);
      it = state.nodes.erase(it);
    } else {
      ++it;
    }
  }
  for (NodePtr& moved : moving) {
    moved->key = dst.key + moved->key.substr(src.key.size());
    moved->display = newDisplay + moved->display.substr(oldDisplay.size());
    state.nodes[moved->key] = moved;
  }
  return Status::Ok();
}

}  // namespace

// Drive C: exists from the start, as on every Windows machine.
FakeFiles::FakeFiles() : state_(std::make_shared<State>()) {
  state_->MakeDirectories(SetUpPath(*state_, "C:\\"));
}

FakeFiles::~FakeFiles() = default;

void FakeFiles::AddFile(const std::string& path, const std::string& contents,
                        std::uint32_t attributes) {
  ParsedPath p = SetUpPath(*state_, path);
  if (p.root()) throw std::invalid_argument("a drive root is not a file: " + path);
  ParsedPath parent = SetUpPath(*state_, p.full() + "\\..");
  state_->MakeDirectories(parent);
  NodePtr node = state_->Find(p);
  if (node && node->directory) throw std::invalid_argument("a directory is there: " + path);
  if (!node) node = state_->MakeNode(p, false);
  node->data = contents;
  node->written = ++state_->clock;
  node->attributes = attributes & ~attr::kDirectory;
}

void FakeFiles::AddDirectory(const std::string& path) {
  state_->MakeDirectories(SetUpPath(*state_, path));
}

bool FakeFiles::HoldOpen(const std::string& path, Hold hold) {
  ParsedPath p = SetUpPath(*state_, path);
  NodePtr node = state_->Find(p);
  if (!node || node->directory) throw std::invalid_argument("no file to hold open: " + path);
  const OpenMode mode = hold == Hold::Exclusive ? kExclusiveHold : kReading;
  if (!state_->SharingAllows(node, mode)) return false;
  state_->Open(node, mode, true);
  return true;
}

void FakeFiles::Release(const std::string& path) {
  const std::string key = SetUpPath(*state_, path).key;
  for (auto it = state_->opens.begin(); it != state_->opens.end();)
    it = it->second.otherProgram && it->second.node->key == key ? state_->opens.erase(it)
                                                                : std::next(it);
}

void FakeFiles::HoldAsRunningProgram(const std::string& path, std::function<bool()> running) {
  NodePtr node = state_->Find(SetUpPath(*state_, path));
  if (!node || node->directory) throw std::invalid_argument("no program file: " + path);
  state_->Open(node, kRunningImage, true, std::move(running));
}

std::optional<std::uint64_t> FakeFiles::FileIndex(const std::string& path) const {
  NodePtr node = state_->Find(state_->Parse(path));
  if (!node || node->directory) return std::nullopt;
  return node->index;
}

void FakeFiles::ReleaseAll() {
  for (auto it = state_->opens.begin(); it != state_->opens.end();)
    it = it->second.otherProgram && !it->second.Image() ? state_->opens.erase(it) : std::next(it);
}

void FakeFiles::SetCurrentDirectory(const std::string& dir) {
  state_->context.currentDirectory = SetUpDirectory(*state_, dir);
}

void FakeFiles::SetDriveDirectory(const std::string& drive, const std::string& dir) {
  const std::string full = SetUpDirectory(*state_, dir);
  state_->context.driveDirectories[SetUpPath(*state_, drive + "\\").parts[0]] = full;
}

void FakeFiles::MapDrive(const std::string& drive, const std::string& folder) {
  ParsedPath target = SetUpPath(*state_, folder);
  state_->MakeDirectories(target);
  const std::string letter = SetUpPath(*state_, drive + "\\").parts[0];
  state_->context.mappedDrives[letter] = state_->Find(target)->display;
}

void FakeFiles::SetFreeSpace(const std::string& drive, std::optional<std::uint64_t> bytes) {
  const std::string key = DriveOfKey(SetUpPath(*state_, drive).key);
  if (bytes)
    state_->freeSpace[key] = *bytes;
  else
    state_->freeSpace.erase(key);
}

void FakeFiles::FailPath(const std::string& path, int number) {
  const std::string key = SetUpPath(*state_, path).key;
  if (number)
    state_->failing[key] = number;
  else
    state_->failing.erase(key);
}

bool FakeFiles::Exists(const std::string& path) const {
  return state_->Find(state_->Parse(path)) != nullptr;
}

bool FakeFiles::IsFile(const std::string& path) const {
  NodePtr node = state_->Find(state_->Parse(path));
  return node && !node->directory;
}

std::optional<std::string> FakeFiles::Contents(const std::string& path) const {
  NodePtr node = state_->Find(state_->Parse(path));
  if (!node || node->directory) return std::nullopt;
  return node->data;
}

std::optional<std::uint32_t> FakeFiles::Attributes(const std::string& path) const {
  NodePtr node = state_->Find(state_->Parse(path));
  if (!node) return std::nullopt;
  return node->attributes;
}

std::vector<std::string> FakeFiles::FilesBelow(const std::string& dir) const {
  std::vector<std::string> out;
  state_->ForEachFileBelow(
      dir, [&](const std::string&, const Node& node) { out.push_back(node.display); });
  return out;
}

FakeFiles::FolderState FakeFiles::Snapshot(const std::string& dir) const {
  FolderState state;
  state_->ForEachFileBelow(dir, [&](const std::string& key, const Node& node) {
    state[key] = {node.data, node.attributes & attr::kReadOnly};
  });
  return state;
}

int FakeFiles::WriteCount() const { return state_->writes; }

int FakeFiles::FlushCount() const { return state_->flushes; }

std::uint64_t FakeFiles::BytesRead(const std::string& path) const {
  const NodePtr node = state_->Find(state_->Parse(path));
  const auto read = node ? state_->bytesRead.find(node->index) : state_->bytesRead.end();
  return read == state_->bytesRead.end() ? 0 : read->second;
}

// Shared by CanOpenForRead, OpenRead and the source of Copy: what stops a file from being
// opened for reading.
static Result<NodePtr> FindReadable(FakeFiles::State& st, const ParsedPath& p) {
  if (int n = st.Failing(p)) return Result<NodePtr>::Fail(n);
  NodePtr node = st.Find(p);
  if (!node) return Result<NodePtr>::Fail(st.MissingNumber(p));
  if (node->directory) return Result<NodePtr>::Fail(err::kPathFileAccess);
  if (!st.SharingAllows(node, kReading)) return Result<NodePtr>::Fail(err::kPermissionDenied);
  return node;
}

Status FakeFiles::CanOpenForRead(const std::string& path) {
  return FindReadable(*state_, state_->Parse(path)).status();
}

Result<std::unique_ptr<FileStream>> FakeFiles::OpenRead(const std::string& path) {
  auto node = FindReadable(*state_, state_->Parse(path));
  if (!node) return node.failure();
  return std::unique_ptr<FileStream>(std::make_unique<FakeStream>(state_, node.value(), kReading));
}

Result<std::unique_ptr<FileStream>> FakeFiles::OpenWrite(const std::string& path) {
  return OpenForWriting(path, false);
}

Result<std::unique_ptr<FileStream>> FakeFiles::OpenAppend(const std::string& path) {
  return OpenForWriting(path, true);
}

Result<std::unique_ptr<FileStream>> FakeFiles::OpenForWriting(const std::string& path, bool atEnd) {
  if (beforeChange) beforeChange(path);
  using R = Result<std::unique_ptr<FileStream>>;
  ParsedPath p = state_->Parse(path);
  if (int n = state_->Failing(p)) return R::Fail(n);
  NodePtr node = state_->Find(p);
  if (node) {
    if (node->directory) return R::Fail(err::kPathFileAccess);
    if (node->attributes & attr::kReadOnly) return R::Fail(err::kPathFileAccess);
    if (!state_->SharingAllows(node, kWriting)) return R::Fail(err::kPermissionDenied);
  } else {
    if (!state_->ParentIsDirectory(p)) return R::Fail(err::kPathNotFound);
    if (p.trailingSeparator || state_->Find(p.key)) return R::Fail(err::kBadFileName);
    node = state_->MakeNode(p, false);
  }
  return std::unique_ptr<FileStream>(std::make_unique<FakeStream>(state_, node, kWriting, atEnd));
}

// A directory reads as length 0, as the attribute data Windows keeps for it says.
Result<std::uint64_t> FakeFiles::Length(const std::string& path) {
  ParsedPath p = state_->Parse(path);
  if (int n = state_->Failing(p)) return Result<std::uint64_t>::Fail(n);
  NodePtr node = state_->Find(p);
  if (!node) return Result<std::uint64_t>::Fail(state_->MissingNumber(p));
  return static_cast<std::uint64_t>(node->directory ? 0 : node->data.size());
}

Result<FileStamp> FakeFiles::Stamp(const std::string& path) {
  ParsedPath p = state_->Parse(path);
  if (int n = state_->Failing(p)) return Result<FileStamp>::Fail(n);
  NodePtr node = state_->Find(p);
  if (!node) return Result<FileStamp>::Fail(state_->MissingNumber(p));
  if (node->directory) return Result<FileStamp>::Fail(err::kFileNotFound);
  return FileStamp{static_cast<std::uint64_t>(node->data.size()), node->written};
}

Result<std::uint32_t> FakeFiles::GetAttributes(const std::string& path) {
  ParsedPath p = state_->Parse(path);
  if (int n = state_->Failing(p)) return Result<std::uint32_t>::Fail(n);
  NodePtr node = state_->Find(p);
  if (!node) return Result<std::uint32_t>::Fail(state_->MissingNumber(p));
  return node->attributes;
}

Status FakeFiles::SetAttributes(const std::string& path, std::uint32_t attributes) {
  if (beforeChange) beforeChange(path);
  ParsedPath p = state_->Parse(path);
  if (int n = state_->Failing(p)) return Status::Fail(n);
  NodePtr node = state_->Find(p);
  if (!node) return Status::Fail(state_->MissingNumber(p));
  // The directory bit is what the entry is, not something a caller can set or clear.
  node->attributes = (attributes & ~attr::kDirectory) | (node->directory ? attr::kDirectory : 0);
  return Status::Ok();
}

// The copy takes the source's attributes (read-only included) and keeps the
// destination's name as first written when it replaces one. A copy onto the source
// itself is refused as Windows refuses it.
Status FakeFiles::Copy(const std::string& from, const std::string& to) {
  if (beforeChange) beforeChange(to);
  ParsedPath src = state_->Parse(from);
  ParsedPath dst = state_->Parse(to);
  if (int n = state_->Failing(src)) return Status::Fail(n);
  if (int n = state_->Failing(dst)) return Status::Fail(n);
  auto source = FindReadable(*state_, src);
  if (!source) return source.status();
  if (!state_->ParentIsDirectory(dst)) return Status::Fail(err::kPathNotFound);
  NodePtr target = state_->Find(dst);
  if (!target && (dst.trailingSeparator || state_->Find(dst.key)))
    return Status::Fail(err::kBadFileName);
  if (target) {
    if (target->directory) return Status::Fail(err::kPathFileAccess);
    if (target == source.value() || !state_->SharingAllows(target, kCopyTarget))
      return Status::Fail(err::kPermissionDenied);
    if (target->attributes & attr::kReadOnly) return Status::Fail(err::kPathFileAccess);
  }
  // The destination is emptied first and filled as far as the drive has room: a copy that
  // fills the disk fails with the destination's old bytes already gone.
  const std::string& bytes = source.value()->data;
  const std::string drive = DriveOfKey(dst.key);
  if (target) {
    state_->Give(drive, target->data.size());
    target->data.clear();
  } else {
    target = state_->MakeNode(dst, false);
  }
  const std::size_t fits = static_cast<std::size_t>(
      std::min<std::uint64_t>(bytes.size(), state_->Room(drive).value_or(bytes.size())));
  state_->Consume(drive, fits);
  target->data = bytes.substr(0, fits);
  target->written = ++state_->clock;
  if (fits < bytes.size()) return Status::Fail(err::kDiskFull);
  target->written = source.value()->written;
  target->attributes = source.value()->attributes | attr::kArchive;
  return Status::Ok();
}

// Renames a file or a whole directory. A read-only file may be renamed, as on Windows;
// a new name that differs only in case renames the entry in place.
Status FakeFiles::Rename(const std::string& from, const std::string& to) {
  if (beforeChange) beforeChange(from);
  ParsedPath src = state_->Parse(from);
  ParsedPath dst = state_->Parse(to);
  if (int n = state_->Failing(src)) return Status::Fail(n);
  if (int n = state_->Failing(dst)) return Status::Fail(n);
  return MoveEntry(*state_, src, dst, false);
}

Status FakeFiles::Replace(const std::string& from, const std::string& to) {
  if (beforeChange) beforeChange(to);
  ParsedPath src = state_->Parse(from);
  ParsedPath dst = state_->Parse(to);
  if (int n = state_->Failing(src)) return Status::Fail(n);
  if (int n = state_->Failing(dst)) return Status::Fail(n);
  return MoveEntry(*state_, src, dst, true);
}

Status FakeFiles::Delete(const std::string& path) {
  if (beforeChange) beforeChange(path);
  ParsedPath p = state_->Parse(path);
  if (int n = state_->Failing(p)) return Status::Fail(n);
  NodePtr node = state_->Find(p);
  if (!node) return Status::Fail(state_->MissingNumber(p));
  if (node->directory) return Status::Fail(err::kPathFileAccess);
  if (!state_->SharingAllows(node, kDeleting)) return Status::Fail(err::kPermissionDenied);
  if ((node->attributes & attr::kReadOnly) || state_->Running(node))
    return Status::Fail(err::kPathFileAccess);
  state_->Give(DriveOfKey(p.key), node->data.size());
  state_->nodes.erase(p.key);
  return Status::Ok();
}

Status FakeFiles::MakeDirectory(const std::string& path) {
  if (beforeChange) beforeChange(path);
  ParsedPath p = state_->Parse(path);
  if (int n = state_->Failing(p)) return Status::Fail(n);
  if (state_->Find(p.key)) return Status::Fail(err::kPathFileAccess);
  if (p.root() || !state_->ParentIsDirectory(p)) return Status::Fail(err::kPathNotFound);
  state_->MakeNode(p, true);
  return Status::Ok();
}

bool FakeFiles::DirectoryExists(const std::string& path) {
  NodePtr node = state_->Find(state_->Parse(path));
  return node && node->directory;
}

// Files are the same when both paths reach one node, whatever the route.
bool FakeFiles::SameFile(const std::string& a, const std::string& b) {
  NodePtr first = state_->Find(state_->Parse(a));
  NodePtr second = state_->Find(state_->Parse(b));
  return first && !first->directory && first == second;
}

Result<std::vector<std::string>> FakeFiles::List(const std::string& dir,
                                                 const std::string& pattern) {
  return Entries(dir, pattern, false);
}

Result<std::vector<std::string>> FakeFiles::ListFolders(const std::string& dir) {
  return Entries(dir, "*", true);
}

Result<std::vector<std::string>> FakeFiles::Entries(const std::string& dir,
                                                    const std::string& pattern, bool folders) {
  using R = Result<std::vector<std::string>>;
  ParsedPath p = state_->Parse(dir);
  if (int n = state_->Failing(p)) return R::Fail(n);
  NodePtr node = state_->Find(p);
  if (!node || !node->directory) return R::Fail(err::kPathNotFound);
  std::vector<std::string> names;
  if (pattern.empty()) return names;
  for (const NodePtr& child : state_->Children(p.key)) {
    if (child->directory != folders) continue;
    std::string name = child->display.substr(child->display.rfind('\\') + 1);
    if (MatchesPattern(name, pattern)) names.push_back(std::move(name));
  }
  std::stable_sort(names.begin(), names.end(), LessNoCase);
  return names;
}

// The names as first written, reached through the drive the path names (a mapped drive
// keeps its own letter).
Result<std::string> FakeFiles::FullDirectoryPath(const std::string& dir) {
  ParsedPath p = state_->Parse(dir);
  NodePtr node = state_->Find(p);
  if (!node || !node->directory) return Result<std::string>::Fail(err::kPathNotFound);
  const std::string full =
      p.mappedOnto.empty() ? node->display : p.parts[0] + node->display.substr(p.mappedOnto.size());
  return full.size() == 2 ? full + "\\" : full;
}

}  // namespace kalv::fake
