#include "core/restore_journal.h"
#include "core/contracts.h"

#include <utility>

namespace kalv {

namespace {

constexpr RegRoot kRoot = RegRoot::CurrentUser;
constexpr const char* kGame = "Game";
constexpr const char* kFolder = "Folder";
constexpr const char* kSwitchBack = "Switch back";
constexpr const char* kStepCount = "Steps";
constexpr const char* kProcess = "Process";
constexpr const char* kExecutable = "Executable";
constexpr const char* kWriter = "Writer";
constexpr const char* kWriterExecutable = "Writer executable";
constexpr const char* kComplete = "Complete";
constexpr const char* kHandedOver = "Handed over";
// More steps than any run writes: a count above it is not read.
constexpr std::size_t kMostSteps = 999;
// How many entries of one game may be kept aside.
constexpr int kMostSetAside = 99;

using K = FileStep::Kind;
constexpr K kKinds[] = {K::MakeNormal,    K::MakeReadOnly, K::Copy,          K::Rename,
                        K::MakeDirectory, K::Delete,       K::SetAttributes, K::PutBack};

// A step as one text: its kind, a "|" and its path, and for copies, renames and puts back
// a "|" and the source ("|" cannot occur in a Windows path).
const char* KindName(K kind) {
  switch (kind) {
    case K::MakeNormal: return "normal";
    case K::MakeReadOnly: return "read-only";
    case K::Copy: return "copy";
    case K::Rename: return "rename";
    case K::MakeDirectory: return "directory";
    case K::Delete: return "delete";
    case K::SetAttributes: return "attributes";
    case K::PutBack: return "put back";
  }
  return "";
}

std::string Encode(const FileStep& step) {
  std::string text = std::string(KindName(step.kind)) + "|" + step.path;
  if (step.kind == K::SetAttributes) return text + "|" + std::to_string(step.attributes);
  if (!step.source.empty()) text += "|" + step.source;
  return text;
}

// A whole number of at most digits decimal digits.
std::optional<unsigned long long> Number(const std::string& text, std::size_t digits) {
  if (text.empty() || text.size() > digits ||
      text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  return std::stoull(text);
}

// The attributes of a step, as decimal digits that fit 32 bits.
std::optional<std::uint32_t> AttributesOf(const std::string& text) {
  const auto value = Number(text, 10);
  if (!value || *value > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<std::uint32_t>(*value);
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
  if (kind == KindName(K::SetAttributes)) {
    const auto attributes = AttributesOf(source);
    if (!attributes) return std::nullopt;
    return SetAttributes(path, *attributes);
  }
  for (K k : kKinds)
    if (kind == KindName(k) && k != K::SetAttributes) return FileStep{k, path, source};
  return std::nullopt;
}

std::string StepName(std::size_t index) { return "Step " + std::to_string(index + 1); }

ProcessId ProcessOf(const std::string& text) {
  const auto value = Number(text, 10);
  return value && *value <= 0xFFFFFFFFull ? static_cast<ProcessId>(*value) : 0;
}

}  // namespace

RestoreJournal::RestoreJournal(Registry& registry, std::string game)
    : registry_(registry), game_(std::move(game)), key_(std::string(kJournalKey) + "\\" + game_) {}

// A game code names one subkey: an empty one, or one with a backslash, names none.
bool RestoreJournal::Named() const {
  return !game_.empty() && game_.find('\\') == std::string::npos;
}

// A complete entry is never replaced: it stands for changes not yet undone, and one that
// does not read is the user's to look at. An entry cut off while being written stands for
// none (nothing changes before it is complete), so it goes, and so does this write's own
// part when a later part fails.
Status RestoreJournal::Write(const RestoreRecord& record) {
  if (!Named()) return Status::Fail(err::kBadFileName);
  if (Completed()) return Status::Fail(err::kFileExists);
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
  if (Status s = set(kFolder, record.folder); !s) return s;
  if (Status s = set(kSwitchBack, record.switchBackDir); !s) return s;
  if (record.handedOver)
    if (Status s = set(kHandedOver, "1"); !s) return s;
  if (record.writer) {
    if (Status s = set(kWriterExecutable, record.writerExecutable); !s) return s;
    if (Status s = set(kWriter, std::to_string(record.writer)); !s) return s;
  }
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
  if (!Completed()) return std::nullopt;
  auto game = get(kGame);
  const auto steps = Number(get(kStepCount).value_or(""), 4);
  if (!game || game.value() != game_ || !steps || *steps > kMostSteps) return std::nullopt;
  RestoreRecord record;
  record.game = game.value();
  record.folder = get(kFolder).value_or("");
  record.switchBackDir = get(kSwitchBack).value_or("");
  for (std::size_t i = 0; i < *steps; ++i) {
    auto text = get(StepName(i));
    if (!text) return std::nullopt;
    auto step = Decode(text.value());
    if (!step) return std::nullopt;
    record.undo.push_back(*step);
  }
  record.process = ProcessOf(get(kProcess).value_or(""));
  record.executable = get(kExecutable).value_or("");
  record.writer = ProcessOf(get(kWriter).value_or(""));
  record.writerExecutable = get(kWriterExecutable).value_or("");
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

// The copy is made whole before the entry goes, so a cut leaves the entry where it was.
Result<std::string> RestoreJournal::SetAside() {
  if (!Named()) return Result<std::string>::Fail(err::kBadFileName);
  auto names = registry_.ValueNames(kRoot, key_);
  if (!names) return names.failure();
  std::string target;
  for (int n = 1; n <= kMostSetAside && target.empty(); ++n) {
    const std::string candidate =
        std::string(kSetAsideKey) + "\\" + game_ + " " + std::to_string(n);
    if (!registry_.KeyExists(kRoot, candidate)) target = candidate;
  }
  if (target.empty()) return Result<std::string>::Fail(err::kFileExists);
  if (Status created = registry_.CreateKey(kRoot, target); !created) return created.failure();
  for (const std::string& name : names.value()) {
    const auto value = registry_.QueryString(kRoot, key_, name, contract::kRegistryTextChars);
    const Status copied =
        value ? registry_.SetString(kRoot, target, name, value.value()) : Status::Ok();
    if (!copied) return copied.failure();
  }
  if (Status flushed = registry_.Flush(kRoot, target); !flushed) return flushed.failure();
  if (Status cleared = Clear(); !cleared) return cleared.failure();
  return target;
}

// The undo of a normal end, of a failure and of a replay alike.
ReplayOutcome UndoEntry(RestoreJournal& journal, const RestoreRecord& record, Files& files,
                        const SwitchBack& switchBack) {
  ReplayOutcome outcome;
  if (!record.switchBackDir.empty() && switchBack)
    if (auto kept = switchBack(record.switchBackDir)) outcome.left.push_back(*kept);
  if (outcome.left.empty()) outcome.left = UndoEach(files, record.undo);
  if (!outcome.left.empty()) {
    outcome.replay = Replay::Unfinished;
    return outcome;
  }
  Skip(journal.Clear());
  outcome.replay = Replay::Done;
  return outcome;
}

ReplayOutcome ReplayEntry(RestoreJournal& journal, const RestoreRecord& record,
                          const ReplayContext& context) {
  ReplayOutcome outcome;
  const JournalRules* rules = context.rules ? context.rules(record.game) : nullptr;
  const auto refusal = rules ? CheckEntry(record, *rules)
                             : std::optional<std::string>("its game is not one this program knows");
  if (refusal) {
    outcome.replay = Replay::SetAside;
    outcome.refusal = *refusal;
    outcome.setAside = journal.SetAside().value_or("");
    return outcome;
  }
  // A writer with this program's own id has ended: its id passed on to this program.
  Processes& processes = context.processes;
  const bool writerRuns = record.writer && record.writer != processes.OwnId() &&
                          processes.IsRunning(record.writer, record.writerExecutable);
  if (writerRuns || (record.process && processes.IsRunning(record.process, record.executable))) {
    outcome.replay = Replay::GameRunning;
    return outcome;
  }
  if (!context.files.DirectoryExists(FolderOf(record, *rules))) {
    Skip(journal.Clear());
    outcome.replay = Replay::Dropped;
    return outcome;
  }
  return UndoEntry(journal, record, context.files, context.switchBack);
}

Replay ReplayJournal(
    Registry& registry, const ReplayContext& context,
    const std::function<bool(const RestoreRecord&)>& accept,
    const std::function<void(const RestoreRecord&, const ReplayOutcome&)>& replayed) {
  auto games = registry.SubKeys(kRoot, kJournalKey);
  if (!games) return Replay::None;
  Replay worst = Replay::None;
  for (const std::string& game : games.value()) {
    RestoreJournal journal(registry, game);
    auto record = journal.Read();
    ReplayOutcome outcome;
    if (record) {
      if (accept && !accept(*record)) continue;
      outcome = ReplayEntry(journal, *record, context);
    } else if (!journal.Completed()) {
      // Cut off while it was written: it stands for no change, so it goes.
      Skip(journal.Clear());
      continue;
    } else {
      record = RestoreRecord{};
      record->game = game;
      if (accept && !accept(*record)) continue;
      outcome.replay = Replay::SetAside;
      outcome.refusal = "it does not read as an entry";
      outcome.setAside = journal.SetAside().value_or("");
    }
    if (replayed) replayed(*record, outcome);
    if (static_cast<int>(outcome.replay) > static_cast<int>(worst)) worst = outcome.replay;
  }
  // A journal whose last entry went without it (a cut between the two) goes now.
  auto left = registry.SubKeys(kRoot, kJournalKey);
  if (left && left.value().empty()) Skip(registry.DeleteKey(kRoot, kJournalKey));
  return worst;
}

}  // namespace kalv
