#include "core/restore_journal.h"
#include "core/contracts.h"

#include <utility>

namespace kalv {

namespace {

constexpr RegRoot kRoot = RegRoot::CurrentUser;
constexpr const char* kGame = "Game";
constexpr const char* kSwitchBack = "Switch back";
constexpr const char* kStepCount = "Steps";
constexpr const char* kProcess = "Process";
constexpr const char* kExecutable = "Executable";
constexpr const char* kComplete = "Complete";
constexpr const char* kHandedOver = "Handed over";

// A step as one text: its kind, a "|" and its path, and for copies and renames a "|" and
// the source ("|" cannot occur in a Windows path).
const char* KindName(FileStep::Kind kind) {
  switch (kind) {
    case FileStep::Kind::MakeNormal: return "normal";
    case FileStep::Kind::MakeReadOnly: return "read-only";
    case FileStep::Kind::Copy: return "copy";
    case FileStep::Kind::Rename: return "rename";
    case FileStep::Kind::MakeDirectory: return "directory";
    case FileStep::Kind::Delete: return "delete";
    case FileStep::Kind::SetAttributes: return "attributes";
  }
  return "";
}

std::string Encode(const FileStep& step) {
  std::string text = std::string(KindName(step.kind)) + "|" + step.path;
  if (step.kind == FileStep::Kind::SetAttributes)
    return text + "|" + std::to_string(step.attributes);
  if (!step.source.empty()) text += "|" + step.source;
  return text;
}

// The attributes of a step, as decimal digits that fit 32 bits.
std::optional<std::uint32_t> AttributesOf(const std::string& text) {
  if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const unsigned long long value = std::stoull(text);
  if (value > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

std::optional<FileStep> Decode(const std::string& text) {
  const std::size_t bar = text.find('|');
  if (bar == std::string::npos) return std::nullopt;
  const std::string kind = text.substr(0, bar);
  std::string path = text.substr(bar + 1);
  std::string source;
  if (const std::size_t second = path.find('|'); second != std::string::npos) {
    source = path.substr(second + 1);
    path.resize(second);
  }
  if (path.empty()) return std::nullopt;
  if (kind == KindName(FileStep::Kind::SetAttributes)) {
    const auto attributes = AttributesOf(source);
    if (!attributes) return std::nullopt;
    return SetAttributes(path, *attributes);
  }
  for (FileStep::Kind k :
       {FileStep::Kind::MakeNormal, FileStep::Kind::MakeReadOnly, FileStep::Kind::Copy,
        FileStep::Kind::Rename, FileStep::Kind::MakeDirectory, FileStep::Kind::Delete})
    if (kind == KindName(k)) return FileStep{k, path, source};
  return std::nullopt;
}

std::string StepName(std::size_t index) { return "Step " + std::to_string(index + 1); }

}  // namespace

RestoreJournal::RestoreJournal(Registry& registry, std::string game)
    : registry_(registry), game_(std::move(game)), key_(std::string(kJournalKey) + "\\" + game_) {}

// A game code names one subkey: an empty one, or one with a backslash, names none.
bool RestoreJournal::Named() const {
  return !game_.empty() && game_.find('\\') == std::string::npos;
}

// A complete entry is never replaced: it stands for changes not yet undone. An entry cut
// off while being written stands for none (nothing changes before it is complete), so it
// goes, and so does this write's own part when a later part fails.
Status RestoreJournal::Write(const RestoreRecord& record) {
  if (!Named()) return Status::Fail(err::kBadFileName);
  if (Read()) return Status::Fail(err::kFileExists);
  Skip(Clear());
  const Status written = WriteParts(record);
  if (!written) {
    Skip(Clear());
    return written;
  }
  return registry_.Flush(kRoot, key_);
}

Status RestoreJournal::WriteParts(const RestoreRecord& record) {
  if (Status created = registry_.CreateKey(kRoot, key_); !created) return created;
  auto set = [&](const std::string& name, const std::string& value) {
    return registry_.SetString(kRoot, key_, name, value);
  };
  for (std::size_t i = 0; i < record.undo.size(); ++i)
    if (Status s = set(StepName(i), Encode(record.undo[i])); !s) return s;
  if (Status s = set(kStepCount, std::to_string(record.undo.size())); !s) return s;
  if (Status s = set(kGame, game_); !s) return s;
  if (Status s = set(kSwitchBack, record.switchBackDir); !s) return s;
  if (record.handedOver)
    if (Status s = set(kHandedOver, "1"); !s) return s;
  if (record.process)
    if (Status s = SetProcess(record.process, record.executable); !s) return s;
  return set(kComplete, "1");
}

Status RestoreJournal::RecordProcess(ProcessId process, const std::string& executable) {
  if (!Named() || !registry_.KeyExists(kRoot, key_)) return Status::Fail(err::kPathNotFound);
  if (Status s = SetProcess(process, executable); !s) return s;
  return registry_.Flush(kRoot, key_);
}

Status RestoreJournal::SetProcess(ProcessId process, const std::string& executable) {
  if (Status s = registry_.SetString(kRoot, key_, kExecutable, executable); !s) return s;
  return registry_.SetString(kRoot, key_, kProcess, std::to_string(process));
}

std::optional<RestoreRecord> RestoreJournal::Read() {
  auto get = [&](const std::string& name) {
    return registry_.QueryString(kRoot, key_, name, contract::kRegistryTextChars);
  };
  if (!Named()) return std::nullopt;
  auto complete = get(kComplete);
  if (!complete || complete.value() != "1") return std::nullopt;
  auto game = get(kGame);
  auto count = get(kStepCount);
  if (!game || game.value() != game_ || !count || count.value().empty() ||
      count.value().size() > 4 ||
      count.value().find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  RestoreRecord record;
  record.game = game.value();
  record.switchBackDir = get(kSwitchBack).value_or("");
  const std::size_t steps = std::stoul(count.value());
  for (std::size_t i = 0; i < steps; ++i) {
    auto text = get(StepName(i));
    if (!text) return std::nullopt;
    auto step = Decode(text.value());
    if (!step) return std::nullopt;
    record.undo.push_back(*step);
  }
  const std::string process = get(kProcess).value_or("");
  if (!process.empty() && process.size() <= 10 &&
      process.find_first_not_of("0123456789") == std::string::npos)
    record.process = static_cast<ProcessId>(std::stoull(process));
  record.executable = get(kExecutable).value_or("");
  record.handedOver = get(kHandedOver).value_or("") == "1";
  return record;
}

bool RestoreJournal::Completed() {
  return Named() &&
         registry_.QueryString(kRoot, key_, kComplete, contract::kRegistryTextChars).value_or("") ==
             "1";
}

// The journal's own key goes with its last entry.
Status RestoreJournal::Clear() {
  if (!Named() || !registry_.KeyExists(kRoot, key_)) return Status::Ok();
  const Status cleared = registry_.DeleteKey(kRoot, key_);
  if (cleared) Skip(registry_.DeleteKey(kRoot, kJournalKey));
  return cleared;
}

namespace {

Replay ReplayOne(RestoreJournal& journal, const RestoreRecord& record, Files& files,
                 Processes& processes, const SwitchBack& switchBack) {
  if (record.process && processes.IsRunning(record.process, record.executable))
    return Replay::GameRunning;
  return UndoEntry(journal, record, files, switchBack);
}

}  // namespace

// The undo of a normal end, of a failure and of a replay alike.
Replay UndoEntry(RestoreJournal& journal, const RestoreRecord& record, Files& files,
                 const SwitchBack& switchBack) {
  const bool switched =
      record.switchBackDir.empty() || !switchBack || switchBack(record.switchBackDir);
  if (!UndoEach(files, record.undo) || !switched) return Replay::Unfinished;
  Skip(journal.Clear());
  return Replay::Done;
}

Replay ReplayJournal(Registry& registry, Files& files, Processes& processes,
                     const std::function<bool(const RestoreRecord&)>& accept,
                     const SwitchBack& switchBack,
                     const std::function<void(const RestoreRecord&, Replay)>& replayed) {
  auto games = registry.SubKeys(kRoot, kJournalKey);
  if (!games) return Replay::None;
  Replay worst = Replay::None;
  for (const std::string& game : games.value()) {
    RestoreJournal journal(registry, game);
    const auto record = journal.Read();
    if (!record) {
      // Cut off while it was written: it stands for no change, so it goes.
      if (!journal.Completed()) Skip(journal.Clear());
      continue;
    }
    if (accept && !accept(*record)) continue;
    const Replay outcome = ReplayOne(journal, *record, files, processes, switchBack);
    if (replayed) replayed(*record, outcome);
    if (static_cast<int>(outcome) > static_cast<int>(worst)) worst = outcome;
  }
  // A journal whose last entry went without it (a cut between the two) goes now.
  auto left = registry.SubKeys(kRoot, kJournalKey);
  if (left && left.value().empty()) Skip(registry.DeleteKey(kRoot, kJournalKey));
  return worst;
}

}  // namespace kalv
