#include <algorithm>
#include <cctype>

#include "platform/fake/fake_paths.h"
#include "platform/fake/fake_platform.h"

namespace kalv::fake {

namespace {
struct Value {
  std::string name;  // as first written
  bool dword = false;
  std::string text;
  std::uint32_t number = 0;
};

struct Key {
  std::string path;                     // as first written, "" for the root itself
  std::map<std::string, Value> values;  // by lower-case name
};

const char* RootName(RegRoot root) {
  switch (root) {
    case RegRoot::ClassesRoot: return "HKCR";
    case RegRoot::CurrentUser: return "HKCU";
    case RegRoot::LocalMachine: return "HKLM";
    case RegRoot::Users: return "HKU";
  }
  return "?";
}

// Key paths without empty parts, so "Software\\X\\" and "Software\X" are the same key.
std::vector<std::string> SplitKey(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

std::string Join(const std::vector<std::string>& parts, std::size_t count) {
  std::string out;
  for (std::size_t i = 0; i < count; ++i) {
    if (i) out += '\\';
    out += parts[i];
  }
  return out;
}

std::string Normalized(const std::string& path) {
  const auto parts = SplitKey(path);
  return Join(parts, parts.size());
}

// The case-folded path by which a key is kept, empty names dropped, in one pass for an
// ASCII path: every registry call looks a key up.
std::string LowerKey(const std::string& path) {
  std::string key;
  key.reserve(path.size());
  bool separator = false;
  bool ascii = true;
  for (char c : path) {
    if (c == '\\') {
      separator = !key.empty();
      continue;
    }
    if (separator) key += '\\';
    separator = false;
    ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return ascii ? key : FoldCase(key);
}

std::string Journaled(RegRoot root, const std::string& path) {
  return path.empty() ? std::string(RootName(root)) : std::string(RootName(root)) + "\\" + path;
}
}  // namespace

struct FakeRegistry::State {
  struct Tree {
    std::map<std::string, Key> keys;  // by lower-case path
    std::vector<std::string> order;   // lower-case paths in creation order
    bool refuseWrites = false;
  };
  std::map<RegRoot, Tree> trees;
  std::vector<std::string> journal;

  Tree& tree(RegRoot root) {
    Tree& t = trees[root];
    if (t.keys.empty()) t.keys[""] = Key{};
    return t;
  }
  Key* Find(RegRoot root, const std::string& path) {
    Tree& t = tree(root);
    auto it = t.keys.find(LowerKey(path));
    return it == t.keys.end() ? nullptr : &it->second;
  }
  Key& Create(RegRoot root, const std::string& path) {
    Tree& t = tree(root);
    Key* key = &t.keys[""];
    std::string lower;  // the lower-case path down to the key reached so far
    for (const std::string& part : SplitKey(path)) {
      if (!lower.empty()) lower += '\\';
      lower += FoldCase(part);
      auto it = t.keys.find(lower);
      if (it == t.keys.end()) {
        // A new key takes its parent's spelling as first written plus the new name.
        Key fresh;
        fresh.path = key->path.empty() ? part : key->path + "\\" + part;
        it = t.keys.emplace(lower, std::move(fresh)).first;
        t.order.push_back(lower);
      }
      key = &it->second;
    }
    return *key;
  }
  bool HasSubKeys(RegRoot root, const Key& key) {
    const std::string prefix = key.path.empty() ? "" : FoldCase(key.path) + "\\";
    for (const auto& [lower, k] : tree(root).keys)
      if (!lower.empty() && lower != FoldCase(key.path) &&
          lower.compare(0, prefix.size(), prefix) == 0)
        return true;
    return false;
  }
};

FakeRegistry::FakeRegistry() : state_(std::make_unique<State>()) {}
FakeRegistry::~FakeRegistry() = default;

void FakeRegistry::RefuseWrites(RegRoot root, bool refuse) {
  state_->tree(root).refuseWrites = refuse;
}

std::vector<std::string> FakeRegistry::Keys(RegRoot root) const {
  std::vector<std::string> out;
  auto it = state_->trees.find(root);
  if (it == state_->trees.end()) return out;
  for (const std::string& lower : it->second.order) {
    auto key = it->second.keys.find(lower);
    if (key != it->second.keys.end()) out.push_back(key->second.path);
  }
  return out;
}

std::optional<std::string> FakeRegistry::Value(RegRoot root, const std::string& path,
                                               const std::string& name) const {
  Key* key = state_->Find(root, path);
  if (!key) return std::nullopt;
  auto it = key->values.find(FoldCase(name));
  if (it == key->values.end()) return std::nullopt;
  return it->second.dword ? std::to_string(it->second.number) : it->second.text;
}

const std::vector<std::string>& FakeRegistry::Journal() const { return state_->journal; }

void FakeRegistry::PutString(RegRoot root, const std::string& path, const std::string& name,
                             const std::string& value) {
  Key& key = state_->Create(root, path);
  auto& v = key.values[FoldCase(name)];
  if (v.name.empty()) v.name = name;
  v.dword = false;
  v.text = value;
}

// One journal line per successful call, naming the key as the caller wrote it.
Status FakeRegistry::CreateKey(RegRoot root, const std::string& path) {
  if (beforeChange) beforeChange(path);
  if (state_->tree(root).refuseWrites) return Status::Fail(err::kPermissionDenied);
  state_->Create(root, path);
  state_->journal.push_back("create " + Journaled(root, Normalized(path)));
  return Status::Ok();
}

Status FakeRegistry::DeleteKey(RegRoot root, const std::string& path) {
  if (beforeChange) beforeChange(path);
  if (state_->tree(root).refuseWrites) return Status::Fail(err::kPermissionDenied);
  const auto parts = SplitKey(path);
  if (parts.empty()) return Status::Fail(err::kInvalidCall);
  Key* key = state_->Find(root, path);
  if (!key) return Status::Fail(err::kFileNotFound);
  if (state_->HasSubKeys(root, *key)) return Status::Fail(err::kInvalidCall);
  auto& tree = state_->tree(root);
  const std::string lower = FoldCase(Join(parts, parts.size()));
  tree.keys.erase(lower);
  tree.order.erase(std::remove(tree.order.begin(), tree.order.end(), lower), tree.order.end());
  state_->journal.push_back("delete " + Journaled(root, Join(parts, parts.size())));
  return Status::Ok();
}

bool FakeRegistry::KeyExists(RegRoot root, const std::string& path) {
  return state_->Find(root, path) != nullptr;
}

Result<std::vector<std::string>> FakeRegistry::SubKeys(RegRoot root, const std::string& path) {
  Key* key = state_->Find(root, path);
  if (!key) return Result<std::vector<std::string>>::Fail(err::kFileNotFound);
  const std::string prefix = key->path.empty() ? "" : FoldCase(key->path) + "\\";
  std::vector<std::string> names;
  for (const auto& [lower, k] : state_->tree(root).keys) {
    if (lower.empty() || lower.size() <= prefix.size() ||
        lower.compare(0, prefix.size(), prefix) != 0)
      continue;
    if (lower.find('\\', prefix.size()) != std::string::npos) continue;
    names.push_back(
        k.path.substr(k.path.rfind('\\') == std::string::npos ? 0 : k.path.rfind('\\') + 1));
  }
  std::sort(names.begin(), names.end(), LessNoCase);
  return names;
}

Result<std::vector<std::string>> FakeRegistry::ValueNames(RegRoot root, const std::string& path) {
  Key* key = state_->Find(root, path);
  if (!key) return Result<std::vector<std::string>>::Fail(err::kFileNotFound);
  std::vector<std::string> names;
  for (const auto& [lower, value] : key->values) names.push_back(value.name);
  std::sort(names.begin(), names.end(), LessNoCase);
  return names;
}

Status FakeRegistry::SetString(RegRoot root, const std::string& path, const std::string& name,
                               const std::string& value) {
  if (beforeChange) beforeChange(path);
  if (state_->tree(root).refuseWrites) return Status::Fail(err::kPermissionDenied);
  Key* key = state_->Find(root, path);
  if (!key) return Status::Fail(err::kInvalidCall);
  auto& v = key->values[FoldCase(name)];
  if (v.name.empty()) v.name = name;
  v.dword = false;
  v.text = value;
  state_->journal.push_back("set " + Journaled(root, Normalized(path)) + "\\" +
                            (name.empty() ? "(default)" : name) + "=" + value);
  return Status::Ok();
}

Status FakeRegistry::SetDword(RegRoot root, const std::string& path, const std::string& name,
                              std::uint32_t value) {
  if (beforeChange) beforeChange(path);
  if (state_->tree(root).refuseWrites) return Status::Fail(err::kPermissionDenied);
  Key* key = state_->Find(root, path);
  if (!key) return Status::Fail(err::kInvalidCall);
  auto& v = key->values[FoldCase(name)];
  if (v.name.empty()) v.name = name;
  v.dword = true;
  v.number = value;
  state_->journal.push_back("set " + Journaled(root, Normalized(path)) + "\\" +
                            (name.empty() ? "(default)" : name) + "=" + std::to_string(value));
  return Status::Ok();
}

// As the registry's query call: the text and its terminator must fit the buffer.
Result<std::string> FakeRegistry::QueryString(RegRoot root, const std::string& path,
                                              const std::string& name, std::size_t bufferChars) {
  Key* key = state_->Find(root, path);
  if (!key) return Result<std::string>::Fail(err::kFileNotFound);
  auto it = key->values.find(FoldCase(name));
  if (it == key->values.end()) return Result<std::string>::Fail(err::kFileNotFound);
  if (it->second.dword) return Result<std::string>::Fail(err::kInvalidCall);
  if (it->second.text.size() + 1 > bufferChars) return Result<std::string>::Fail(err::kInvalidCall);
  return it->second.text;
}

Result<std::uint32_t> FakeRegistry::QueryDword(RegRoot root, const std::string& path,
                                               const std::string& name) {
  Key* key = state_->Find(root, path);
  if (!key) return Result<std::uint32_t>::Fail(err::kFileNotFound);
  auto it = key->values.find(FoldCase(name));
  if (it == key->values.end()) return Result<std::uint32_t>::Fail(err::kFileNotFound);
  if (!it->second.dword) return Result<std::uint32_t>::Fail(err::kInvalidCall);
  return it->second.number;
}

// A key that exists is flushed; the journal shows when, so that a test can see a flush
// come before the changes it must precede.
Status FakeRegistry::Flush(RegRoot root, const std::string& path) {
  if (!state_->Find(root, path)) return Status::Fail(err::kFileNotFound);
  state_->journal.push_back("flush " + Journaled(root, Normalized(path)));
  return Status::Ok();
}

}  // namespace kalv::fake
