#include "launcher/demo_library.h"

#include <algorithm>
#include <cstdio>

#include "games/demo_cache.h"
#include "games/game_table.h"
#include "games/setting_names.h"
#include "launcher/base/choices.h"
#include "launcher/base/localized.h"
#include "launcher/base/messages.h"
#include "launcher/base/settings.h"
#include "launcher/dispatch.h"
#include "launcher/startup.h"
#include "ui/string_table.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

// The columns in the order of DemoColumn, with their widths in dialog units.
struct ColumnRow {
  int slot;
  int width;
};
// Together as wide as the list, so that whether a demo plays here shows without a scroll.
constexpr ColumnRow kColumns[] = {
    {slot::kDemosNameColumn, 76},    {slot::kDemosGameColumn, 58},
    {slot::kDemosReleaseColumn, 34}, {slot::kDemosModColumn, 34},
    {slot::kDemosMapColumn, 42},     {slot::kDemosPlayersColumn, 36},
    {slot::kDemosLengthColumn, 32},  {slot::kDemosSizeColumn, 30},
    {slot::kDemosDateColumn, 60},    {slot::kDemosPlaysHereColumn, 72},
};
constexpr std::size_t kColumnCount = sizeof kColumns / sizeof kColumns[0];
// A width the user cannot have meant (a damaged setting) gives the column its default.
constexpr int kWidestColumn = 2000;

std::vector<int> StoredWidths(Program& program) {
  std::vector<int> widths;
  for (const std::string& part : SplitText(ReadSetting(program, setting::kDemoColumns, ""), ',')) {
    const auto width = SettingInteger(part);
    widths.push_back(width && *width > 0 && *width <= kWidestColumn ? *width : 0);
  }
  if (widths.size() != kColumnCount) widths.assign(kColumnCount, 0);
  for (std::size_t i = 0; i < kColumnCount; ++i)
    if (widths[i] == 0) widths[i] = kColumns[i].width;
  return widths;
}

std::string Size(std::uint64_t bytes) {
  char text[32];
  if (bytes >= 1024 * 1024)
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / (1024.0 * 1024.0));
  else
    std::snprintf(text, sizeof text, "%llu KB",
                  static_cast<unsigned long long>((bytes + 1023) / 1024));
  return text;
}

// "m:ss", or "h:mm:ss" from an hour on, as media players show a length.
std::string Length(std::optional<std::uint32_t> milliseconds) {
  if (!milliseconds) return "";
  const unsigned seconds = *milliseconds / 1000;
  char text[24];
  if (seconds >= 3600)
    std::snprintf(text, sizeof text, "%u:%02u:%02u", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
  else
    std::snprintf(text, sizeof text, "%u:%02u", seconds / 60, seconds % 60);
  return text;
}

std::string Date(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute);
  return text;
}

}  // namespace

DemoLibrary::DemoLibrary(Program& program) : program_(program) {
  window_.Create(program.platform.windows);
  Wire();
}

std::string DemoLibrary::Caption(int slot, const std::vector<std::string>& values) {
  return ui::Fill(Localized(program_, ids::kCaptions + slot, 100).value_or(""), values);
}

void DemoLibrary::Wire() {
  window_.close = [this] { Close(); };
  window_.cmdClose.click = [this] { Close(); };
  window_.cmdPlay.click = [this] { PlaySelected(); };
  window_.lvwDemos.activate = [this] { PlaySelected(); };
  window_.lvwDemos.column = [this] { SortBy(window_.lvwDemos.ClickedColumn()); };
  window_.lvwDemos.reload = [this] { ReadFolder(); };
  window_.cmdBrowse.click = [this] { Browse(); };
  window_.chkSubfolders.click = [this] { ReadFolder(); };
  window_.comGame.click = [this] { ShowRows(); };
  window_.txtFilter.change = [this] { ShowRows(); };
}

void DemoLibrary::SetCaptions() {
  ui::frmDemos& w = window_;
  w.SetCaption(Caption(slot::kDemosTitle));
  w.lblFolder.SetCaption(Caption(slot::kDemosFolderLabel));
  w.cmdBrowse.SetCaption(Caption(slot::kDemosBrowseButton));
  w.chkSubfolders.SetCaption(Caption(slot::kDemosSubfoldersBox));
  w.lblGame.SetCaption(Caption(slot::kDemosGameLabel));
  w.lblFilter.SetCaption(Caption(slot::kDemosFilterLabel));
  w.cmdPlay.SetCaption(Caption(slot::kDemosPlayButton));
  w.cmdClose.SetCaption(Caption(slot::kDemosCloseButton));
  const int game = std::max(w.comGame.Selected(), 0);
  w.comGame.Clear();
  w.comGame.Add(Caption(slot::kDemosAllGames));
  for (const Game* g : Games()) w.comGame.Add(g->name);
  w.comGame.Select(game);
  std::vector<std::string> headers;
  for (const ColumnRow& column : kColumns) headers.push_back(Caption(column.slot));
  w.lvwDemos.SetColumns(headers, StoredWidths(program_));
  w.lvwDemos.ShowSorted(static_cast<int>(column_), descending_);
}

