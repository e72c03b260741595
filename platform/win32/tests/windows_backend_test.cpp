// Dialog windows from templates: control handles talk to the real controls, and the
// window procedure turns the user's actions (simulated with the messages Windows sends)
// into the portable events.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/deferred_window.h"
#include "platform/win32/scaled_pictures.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_windows.h"
#include "platform/win32/windows_api.h"
#include "platform/win32/tests/test_dialog_ids.h"
#include "ui/resource.h"

#include <commctrl.h>

namespace kalv::win32 {
namespace {

class Win32WindowsTest : public ::testing::Test {
 protected:
  void SetUp() override { window_ = factory_.CreateWindowFromTemplate(IDD_BACKEND_TEST); }

  HWND Dialog() const { return reinterpret_cast<HWND>(window_->Native()); }
  HWND Child(int id) const { return GetDlgItem(Dialog(), id); }
  // What Windows sends the dialog when the user acts on a control.
  void Notify(int id, int code) {
    SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Child(id)));
  }
  int Counter(int id, Event event) {
    auto count = std::make_shared<int>(0);
    window_->OnEvent(id, event, [count] { ++*count; });
    counters_.push_back(count);
    return static_cast<int>(counters_.size() - 1);
  }
  int Count(int counter) const { return *counters_[counter]; }

  Win32WindowFactory factory_;
  std::unique_ptr<WindowHandle> window_;
  std::vector<std::shared_ptr<int>> counters_;
};

TEST_F(Win32WindowsTest, WindowsStartHiddenAndShowAndHideOnRequest) {
  ASSERT_TRUE(IsWindow(Dialog()));
  EXPECT_FALSE(window_->Visible());
  window_->SetVisible(true);
  EXPECT_TRUE(window_->Visible());
  EXPECT_TRUE(IsWindowVisible(Dialog()));
  window_->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(Dialog()));
  window_->SetText("Kalvenmarque v1.2.0 \xC3\xBC");
  EXPECT_EQ(window_->Text(), "Kalvenmarque v1.2.0 \xC3\xBC");
}

TEST_F(Win32WindowsTest, AControlKeepsItsOwnVisibilityWhileItsWindowIsHidden) {
  ControlHandle& button = window_->Control(IDC_TEST_BUTTON);
  EXPECT_TRUE(button.Visible());
  button.SetVisible(false);
  EXPECT_FALSE(button.Visible());
  EXPECT_FALSE(IsWindowVisible(Child(IDC_TEST_BUTTON)) &&
               (GetWindowLongPtrW(Child(IDC_TEST_BUTTON), GWL_STYLE) & WS_VISIBLE));
  button.SetEnabled(false);
  EXPECT_FALSE(button.Enabled());
  EXPECT_FALSE(IsWindowEnabled(Child(IDC_TEST_BUTTON)));
}

TEST_F(Win32WindowsTest, TheProgramsOwnTextChangeIsNotTheUsers) {
  const int change = Counter(IDC_TEST_EDIT, Event::Change);
  ControlHandle& edit = window_->Control(IDC_TEST_EDIT);
  edit.SetText("C:\\Spiele\\Quake III \xC3\xA4");
  EXPECT_EQ(edit.Text(), "C:\\Spiele\\Quake III \xC3\xA4");
  EXPECT_EQ(Count(change), 0);
  // Typing changes the text without the program: the change event runs once.
  SendMessageW(Child(IDC_TEST_EDIT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"C:\\Games"));
  EXPECT_EQ(Count(change), 1);
  EXPECT_EQ(edit.Text(), "C:\\Games");
}

TEST_F(Win32WindowsTest, ButtonsCheckBoxesAndNotifyingLabelsClick) {
  const int button = Counter(IDC_TEST_BUTTON, Event::Click);
  const int label = Counter(IDC_TEST_LABEL, Event::Click);
  int checkedInHandler = -1;
  ControlHandle& check = window_->Control(IDC_TEST_CHECK);
  window_->OnEvent(IDC_TEST_CHECK, Event::Click, [&] { checkedInHandler = check.Value(); });

  SendMessageW(Child(IDC_TEST_BUTTON), BM_CLICK, 0, 0);
  EXPECT_EQ(Count(button), 1);
  // The check box has its new state by the time its click runs.
  SendMessageW(Child(IDC_TEST_CHECK), BM_CLICK, 0, 0);
  EXPECT_EQ(checkedInHandler, 1);
  EXPECT_EQ(check.Value(), 1);
  // Setting the value from the program does not click.
  checkedInHandler = -1;
  check.SetValue(0);
  EXPECT_EQ(check.Value(), 0);
  EXPECT_EQ(checkedInHandler, -1);

  Notify(IDC_TEST_LABEL, STN_CLICKED);
  EXPECT_EQ(Count(label), 1);
  Notify(IDC_TEST_LABEL, STN_DBLCLK);  // code 1 is not a selection change for a label
  EXPECT_EQ(Count(label), 1);
}

