// The restore journal read back from the registry, where anything may have been left by a
// crash or another program: a replay of whatever is there never crashes, clears exactly
// the entries it has undone, and what the player writes is read back as written.
#include "platform/fake/fake_platform.h"
#include "core/restore_journal.h"
#include "tests/fuzz/fuzz_target.h"

using namespace kalv;

namespace {

const char* const kValueNames[] = {"Complete",    "Game",    "Steps",
                                   "Switch back", "Process", "Executable"};
constexpr std::size_t kFixedValues = sizeof(kValueNames) / sizeof(kValueNames[0]);
constexpr std::size_t kMostParts = kFixedValues + 24;

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
// from the first byte and its paths from the rest ("destination>source"). Paths that
// cannot be Windows paths (empty, or holding "|") are left out.
RestoreRecord RecordOf(const std::vector<std::string>& parts) {
  RestoreRecord record;
  record.game = "Q2";
  record.switchBackDir = parts.size() > 3 ? parts[3] : "";
  record.executable = parts.size() > 5 ? parts[5] : "";
  record.process = record.executable.empty() ? 0 : 4242;
  record.handedOver = record.process != 0;
  for (std::size_t i = kFixedValues; i < parts.size(); ++i) {
    if (parts[i].empty()) continue;
    const auto kind = static_cast<FileStep::Kind>(static_cast<unsigned char>(parts[i][0]) % 6);
    std::string path = parts[i].substr(1), source;
    if (const std::size_t arrow = path.find('>'); arrow != std::string::npos) {
      source = path.substr(arrow + 1);
      path.resize(arrow);
    }
    if (kind != FileStep::Kind::Copy && kind != FileStep::Kind::Rename) source.clear();
    if (path.empty() || path.find('|') != std::string::npos ||
        source.find('|') != std::string::npos)
      continue;
    record.undo.push_back({kind, path, source});
  }
  return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> parts = fuzz::Parts(fuzz::Text(data, size));
  // A real entry has a few values and a dozen steps; more only make each run slower.
  if (parts.size() > kMostParts) parts.resize(kMostParts);
  fake::FakePlatform fake;
  fake.files.AddFile("C:\\Games\\Quake III Arena\\baseq3\\q3config.cfg", "seta name player",
                     attr::kReadOnly);
  fake.files.AddFile("C:\\Games\\Quake III Arena\\baseq3\\kalvenmarque.cfg", "bind x quit");
  PutRawEntry(fake.registry, parts);

  const Replay outcome = ReplayJournal(fake.registry, fake.files, fake.processes, nullptr,
                                       [](const std::string&) { return true; });
  const bool kept = fake.registry.KeyExists(RegRoot::CurrentUser, EntryKey("Q3A"));
  fuzz::Require(outcome != Replay::Done || !kept, "an entry undone is cleared");
  fuzz::Require(outcome != Replay::Unfinished || kept, "an entry not undone is kept");

  // Quake 2 has no entry here, and the in-memory registry refuses nothing: the write must
  // succeed, whatever the Quake 3 entry beside it holds.
  const RestoreRecord written = RecordOf(parts);
  RestoreJournal journal(fake.registry, written.game);
  fuzz::Require(journal.Write(written).ok(), "a free entry is always written");
  const auto read = journal.Read();
  fuzz::Require(read && read->game == written.game && read->undo == written.undo &&
                    read->switchBackDir == written.switchBackDir &&
                    read->process == written.process && read->executable == written.executable &&
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