void DemoLibrary::Open(const std::string& folder, bool fromMainWindow) {
  fromMainWindow_ = fromMainWindow;
  SetCaptions();
  window_.chkSubfolders.SetValue(ReadSetting(program_, setting::kDemoSubfolders, "") == "1");
  const std::string chosen =
      folder.empty() ? ReadSetting(program_, setting::kDemoFolder, "") : folder;
  window_.txtFolder.SetCaption(chosen);
  if (fromMainWindow_) program_.frmDemPla.SetEnabled(false);
  if (program_.frmSplash.created()) program_.frmSplash.window.Hide();
  window_.Show();
  ReadFolder();
}

// The folder is read again from the start: the listing's reader takes the installations
// as they are now. What a reading cut short had read is kept first.
void DemoLibrary::ReadFolder() {
  if (cache_) Skip(cache_->Save());
  folder_ = window_.txtFolder.Text();
  while (folder_.size() > 3 && folder_.back() == '\\') folder_.pop_back();
  const Install install = program_.install();
  const Choices choices = LoadChoices(program_);
  cache_ =
      std::make_unique<DemoCache>(program_.platform.files, DemoCachePath(program_.platform.system),
                                  DemoCache::Fingerprint(install, choices, Games()), Games());
  reader_ = std::make_unique<DemoReader>(install, Games(), choices, cache_.get());
  listed_.clear();
  names_.clear();
  next_ = 0;
  window_.lvwDemos.Clear();
  shown_.clear();
  if (folder_.empty()) {
    window_.lblStatus.SetCaption("");
    window_.WhileIdle(nullptr);
    return;
  }
  auto names = reader_->Names(folder_, window_.chkSubfolders.Value() == 1);
  if (!names) {
    const Failure& failure = names.failure();
    window_.lblStatus.SetCaption(Caption(
        slot::kDemosFolderUnreadable,
        {failure.description.empty() ? DescribeFailure(failure.number) : failure.description}));
    window_.WhileIdle(nullptr);
    return;
  }
  names_ = std::move(names).value();
  window_.prgReading.SetValue(0);
  window_.prgReading.SetVisible(true);
  ShowProgress();
  window_.WhileIdle([this] { return ReadSome(); });
}

// One file a step; rows that pass the filter are added in name order as they come, and
// put in the chosen order once the folder is read.
bool DemoLibrary::ReadSome() {
  if (next_ >= names_.size()) {
    Skip(cache_->Save());
    window_.prgReading.SetVisible(false);
    ShowRows();
    return false;
  }
  listed_.push_back(reader_->Read(folder_, names_[next_++]));
  if (Passes(listed_.back())) {
    shown_.push_back(listed_.back());
    window_.lvwDemos.AddRow(Cells(listed_.back()));
  }
  ShowProgress();
  return true;
}

// The bar is drawn when its percentage changes, not for every file.
void DemoLibrary::ShowProgress() {
  const std::size_t total = names_.size();
  window_.lblStatus.SetCaption(
      Caption(slot::kDemosReading, {std::to_string(next_), std::to_string(total)}));
  const int percent = total ? static_cast<int>(next_ * 100 / total) : 100;
  if (next_ > 0 && percent == window_.prgReading.Value()) return;
  window_.prgReading.SetValue(percent);
  window_.prgReading.Refresh();
}

void DemoLibrary::ShowSummary() {
  std::size_t demos = 0, playable = 0;
  for (const ListedDemo& demo : listed_) {
    if (demo.kind != ListedDemo::Kind::Demo) continue;
    ++demos;
    if (LacksOf(demo).empty()) ++playable;
  }
  window_.lblStatus.SetCaption(
      Caption(slot::kDemosSummary,
              {std::to_string(listed_.size()), std::to_string(demos), std::to_string(playable)}));
}

std::string DemoLibrary::PlaysHere(const ListedDemo& demo) {
  std::vector<std::string> lacks;
  for (const Lack lack : LacksOf(demo)) {
    switch (lack) {
      case Lack::NotADemo: lacks.push_back(Caption(slot::kDemosNotADemo)); break;
      case Lack::Unreadable: lacks.push_back(Caption(slot::kDemosUnreadable)); break;
      case Lack::GameNotSetUp: lacks.push_back(Caption(slot::kDemosGameNotSetUp)); break;
      case Lack::ReleaseNotStored:
        lacks.push_back(Caption(slot::kDemosReleaseMissing, {demo.release->version}));
        break;
      case Lack::Mod: lacks.push_back(Caption(slot::kDemosModMissing, {demo.needs.mod})); break;
      case Lack::Map: lacks.push_back(Caption(slot::kDemosMapMissing, {demo.needs.map})); break;
    }
  }
  std::string words;
  for (const std::string& lack : lacks) words += (words.empty() ? "" : "; ") + lack;
  return words.empty() ? Caption(slot::kDemosYes) : words;
}

