#include "games/demo_cache.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "version.h"

namespace kalv {

namespace {

// The first line names the format and the program that wrote it; another version's file
// is not read.
const std::string kHeader = "Kalvenmarque demo library cache 2 v" KALV_VERSION_TEXT;
constexpr const char* kFile = "\\Kalvenmarque\\Demo Library.cache";
constexpr const char* kEnd = "end ";
// A row's fields before its players.
constexpr std::size_t kFixedFields = 16;

// Fields are separated by tabs, rows by line ends; a demo's own texts may hold either.
std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

std::optional<std::string> Unescaped(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\': out += '\\'; break;
      case 't': out += '\t'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      default: return std::nullopt;
    }
  }
  return out;
}

// A whole number of the text, all of it digits; nothing for anything else.
std::optional<std::uint64_t> Number(const std::string& text) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  std::uint64_t n = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return n;
}

std::string Line(const std::string& path, const ListedDemo& row, int game) {
  std::vector<std::string> fields = {
      path,
      std::to_string(row.size),
      std::to_string(row.written),
      std::to_string(static_cast<int>(row.kind)),
      std::to_string(game),
      row.gameSetUp ? "1" : "0",
      row.needs.read ? "1" : "0",
      std::to_string(row.needs.protocol),
      row.needs.mod,
      row.needs.map,
      std::to_string(static_cast<int>(row.needs.modFolder)),
      std::to_string(static_cast<int>(row.needs.mapFile)),
      row.release ? "1" : "0",
      row.release ? row.release->version : "",
      row.release && row.release->stored ? "1" : "0",
      row.length ? std::to_string(*row.length) : "",
  };
  fields.insert(fields.end(), row.needs.players.begin(), row.needs.players.end());
  std::string line;
  for (const std::string& field : fields) line += (line.empty() ? "" : "\t") + Escaped(field);
  return line + "\r\n";
}

// A row as Line wrote it, with its path; nothing when any field is not one Line writes.
std::optional<std::pair<std::string, ListedDemo>> Parse(const std::string& line,
                                                        const GameTable& games) {
  std::vector<std::string> fields;
  for (const std::string& raw : SplitText(line, '\t')) {
    auto field = Unescaped(raw);
    if (!field) return std::nullopt;
    fields.push_back(std::move(*field));
  }
  if (fields.size() < kFixedFields) return std::nullopt;
  const auto size = Number(fields[1]), written = Number(fields[2]), kind = Number(fields[3]),
             protocol = Number(fields[7]), modFolder = Number(fields[10]),
             mapFile = Number(fields[11]), length = Number(fields[15]);
  const std::optional<std::uint64_t> game =
      fields[4] == "-1" ? std::optional<std::uint64_t>(games.size()) : Number(fields[4]);
  auto flag = [&](std::size_t i) { return fields[i] == "0" || fields[i] == "1"; };
  if (!size || !written || !kind || *kind > 2 || !game || *game > games.size() || !protocol ||
      *protocol > 1000000 || !modFolder || *modFolder > 2 || !mapFile || *mapFile > 2 || !flag(5) ||
      !flag(6) || !flag(12) || !flag(14) ||
      (!fields[15].empty() && (!length || *length > UINT32_MAX)))
    return std::nullopt;
  ListedDemo row;
  row.size = *size;
  row.written = *written;
  row.kind = static_cast<ListedDemo::Kind>(*kind);
  row.game = *game < games.size() ? games[*game] : nullptr;
  if ((row.kind == ListedDemo::Kind::Demo) != (row.game != nullptr)) return std::nullopt;
  row.gameSetUp = fields[5] == "1";
  row.needs.read = fields[6] == "1";
  row.needs.protocol = static_cast<int>(*protocol);
  row.needs.mod = fields[8];
  row.needs.map = fields[9];
  row.needs.modFolder = static_cast<Presence>(*modFolder);
  row.needs.mapFile = static_cast<Presence>(*mapFile);
  if (fields[12] == "1") row.release = DemoRelease{fields[13], fields[14] == "1"};
  if (length) row.length = static_cast<std::uint32_t>(*length);
  row.needs.players.assign(fields.begin() + kFixedFields, fields.end());
  return std::make_pair(fields[0], std::move(row));
}

// FNV-1a, 64 bits: a short text for a long one; nothing here guards against an attacker.
std::string Hashed(const std::string& text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return hex;
}

// Each file of the folder with its stamp, one line each.
void AddFolder(const Install& install, const std::string& dir, std::string& text) {
  text += "folder " + AsciiLower(dir) + "\n";
  const auto names = install.files.List(dir, "*");
  if (!names) return;
  for (const std::string& name : names.value()) {
    const auto stamp = install.files.Stamp(dir + "\\" + name);
    text +=
        AsciiLower(name) + " " +
        (stamp ? std::to_string(stamp.value().length) + " " + std::to_string(stamp.value().written)
               : std::string("-")) +
        "\n";
  }
}