TEST_F(Win32WindowsTest, DropDownAndListItemsAndTheUsersSelection) {
  for (int id : {IDC_TEST_COMBO, IDC_TEST_LIST}) {
    SCOPED_TRACE(id);
    const int click = Counter(id, Event::Click);
    ControlHandle& list = window_->Control(id);
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_EQ(list.Selection(), -1);
    list.AddItem("English");
    list.AddItem("Deutsch \xC3\xBC");
    list.AddItem("Afrikaans");
    EXPECT_EQ(list.ItemCount(), 3);
    EXPECT_EQ(list.Item(1), "Deutsch \xC3\xBC");
    EXPECT_EQ(list.Item(3), "");
    EXPECT_EQ(list.Item(-1), "");
    list.SetSelection(2);
    EXPECT_EQ(list.Selection(), 2);
    EXPECT_EQ(Count(click), 0);
    Notify(id, CBN_SELCHANGE);  // the same code as LBN_SELCHANGE
    EXPECT_EQ(Count(click), 1);
    list.SetSelection(-1);
    EXPECT_EQ(list.Selection(), -1);
    list.ClearItems();
    EXPECT_EQ(list.ItemCount(), 0);
  }
}

TEST_F(Win32WindowsTest, TabStripTabsValueAndTheUsersChange) {
  const int click = Counter(IDC_TEST_TAB, Event::Click);
  ControlHandle& tabs = window_->Control(IDC_TEST_TAB);
  for (const char* name : {"Quake 3 Arena", "Elite Force", "Half-Life"}) tabs.AddItem(name);
  EXPECT_EQ(tabs.ItemCount(), 3);
  EXPECT_EQ(tabs.Item(2), "Half-Life");
  tabs.SetValue(1);
  EXPECT_EQ(tabs.Value(), 1);
  EXPECT_EQ(tabs.Selection(), 1);
  EXPECT_EQ(Count(click), 0);
  NMHDR header{};
  header.hwndFrom = Child(IDC_TEST_TAB);
  header.idFrom = IDC_TEST_TAB;
  header.code = TCN_SELCHANGE;
  SendMessageW(Dialog(), WM_NOTIFY, IDC_TEST_TAB, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(Count(click), 1);
}

TEST_F(Win32WindowsTest, TheCloseBoxReportsAndTheWindowStays) {
  const int close = Counter(0, Event::Close);
  SendMessageW(Dialog(), WM_CLOSE, 0, 0);
  EXPECT_EQ(Count(close), 1);
  EXPECT_TRUE(IsWindow(Dialog()));
  // Without a handler the close box does nothing at all.
  window_->OnEvent(0, Event::Close, nullptr);
  SendMessageW(Dialog(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(Dialog()));
}

TEST_F(Win32WindowsTest, AnExceptionInAHandlerStopsAtTheWindowProcedure) {
  window_->OnEvent(IDC_TEST_BUTTON, Event::Click, [] { throw std::runtime_error("handler"); });
  const int label = Counter(IDC_TEST_LABEL, Event::Click);
  SendMessageW(Child(IDC_TEST_BUTTON), BM_CLICK, 0, 0);
  Notify(IDC_TEST_LABEL, STN_CLICKED);
  EXPECT_EQ(Count(label), 1);
}

TEST_F(Win32WindowsTest, AHandlerMayReplaceItselfWhileItRuns) {
  int second = 0;
  window_->OnEvent(IDC_TEST_BUTTON, Event::Click,
                   [&] { window_->OnEvent(IDC_TEST_BUTTON, Event::Click, [&] { ++second; }); });
  SendMessageW(Child(IDC_TEST_BUTTON), BM_CLICK, 0, 0);
  EXPECT_EQ(second, 0);
  SendMessageW(Child(IDC_TEST_BUTTON), BM_CLICK, 0, 0);
  EXPECT_EQ(second, 1);
}

TEST_F(Win32WindowsTest, AnIdTheTemplateLacksIsReported) {
  EXPECT_THROW(window_->Control(4242), std::out_of_range);
  EXPECT_THROW(factory_.CreateWindowFromTemplate(4242), std::runtime_error);
}

// Everything the portable side may ask of a window and its controls. Which controls a
// hidden frame hides only the made window can tell, so a control's visibility is asked
// only when made is true.
std::string Answers(WindowHandle& w, bool made) {
  std::string all = w.Text() + "|" + std::to_string(w.Enabled()) + std::to_string(w.Visible());
  for (int id : {IDC_TEST_EDIT, IDC_TEST_CHECK, IDC_TEST_COMBO, IDC_TEST_LIST, IDC_TEST_TAB,
                 IDC_TEST_BUTTON, IDC_TEST_LABEL}) {
    ControlHandle& c = w.Control(id);
    all += "\n" + std::to_string(id) + ": " + std::to_string(c.Enabled()) + " " +
           std::to_string(c.Value()) + " " + std::to_string(c.ItemCount()) + " [" + c.Item(0) +
           "][" + c.Item(1) + "][" + c.Item(5) + "] " + std::to_string(c.Selection());
    const bool list = id == IDC_TEST_COMBO || id == IDC_TEST_LIST || id == IDC_TEST_TAB;
    if (!list || made) all += " text " + c.Text();
    if (made) all += " visible " + std::to_string(c.Visible());
  }
  return all;
}

// Under Wine each control made costs about a millisecond, so a window is made only when
// it is needed. Until then it answers as a window made at once, without being made; once
// made it holds everything set before, in order.
TEST(Win32DeferredWindows, AnswerAsAWindowMadeAtOnceAndAreMadeOnlyWhenShown) {
  Win32WindowFactory factory;
  auto later = factory.CreateWindowFromTemplate(IDD_BACKEND_TEST);
  auto now = factory.CreateWindowFromTemplate(IDD_BACKEND_TEST);
  now->Native();
  auto made = [&] { return dynamic_cast<DeferredWindow&>(*later).made(); };
  const std::vector<std::function<void(WindowHandle&)>> steps = {
      [](WindowHandle&) {},
      [](WindowHandle& w) { w.SetText("Optionen \xC3\xBC"); },
      [](WindowHandle& w) { w.Control(IDC_TEST_EDIT).SetText("C:\\Spiele\\Quake III"); },
      [](WindowHandle& w) { w.Control(IDC_TEST_LABEL).SetText(std::string("cut\0off", 7)); },
      [](WindowHandle& w) { w.Control(IDC_TEST_CHECK).SetValue(1); },
      [](WindowHandle& w) { w.Control(IDC_TEST_BUTTON).SetValue(1); },
      [](WindowHandle& w) { w.Control(IDC_TEST_BUTTON).SetEnabled(false); },
      [](WindowHandle& w) { w.Control(IDC_TEST_BUTTON).SetVisible(false); },
      [](WindowHandle& w) {
        for (const char* item : {"English", "Deutsch \xC3\xBC", "Afrikaans"}) {
          w.Control(IDC_TEST_COMBO).AddItem(item);
          w.Control(IDC_TEST_LIST).AddItem(item);
        }
      },
      [](WindowHandle& w) { w.Control(IDC_TEST_COMBO).SetSelection(2); },
      [](WindowHandle& w) { w.Control(IDC_TEST_LIST).SetSelection(1); },
      [](WindowHandle& w) { w.Control(IDC_TEST_COMBO).SetSelection(-1); },
      [](WindowHandle& w) { w.Control(IDC_TEST_LIST).ClearItems(); },
      [](WindowHandle& w) {
        for (const char* tab : {"Quake 3 Arena", "Half-Life", "Quake 2"})
          w.Control(IDC_TEST_TAB).AddItem(tab);
        w.Control(IDC_TEST_TAB).SetValue(2);
      },
      [](WindowHandle& w) { w.SetEnabled(false); },
      [](WindowHandle& w) { w.SetVisible(false); },
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    steps[i](*later);
    steps[i](*now);
    EXPECT_EQ(Answers(*later, false), Answers(*now, false)) << "step " << i;
    EXPECT_FALSE(made()) << "answering made the window, step " << i;
  }
  later->SetVisible(true);
  now->SetVisible(true);
  EXPECT_TRUE(made());
  EXPECT_EQ(Answers(*later, true), Answers(*now, true));
  HWND edit = GetDlgItem(reinterpret_cast<HWND>(later->Native()), IDC_TEST_EDIT);
  EXPECT_EQ(WindowText(edit), "C:\\Spiele\\Quake III") << "the text reached the made control";
}

TEST_F(Win32WindowsTest, DiscardingTheWindowDestroysIt) {
  const HWND hwnd = Dialog();
  window_.reset();
  EXPECT_FALSE(IsWindow(hwnd));
}

// The main program's splash template: every control the splash code binds, the bar
// hidden until a copy runs, with its 0-100 range.
TEST(SplashTemplate, HasItsControlsAndAHiddenProgressBar) {
  Win32WindowFactory factory;
  auto splash = factory.CreateWindowFromTemplate(IDD_SPLASH);
  for (int id = IDC_SPLASH_PICSPLASH; id <= IDC_SPLASH_PROGRESSBAR; ++id)
    EXPECT_NO_THROW(splash->Control(id)) << id;
  ControlHandle& bar = splash->Control(IDC_SPLASH_PROGRESSBAR);
  EXPECT_FALSE(bar.Visible());
  bar.SetValue(41);
  EXPECT_EQ(bar.Value(), 41);
  bar.SetValue(100);
  EXPECT_EQ(bar.Value(), 100);
  ControlHandle& user = splash->Control(IDC_SPLASH_LBLUSERNAME);
  user.SetText("J\xC3\xBCrgen");
  EXPECT_EQ(user.Text(), "J\xC3\xBCrgen");
  user.Repaint();
  EXPECT_EQ(user.Text(), "J\xC3\xBCrgen");
}

// Each banner comes drawn for 150 % and 200 % at that share of its size, and a window
// shows the one for its own display scale.
TEST(ScaledPictures, EveryBannerHasItsScalesAndTheWindowShowsItsOwn) {
  auto size = [](HBITMAP bitmap) {
    BITMAP info{};
    EXPECT_NE(GetObjectW(bitmap, sizeof info, &info), 0);
    return std::make_pair(static_cast<int>(info.bmWidth), static_cast<int>(info.bmHeight));
  };
  auto load = [](const std::string& name) {
    return static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), Wide(name).c_str(), IMAGE_BITMAP, 0, 0, 0));
  };
  const struct {
    int dialog;
    int picture;
    const char* name;
  } banners[] = {{IDD_SPLASH, IDC_SPLASH_PICSPLASH, "KALV_SPLASH"},
                 {IDD_MAIN, IDC_MAIN_PICWOW, "KALV_WOW"}};
  for (const auto& banner : banners) {
    HBITMAP base = load(banner.name);
    ASSERT_TRUE(base) << banner.name;
    const auto [width, height] = size(base);
    for (int dpi : {96, 144, 192}) {
      HBITMAP scaled = load(PictureForScale(banner.name, dpi));
      ASSERT_TRUE(scaled) << banner.name << " at " << dpi;
      const auto [w, h] = size(scaled);
      EXPECT_NEAR(w, width * dpi / 96, 1) << banner.name << " at " << dpi;
      EXPECT_NEAR(h, height * dpi / 96, 1) << banner.name << " at " << dpi;
      DeleteObject(scaled);
    }

    auto window = CreateDialogNow(banner.dialog);
    const HWND dialog = reinterpret_cast<HWND>(window->Native());
    const auto shown = reinterpret_cast<HBITMAP>(
        SendDlgItemMessageW(dialog, banner.picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_TRUE(shown) << banner.name;
    HBITMAP own = load(PictureForScale(banner.name, WindowDpi(dialog)));
    EXPECT_EQ(size(shown), size(own)) << banner.name << " at " << WindowDpi(dialog) << " DPI";
    DeleteObject(own);
    DeleteObject(base);
  }
}

}  // namespace
}  // namespace kalv::win32
