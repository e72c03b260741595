#include "ui/file_list.h"

namespace kalv::ui {

void FileList::ShowIn(ListControl& list) {
  list_ = &list;
  Show();
}

// The platform normalises the directory; the list keeps that form, so callers see the
// same path a file-list control would report.
Status FileList::SetPath(const std::string& dir) {
  if (!files_) return Status::Fail(err::kDeviceUnavailable);
  auto full = files_->FullDirectoryPath(dir);
  if (!full) return full.status();
  path_ = full.value();
  return Refresh();
}

Status FileList::SetPattern(const std::string& pattern) {
  pattern_ = pattern;
  return Refresh();
}

// A list that was never pointed at a directory stays empty rather than listing some
// arbitrary current directory.
Status FileList::Refresh() {
  names_.clear();
  selected_ = -1;
  Status result;
  if (files_ && !path_.empty()) {
    auto names = files_->List(path_, pattern_);
    if (names)
      names_ = std::move(names).value();
    else
      result = names.status();
  }
  Show();
  return result;
}

std::string FileList::Item(int index) const {
  if (index < 0 || index >= Count()) return std::string();
  return names_[static_cast<std::size_t>(index)];
}

void FileList::Select(int index) {
  if (index < 0 || index >= Count()) index = -1;
  selected_ = index;
  if (list_ && list_->bound()) list_->Select(index);
}

// With a visible list box the user's own clicks move the selection, so it is read back
// from the box.
int FileList::Selected() const {
  if (list_ && list_->bound()) {
    const int index = list_->Selected();
    return index >= 0 && index < Count() ? index : -1;
  }
  return selected_;
}

std::string FileList::FileName() const { return Item(Selected()); }

void FileList::Show() {
  if (!list_ || !list_->bound()) return;
  list_->Clear();
  for (const auto& name : names_) list_->Add(name);
  list_->Select(selected_);
}

}  // namespace kalv::ui
