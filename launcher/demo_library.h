// The demo library: a window on a folder of demos that reads them in slices between the
// window's messages, shows each with what it needs and whether it plays here, orders and
// filters them as the user asks, and plays one as a double-click in Explorer would,
// coming back to the list afterwards.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "games/demo_cache.h"
#include "games/demo_listing.h"
#include "launcher/base/program.h"
#include "ui/demos_window.h"

namespace kalv {

class DemoLibrary {
 public:
  explicit DemoLibrary(Program& program);
  DemoLibrary(const DemoLibrary&) = delete;
  DemoLibrary& operator=(const DemoLibrary&) = delete;

  // Shows the window on folder ("": the folder of the last time). Closing it goes back to
  // the main window when that opened it, else ends the program.
  void Open(const std::string& folder, bool fromMainWindow);
  bool Visible() const { return window_.created() && window_.Visible(); }
  ui::frmDemos& window() { return window_; }

  // The rows as shown, in their order.
  const std::vector<ListedDemo>& Shown() const { return shown_; }

 private:
  void Wire();
  void SetCaptions();
  void ReadFolder();
  bool ReadSome();
  void ShowProgress();
  void ShowSummary();
  void ShowRows();
  std::vector<std::string> Cells(const ListedDemo& demo);
  std::string PlaysHere(const ListedDemo& demo);
  bool Passes(const ListedDemo& demo) const;
  std::optional<GameCode> ChosenGame() const;
  void SortBy(int column);
  void PlaySelected();
  void Browse();
  void Close();
  std::string Caption(int slot, const std::vector<std::string>& values = {});

  Program& program_;
  ui::frmDemos window_;
  bool fromMainWindow_ = false;
  std::string folder_;
  std::unique_ptr<DemoCache> cache_;  // what was read before, kept between runs
  std::unique_ptr<DemoReader> reader_;
  std::vector<std::string> names_;  // the folder's files; those before next_ are read
  std::size_t next_ = 0;
  std::vector<ListedDemo> listed_;  // in name order
  std::vector<ListedDemo> shown_;   // ordered and filtered as the window shows them
  DemoColumn column_ = DemoColumn::Name;
  bool descending_ = false;
};

// Opens the demo library on folder, making it the first time.
void OpenDemoLibrary(Program& program, const std::string& folder, bool fromMainWindow);
bool DemoLibraryVisible(const Program& program);

}  // namespace kalv
