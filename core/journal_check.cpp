#include "core/journal_check.h"

#include <cctype>

#include "core/folder_name.h"
#include "core/restore_journal.h"
#include "platform/files.h"

namespace kalv {

namespace {

std::vector<std::string> Parts(const std::string& path) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (;;) {
    const std::size_t bar = path.find('\\', from);
    parts.push_back(path.substr(from, bar - from));
    if (bar == std::string::npos) return parts;
    from = bar + 1;
  }
}

// A relative path ("\baseq3\x.cfg") against a file's pattern, part by part.
bool Matches(const std::string& relative, const char* pattern) {
  const auto have = Parts(relative);
  const auto want = Parts(pattern);
  if (have.size() != want.size()) return false;
  for (std::size_t i = 0; i < have.size(); ++i) {
    if (want[i].find('*') == std::string::npos) {
      if (!EqualsNoCase(have[i], want[i])) return false;
    } else if (!IsPlainFolderName(have[i]) || !MatchesPattern(have[i], want[i])) {
      return false;
    }
  }
  return true;
}

// "C:\..." or "\\server\share\...", each part a name of its own: a folder that does not
// depend on the current one and names no other route to a file ("..", "/", "\\?\").
bool PlainAbsolute(const std::string& folder) {
  std::string rest;
  if (folder.size() >= 2 && std::isalpha(static_cast<unsigned char>(folder[0])) && folder[1] == ':')
    rest = folder.substr(2);
  else if (folder.size() > 2 && folder[0] == '\\' && folder[1] == '\\')
    rest = folder.substr(1);
  else
    return false;
  if (rest.empty()) return true;
  const auto parts = Parts(rest);
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    if (part.empty() || part == "." || part == ".." ||
        part.find_first_of("/:*?\"<>|") != std::string::npos)
      return false;
  }
  return parts.front().empty();
}

// The part of path below folder, from its backslash on; nothing when it lies elsewhere.
std::optional<std::string> Below(const std::string& folder, const std::string& path) {
  if (folder.empty() || path.size() <= folder.size() + 1 || path[folder.size()] != '\\' ||
      !EqualsNoCase(path.substr(0, folder.size()), folder))
    return std::nullopt;
  return path.substr(folder.size());
}

const JournalFile* FileOf(const JournalRules& rules, const std::string& relative) {
  for (const JournalFile& file : rules.files)
    if (Matches(relative, file.path)) return &file;
  return nullptr;
}

// The aside name a run gives a user's file: the file's own name, the suffix, and a number
// when that name was taken.
bool IsAsideOf(const std::string& aside, const std::string& path) {
  const std::string stem = path + kAsideSuffix;
  if (aside.size() < stem.size() || !EqualsNoCase(aside.substr(0, stem.size()), stem)) return false;
  const std::string number = aside.substr(stem.size());
  return number.size() <= 3 && number.find_first_not_of("0123456789") == std::string::npos;
}

bool Allowed(FileRole role, const FileStep& step) {
  using K = FileStep::Kind;
  switch (role) {
    case FileRole::Made:
      return (step.kind == K::Delete && step.source.empty()) ||
             (step.kind == K::PutBack && IsAsideOf(step.source, step.path));
    case FileRole::Protected:
      return step.source.empty() &&
             (step.kind == K::MakeNormal || step.kind == K::Delete ||
              (step.kind == K::SetAttributes && (step.attributes & ~attr::kSettable) == 0));
    case FileRole::Switched:
      return step.source.empty() && step.kind == K::SetAttributes &&
             (step.attributes & ~attr::kSettable) == 0;
  }
  return false;
}

}  // namespace

std::string FolderOf(const RestoreRecord& record, const JournalRules& rules) {
  if (!record.folder.empty()) return record.folder;
  for (const FileStep& step : record.undo)
    for (const JournalFile& file : rules.files) {
      // The folder is what is left of the path when the file's parts are taken off it.
      const std::size_t depth = Parts(file.path).size() - 1;
      std::size_t cut = step.path.size();
      for (std::size_t i = 0; i < depth && cut != std::string::npos && cut > 0; ++i)
        cut = step.path.rfind('\\', cut - 1);
      if (cut == std::string::npos || cut == 0) continue;
      const std::string folder = step.path.substr(0, cut);
      if (Matches(step.path.substr(cut), file.path)) return folder;
    }
  return "";
}

std::optional<std::string> CheckEntry(const RestoreRecord& record, const JournalRules& rules) {
  if (record.game != rules.game) return "it is not an entry of " + std::string(rules.game);
  const std::string folder = FolderOf(record, rules);
  if (!PlainAbsolute(folder)) return "it names no game folder (\"" + folder + "\")";
  if (!record.switchBackDir.empty() &&
      (!rules.switchBack || !EqualsNoCase(record.switchBackDir, folder)))
    return "it switches back " + record.switchBackDir + ", not the game folder " + folder;
  for (const FileStep& step : record.undo) {
    const auto relative = Below(folder, step.path);
    const JournalFile* file = relative ? FileOf(rules, *relative) : nullptr;
    if (!file) return step.path + " is not a file of its runs in " + folder;
    if (!Allowed(file->role, step))
      return "it would do to " + step.path + " what no run of it does";
  }
  return std::nullopt;
}

}  // namespace kalv
