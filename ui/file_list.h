// A directory's file names that match a pattern, in name order, with a selection: the
// file-list control of the windows. It is portable logic on the platform's directory
// listing; an optional visible list box mirrors the names and holds the selection.
#pragma once

#include <string>
#include <vector>

#include "platform/files.h"
#include "ui/controls.h"

namespace kalv::ui {

class FileList {
 public:
  explicit FileList(std::string pattern = "*.*") : pattern_(std::move(pattern)) {}
  FileList(const FileList&) = delete;
  FileList& operator=(const FileList&) = delete;

  void Attach(Files& files) { files_ = &files; }
  // Shows the names in a visible list box, which then keeps the selection.
  void ShowIn(ListControl& list);

  // Points the list at a directory and reads it again. A missing directory is a failure
  // (76) and leaves the list as it was.
  Status SetPath(const std::string& dir);
  // The directory as the platform reports it: a drive root keeps its backslash ("c:\").
  const std::string& Path() const { return path_; }
  // Changes the pattern and reads the directory again.
  Status SetPattern(const std::string& pattern);
  const std::string& Pattern() const { return pattern_; }
  Status Refresh();

  int Count() const { return static_cast<int>(names_.size()); }
  // The name of entry index; "" outside the list.
  std::string Item(int index) const;
  // Selects entry index; -1 or any index outside the list selects nothing.
  void Select(int index);
  int Selected() const;
  // The selected file's name; "" when none is selected.
  std::string FileName() const;

 private:
  void Show();

  Files* files_ = nullptr;
  ListControl* list_ = nullptr;
  std::string path_;
  std::string pattern_;
  std::vector<std::string> names_;
  int selected_ = -1;
};

}  // namespace kalv::ui