// A folder's files and those of the folders in it (and, with maps, of their maps folders).
void AddTree(const Install& install, const std::string& dir, bool maps, std::string& text) {
  AddFolder(install, dir, text);
  const auto folders = install.files.ListFolders(dir);
  if (!folders) return;
  for (const std::string& folder : folders.value()) {
    AddFolder(install, dir + "\\" + folder, text);
    if (maps && install.files.DirectoryExists(dir + "\\" + folder + "\\maps"))
      AddFolder(install, dir + "\\" + folder + "\\maps", text);
  }
}

}  // namespace

std::string DemoCachePath(System& system) {
  auto folder = system.LocalAppDataDirectory();
  if (!folder || folder.value().empty()) return "";
  return folder.value() + kFile;
}

// The places a row's lacks come from: where each game's demos look for mods and maps (its
// folder, the folders in it and their maps folders) and the player's own folders, which
// hold the release store.
std::string DemoCache::Fingerprint(const Install& install, const Choices& choices,
                                   const GameTable& games) {
  std::string text = "mods " + choices.q3aMod.label + " " + choices.q3aMod.option.value_or("") +
                     " " + choices.stvefMod.label + " " + choices.stvefMod.option.value_or("") +
                     "\n";
  for (const Game* game : games) {
    const std::string& dir = choices.dir(game->code);
    text += std::string(game->name) + " " + AsciiLower(dir) + "\n";
    if (!dir.empty()) AddTree(install, dir, true, text);
  }
  AddTree(install, install.system.ProgramDirectory(), false, text);
  return Hashed(text);
}

DemoCache::DemoCache(Files& files, std::string path, std::string fingerprint,
                     const GameTable& games)
    : files_(files), path_(std::move(path)), fingerprint_(std::move(fingerprint)), games_(games) {
  Load();
}

// All or nothing: one row that does not parse, a missing end or another count, and the
// file is taken as damaged.
void DemoCache::Load() {
  if (path_.empty()) return;
  auto text = ReadWholeFile(files_, path_);
  if (!text) return;
  std::vector<std::string> lines = SplitText(text.value(), '\n');
  for (std::string& line : lines)
    if (!line.empty() && line.back() == '\r') line.pop_back();
  if (lines.size() < 3 || lines[0] != kHeader || lines[1] != "installation " + fingerprint_) return;
  if (!lines.back().empty()) return;  // the file ends with a line end
  lines.pop_back();
  const std::string& last = lines.back();
  const auto count = last.rfind(kEnd, 0) == 0 ? Number(last.substr(4)) : std::nullopt;
  if (!count || *count != lines.size() - 3) return;
  std::map<std::string, Kept> rows;
  for (std::size_t i = 2; i + 1 < lines.size(); ++i) {
    auto parsed = Parse(lines[i], games_);
    if (!parsed) return;
    rows[AsciiLower(parsed->first)] = Kept{std::move(parsed->second), false};
  }
  rows_ = std::move(rows);
}

std::optional<ListedDemo> DemoCache::Find(const std::string& path, const FileStamp& stamp) {
  const auto found = rows_.find(AsciiLower(path));
  if (found == rows_.end() || found->second.row.size != stamp.length ||
      found->second.row.written != stamp.written)
    return std::nullopt;
  found->second.used = true;
  return found->second.row;
}

void DemoCache::Keep(const std::string& path, const ListedDemo& row) {
  if (row.kind == ListedDemo::Kind::Unreadable) return;
  rows_[AsciiLower(path)] = Kept{row, true};
  changed_ = true;
}

Status DemoCache::Save() {
  if (!changed_ || path_.empty()) return Status();
  std::vector<std::pair<const std::string*, const Kept*>> order;
  for (const auto& [path, kept] : rows_) order.push_back({&path, &kept});
  std::stable_partition(order.begin(), order.end(),
                        [](const auto& entry) { return entry.second->used; });
  if (order.size() > kMostRows) order.resize(kMostRows);
  std::string text = kHeader + "\r\ninstallation " + fingerprint_ + "\r\n";
  for (const auto& [path, kept] : order) {
    const Game* game = kept->row.game;
    const auto index = std::find(games_.begin(), games_.end(), game);
    text += Line(*path, kept->row, game ? static_cast<int>(index - games_.begin()) : -1);
  }
  text += kEnd + std::to_string(order.size()) + "\r\n";
  const std::string folder = path_.substr(0, path_.rfind('\\'));
  if (!files_.DirectoryExists(folder))
    if (Status made = files_.MakeDirectory(folder); !made) return made;
  const std::string fresh = path_ + ".new";
  if (Status written = WriteWholeFile(files_, fresh, text); !written) {
    Skip(files_.Delete(fresh));
    return written;
  }
  if (Status replaced = files_.Replace(fresh, path_); !replaced) {
    Skip(files_.Delete(fresh));
    return replaced;
  }
  changed_ = false;
  return Status();
}

}  // namespace kalv
