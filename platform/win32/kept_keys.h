// Registry keys kept open between calls. A key opened afresh for every value costs three
// calls into the system where one does, and a run reads its settings and writes its journal
// value by value.
#pragma once

#include "platform/win32/windows_api.h"

#include <string>
#include <vector>

namespace kalv::win32 {

class KeptKeys {
 public:
  KeptKeys() = default;
  ~KeptKeys();
  KeptKeys(const KeptKeys&) = delete;
  KeptKeys& operator=(const KeptKeys&) = delete;

  // The key below root opened with access, from those kept or opened now and kept; null
  // with the system's code in error when it cannot be opened.
  HKEY Open(HKEY root, const std::string& path, REGSAM access, LONG& error);
  // Keeps a key the caller opened (a key just created), closing it when it is let go.
  void Keep(HKEY root, const std::string& path, REGSAM access, HKEY key);
  // Closes one kept key: another program has deleted it.
  void Drop(HKEY key);
  // Closes the kept keys of path and of every key below it, before they are deleted.
  void Forget(HKEY root, const std::string& path);

 private:
  struct Kept {
    HKEY root;
    std::string path;  // without case
    REGSAM access;
    HKEY key;
  };
  // The most recently used last; a handful covers what one run touches again and again.
  static constexpr std::size_t kMostKept = 8;
  std::vector<Kept> kept_;

  // The kept key of a lower-case path, or the end.
  std::vector<Kept>::iterator Find(HKEY root, const std::string& name, REGSAM access);
};

// The code use returns for the key, kept open between calls. A kept key that another
// program has deleted answers ERROR_KEY_DELETED, and a key of the same name may have been
// made since: it is opened anew, once.
template <typename Use>
LONG OnKept(KeptKeys& keys, HKEY root, const std::string& path, REGSAM access, Use use) {
  for (int attempt = 0;; ++attempt) {
    LONG code = ERROR_SUCCESS;
    const HKEY key = keys.Open(root, path, access, code);
    if (!key) return code;
    code = use(key);
    if (code != ERROR_KEY_DELETED || attempt > 0) return code;
    keys.Drop(key);
  }
}

}  // namespace kalv::win32
