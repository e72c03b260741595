// The restore journal read back from the registry, where anything may have been left by a
// crash or another program of the user: an entry is carried out only when it passes the
// game's rules, and then every file it names lies below its game folder; a replay of
// whatever is there never crashes, never changes a file outside that folder, clears exactly
// the entries it has undone or dropped and keeps aside those it refuses; what the player
// writes is read back as written.
#include "core/restore_journal.h"
#include "games/quake3/quake3_files.h"
#include "platform/fake/fake_platform.h"
#include "tests/fuzz/fuzz_target.h"

using namespace kalv;

namespace {

const char* const kValueNames[] = {"Complete", "Game",       "Folder",     "Steps",
                                   "Process",  "Executable", "Switch back"};
constexpr std::size_t kFixedValues = sizeof(kValueNames) / sizeof(kValueNames[0]);
constexpr std::size_t kMostParts = kFixedValues + 24;
const std::string kQ3 = "C:\\Games\\Quake III Arena";

std::string EntryKey(const std::string& game) { return std::string(kJournalKey) + "\\" + game; }

// The input's parts as the values of a Quake 3 entry, the rest as its steps.
void PutRawEntry(fake::FakeRegistry& registry, const std::vector<std::string>& parts) {
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::string name =
        i < kFixedValues ? kValueNames[i] : "Step " + std::to_string(i - kFixedValues + 1);
    registry.PutString(RegRoot::CurrentUser, EntryKey("Q3A"), name, parts[i]);
  }
}

// A record made of the input's parts: one step per part after the fixed ones, its kind
// from the first byte (every kind there is) and its paths from the rest
// ("destination>source"). Paths that cannot be Windows paths (empty, or holding "|") are
// left out.
RestoreRecord RecordOf(const std::vector<std::string>& parts) {
  constexpr int kKinds = static_cast<int>(FileStep::Kind::PutBack) + 1;
  RestoreRecord record;
  record.game = "Q2";
  record.folder = parts.size() > 2 ? parts[2] : "";
  record.switchBackDir = parts.size() > 6 ? parts[6] : "";
  record.executable = parts.size() > 5 ? parts[5] : "";
  record.process = record.executable.empty() ? 0 : 4242;
  record.writer = static_cast<ProcessId>(record.folder.size());
  record.writerExecutable = record.writer && parts.size() > 1 ? parts[1] : "";
  record.handedOver = record.process != 0;
  for (std::size_t i = kFixedValues; i < parts.size(); ++i) {
    if (parts[i].empty()) continue;
    const unsigned char first = static_cast<unsigned char>(parts[i][0]);
    const auto kind = static_cast<FileStep::Kind>(first % kKinds);
    std::string path = parts[i].substr(1), source;
    if (const std::size_t arrow = path.find('>'); arrow != std::string::npos) {
      source = path.substr(arrow + 1);
      path.resize(arrow);
    }
    const bool sourced = kind == FileStep::Kind::Copy || kind == FileStep::Kind::Rename ||
                         kind == FileStep::Kind::PutBack;
    if (!sourced) source.clear();
    if (path.empty() || path.find('|') != std::string::npos ||
        source.find('|') != std::string::npos || (sourced && source.empty()))
      continue;
    FileStep step{kind, path, source};
    if (kind == FileStep::Kind::SetAttributes) step.attributes = first * 0x01010101u;
    record.undo.push_back(step);
  }
  return record;
}

