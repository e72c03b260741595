#include "platform/win32/kept_keys.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/win32/wide.h"

namespace kalv::win32 {

KeptKeys::~KeptKeys() {
  for (const Kept& kept : kept_) RegCloseKey(kept.key);
}

std::vector<KeptKeys::Kept>::iterator KeptKeys::Find(HKEY root, const std::string& name,
                                                     REGSAM access) {
  return std::find_if(kept_.begin(), kept_.end(), [&](const Kept& k) {
    return k.root == root && k.access == access && k.path == name;
  });
}

HKEY KeptKeys::Open(HKEY root, const std::string& path, REGSAM access, LONG& error) {
  const auto found = Find(root, AsciiLower(path), access);
  if (found != kept_.end()) {
    const Kept used = *found;
    kept_.erase(found);
    kept_.push_back(used);
    error = ERROR_SUCCESS;
    return used.key;
  }
  HKEY key = nullptr;
  error = RegOpenKeyExW(root, Wide(path).c_str(), 0, access, &key);
  if (error != ERROR_SUCCESS) return nullptr;
  Keep(root, path, access, key);
  return key;
}

void KeptKeys::Keep(HKEY root, const std::string& path, REGSAM access, HKEY key) {
  const std::string name = AsciiLower(path);
  const auto same = Find(root, name, access);
  if (same != kept_.end()) {
    RegCloseKey(same->key);
    kept_.erase(same);
  }
  if (kept_.size() == kMostKept) {
    RegCloseKey(kept_.front().key);
    kept_.erase(kept_.begin());
  }
  kept_.push_back({root, name, access, key});
}

void KeptKeys::Drop(HKEY key) {
  const auto found =
      std::find_if(kept_.begin(), kept_.end(), [&](const Kept& k) { return k.key == key; });
  if (found == kept_.end()) return;
  RegCloseKey(found->key);
  kept_.erase(found);
}

void KeptKeys::Forget(HKEY root, const std::string& path) {
  const std::string name = AsciiLower(path);
  const auto below = [&](const Kept& k) {
    return k.root == root && (k.path == name || k.path.rfind(name + "\\", 0) == 0);
  };
  for (const Kept& kept : kept_)
    if (below(kept)) RegCloseKey(kept.key);
  kept_.erase(std::remove_if(kept_.begin(), kept_.end(), below), kept_.end());
}

}  // namespace kalv::win32