std::vector<std::string> DemoLibrary::Cells(const ListedDemo& demo) {
  const bool reading = demo.kind == ListedDemo::Kind::Demo;
  return {demo.name,
          demo.game ? demo.game->name : "",
          demo.release ? demo.release->version : "",
          reading ? demo.needs.mod : "",
          reading ? demo.needs.map : "",
          PlayersOf(demo),
          Length(demo.length),
          Size(demo.size),
          demo.written ? Date(program_.platform.system.LocalTimeOf(demo.written)) : "",
          PlaysHere(demo)};
}

std::optional<GameCode> DemoLibrary::ChosenGame() const {
  const int chosen = window_.comGame.Selected();
  const auto& games = Games();
  if (chosen <= 0 || static_cast<std::size_t>(chosen) > games.size()) return std::nullopt;
  return games[static_cast<std::size_t>(chosen) - 1]->code;
}

bool DemoLibrary::Passes(const ListedDemo& demo) const {
  return DemoMatches(demo, ChosenGame(), window_.txtFilter.Text());
}

// The selected demo stays selected in its new place.
void DemoLibrary::ShowRows() {
  const int selected = window_.lvwDemos.Selected();
  const std::string name = selected >= 0 && static_cast<std::size_t>(selected) < shown_.size()
                               ? shown_[selected].name
                               : "";
  shown_ = SortedDemos(FilteredDemos(listed_, ChosenGame(), window_.txtFilter.Text()), column_,
                       descending_);
  ui::TableControl& list = window_.lvwDemos;
  list.Clear();
  int reselect = -1;
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    list.AddRow(Cells(shown_[i]));
    if (shown_[i].name == name) reselect = static_cast<int>(i);
  }
  list.Select(reselect);
  if (next_ >= names_.size()) ShowSummary();
}

// A second click on the same header reverses the order.
void DemoLibrary::SortBy(int column) {
  if (column < 0 || static_cast<std::size_t>(column) >= kColumnCount) return;
  const auto chosen = static_cast<DemoColumn>(column);
  descending_ = chosen == column_ ? !descending_ : false;
  column_ = chosen;
  window_.lvwDemos.ShowSorted(column, descending_);
  if (next_ >= names_.size()) ShowRows();
}

// The same plan and driver as a double-click in Explorer; the reading waits meanwhile, and
// the list comes back as it was.
void DemoLibrary::PlaySelected() {
  const int selected = window_.lvwDemos.Selected();
  if (selected < 0 || static_cast<std::size_t>(selected) >= shown_.size()) {
    window_.lblStatus.SetCaption(Caption(slot::kDemosNoDemoChosen));
    return;
  }
  const ListedDemo demo = shown_[static_cast<std::size_t>(selected)];
  if (demo.kind != ListedDemo::Kind::Demo) {
    window_.lblStatus.SetCaption(demo.name + ": " + PlaysHere(demo));
    return;
  }
  const bool reading = next_ < names_.size();
  window_.WhileIdle(nullptr);
  window_.Hide();
  try {
    program_.demoPath = DemoPathOf(program_, folder_ + "\\" + demo.name);
    // The run's exit code is kept in the program's, which the library ends with.
    static_cast<void>(DispatchDemo(program_, Games()));
  } catch (const RaisedFailure& raised) {
    ReportError(program_, raised.failure());
  }
  if (program_.frmSplash.created()) program_.frmSplash.window.Hide();
  window_.Show();
  window_.lvwDemos.Select(selected);
  if (reading) window_.WhileIdle([this] { return ReadSome(); });
}

void DemoLibrary::Browse() {
  auto chosen = program_.platform.dialogs.BrowseForFolder(&window_.handle(),
                                                          Caption(slot::kDemosBrowseTitle));
  if (!chosen || chosen->empty()) return;
  window_.txtFolder.SetCaption(*chosen);
  ReadFolder();
}

// What the user chose is kept for the next time.
void DemoLibrary::Close() {
  window_.WhileIdle(nullptr);
  if (cache_) Skip(cache_->Save());
  Skip(WriteSetting(program_, setting::kDemoFolder, window_.txtFolder.Text()));
  Skip(WriteSetting(program_, setting::kDemoSubfolders,
                    window_.chkSubfolders.Value() == 1 ? "1" : "0"));
  std::string widths;
  for (const int width : window_.lvwDemos.ColumnWidths())
    widths += (widths.empty() ? "" : ",") + std::to_string(width);
  if (!widths.empty()) Skip(WriteSetting(program_, setting::kDemoColumns, widths));
  window_.Hide();
  if (!fromMainWindow_) program_.End();
  program_.frmDemPla.SetEnabled(true);
  program_.frmDemPla.Show();
}

void OpenDemoLibrary(Program& program, const std::string& folder, bool fromMainWindow) {
  if (!program.library) program.library = std::make_shared<DemoLibrary>(program);
  program.library->Open(folder, fromMainWindow);
}

bool DemoLibraryVisible(const Program& program) {
  return program.library && program.library->Visible();
}

}  // namespace kalv