// Below folder: the folder, a backslash, and no step back up out of it.
bool Below(const std::string& folder, const std::string& path) {
  return path.size() > folder.size() + 1 && path[folder.size()] == '\\' &&
         EqualsNoCase(path.substr(0, folder.size()), folder) &&
         path.find("\\..", folder.size()) == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> parts = fuzz::Parts(fuzz::Text(data, size));
  // A real entry has a few values and a dozen steps; more only make each run slower.
  if (parts.size() > kMostParts) parts.resize(kMostParts);
  fake::FakePlatform fake;
  // The game folder, and files an entry must never reach: beside it, above it, elsewhere.
  fake.files.AddFile(kQ3 + "\\baseq3\\q3config.cfg", "seta name player", attr::kReadOnly);
  fake.files.AddFile(kQ3 + "\\baseq3\\kalvenmarque.cfg", "bind x quit");
  fake.files.AddFile(kQ3 + "\\quake3.exe", "exe");
  fake.files.AddFile("C:\\Games\\Quake III Arena Old\\baseq3\\Kalvenmarque.cfg", "old");
  fake.files.AddFile("C:\\Games\\baseq3\\Kalvenmarque.cfg", "above");
  fake.files.AddFile("C:\\Windows\\System32\\drivers\\etc\\hosts", "127.0.0.1", attr::kReadOnly);
  PutRawEntry(fake.registry, parts);

  RestoreJournal entry(fake.registry, "Q3A");
  const auto record = entry.Read();
  const JournalRules& rules = Q3AJournalRules();
  const bool accepted = record && !CheckEntry(*record, rules);
  const std::string folder = record ? FolderOf(*record, rules) : "";
  if (accepted) {
    fuzz::Require(!folder.empty(), "an accepted entry names its folder");
    for (const FileStep& step : record->undo) {
      fuzz::Require(Below(folder, step.path), "an accepted step lies below the game folder");
      fuzz::Require(step.source.empty() || Below(folder, step.source),
                    "an accepted step's source lies below the game folder");
    }
    fuzz::Require(record->switchBackDir.empty() || EqualsNoCase(record->switchBackDir, folder),
                  "an accepted entry switches back only its own folder");
  }

  const auto before = fake.files.Snapshot("C:\\");
  std::string switchedBack;
  const ReplayContext context{
      fake.files, fake.processes,
      [&rules](const std::string& game) { return game == "Q3A" ? &rules : nullptr; },
      [&switchedBack](const std::string& dir) {
        switchedBack = dir;
        return std::optional<Leftover>();
      }};
  const Replay outcome = ReplayJournal(fake.registry, context, nullptr);
  const auto after = fake.files.Snapshot("C:\\");
  for (const auto& [path, state] : before) {
    const auto now = after.find(path);
    const bool same = now != after.end() && now->second == state;
    fuzz::Require(same || (accepted && Below(AsciiLower(folder), path)),
                  "nothing outside an accepted entry's folder changes");
  }
  fuzz::Require(switchedBack.empty() || (accepted && switchedBack == record->switchBackDir),
                "only an accepted entry's own folder is switched back");
  const bool kept = fake.registry.KeyExists(RegRoot::CurrentUser, EntryKey("Q3A"));
  const bool setAside =
      fake.registry.KeyExists(RegRoot::CurrentUser, std::string(kSetAsideKey) + "\\Q3A 1");
  fuzz::Require(!(outcome == Replay::Done || outcome == Replay::Dropped) || (!kept && accepted),
                "an entry undone or dropped is an accepted one, and cleared");
  fuzz::Require(outcome != Replay::Unfinished || (kept && accepted), "an entry not undone is kept");
  fuzz::Require(outcome != Replay::SetAside || (setAside && !kept && !accepted),
                "an entry refused is kept aside, not carried out");
  fuzz::Require(!accepted || !setAside, "an accepted entry is never set aside");

  // Quake 2 has no entry here, and the in-memory registry refuses nothing: the write must
  // succeed, whatever the Quake 3 entry beside it holds.
  const RestoreRecord written = RecordOf(parts);
  RestoreJournal journal(fake.registry, written.game);
  fuzz::Require(journal.Write(written).ok(), "a free entry is always written");
  const auto read = journal.Read();
  fuzz::Require(
      read && read->game == written.game && read->undo == written.undo &&
          read->folder == written.folder && read->switchBackDir == written.switchBackDir &&
          read->process == written.process && read->executable == written.executable &&
          read->writer == written.writer && read->writerExecutable == written.writerExecutable &&
          read->handedOver == written.handedOver,
      "an entry is read back as it was written");
  // A second write would replace an entry that stands for changes: it is refused, and the
  // entry stays as it was.
  RestoreRecord other = written;
  other.switchBackDir += "x";
  fuzz::Require(journal.Write(other).number() == err::kFileExists, "a pending entry is kept");
  fuzz::Require(journal.Read() && journal.Read()->switchBackDir == written.switchBackDir,
                "the pending entry is unchanged");
  return 0;
}
