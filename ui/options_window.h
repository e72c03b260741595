// frmOptions, the options window: the six game directories, the Quake 3 and Elite Force
// mods, the Quake 1 executable, the Unreal Tournament playback options and the language.
// Built from dialog template IDD_OPTIONS. It shows the program's choices and edits them:
// they are copied in when it opens and out on OK or the close box; it holds none itself.
//
// Controls and their kinds:
//   TabStrip1                                    tab strip, the six game names
//   fraQ3A, fraQ2, fraQ1, fraHL, fraSTVEF, fraUT frames, one per tab; one visible
//   txtQ3APath ... txtUTPath                     edit boxes (one line)
//   lblQ3A ... lblUT                             labels (path captions)
//   cmdBrowseQ3A ... cmdBrowseUT                 buttons
//   fraQ3AStatus ... fraUTStatus                 frames around the status labels
//   lblQ3AStatus ... lblUTStatus                 labels
//   chkModQ3A, chkModSTVEF                       check boxes
//   cmdBrowseQ3A_Mod, cmdBrowseSTVEF_Mod         buttons
//   lblModQ3A, lblModSTVEF                       labels (" /" while no mod is chosen)
//   lblModNameQ3A, lblModNameSTVEF               labels
//   lstQ1                                        list box, shows the file list lstQ1Files
//   lblQ1_exe                                    label
//   chkUT_nfc, chkUT_tb, chkUT_3rd               check boxes
//   Frame1                                       frame
//   lblLanguage                                  label
//   comLanguage                                  drop-down list
//   cmdAdvanced, cmdOk                           buttons
// Each frame of a game holds that game's path, browse, status and option controls.
#pragma once

#include <array>
#include <string>

#include "platform/files.h"
#include "platform/windows.h"
#include "ui/controls.h"
#include "ui/file_list.h"
#include "ui/resource.h"

namespace kalv::ui {

// The controls of one game's page: its frame, folder, browse button and status.
struct GamePage {
  Frame& frame;
  Label& pathLabel;
  TextBox& path;
  Button& browse;
  Frame& statusFrame;
  Label& status;
};
// The pages by the order of the table of games (kGamePageRows).
namespace page {
constexpr std::size_t kQ3A = 0, kHL = 1, kSTVEF = 2, kQ1 = 3, kQ2 = 4, kUT = 5;
}  // namespace page

// The language list's entries: index 0 English, 1 German, 2 Afrikaans.
extern const std::array<const char*, 3> kLanguages;
// The mod label while no mod is chosen.
extern const char* const kNoMod;

struct frmOptions : Window {
  TabStrip TabStrip1;
  // Each game's page, one per row of kGamePageRows.
  std::array<Frame, kGamePages> fraGame;
  std::array<Label, kGamePages> lblPath;
  std::array<TextBox, kGamePages> txtPath;
  std::array<Button, kGamePages> cmdBrowse;
  std::array<Frame, kGamePages> fraStatus;
  std::array<Label, kGamePages> lblStatus;
  // The pages' controls by their documented names.
  Frame &fraQ3A = fraGame[page::kQ3A], &fraQ2 = fraGame[page::kQ2], &fraQ1 = fraGame[page::kQ1],
        &fraHL = fraGame[page::kHL], &fraSTVEF = fraGame[page::kSTVEF], &fraUT = fraGame[page::kUT];
  TextBox &txtQ3APath = txtPath[page::kQ3A], &txtQ2Path = txtPath[page::kQ2],
          &txtQ1Path = txtPath[page::kQ1], &txtHLPath = txtPath[page::kHL],
          &txtSTVEFPath = txtPath[page::kSTVEF], &txtUTPath = txtPath[page::kUT];
  Label &lblQ3A = lblPath[page::kQ3A], &lblQ2 = lblPath[page::kQ2], &lblQ1 = lblPath[page::kQ1],
        &lblHL = lblPath[page::kHL], &lblSTVEF = lblPath[page::kSTVEF], &lblUT = lblPath[page::kUT];
  Button &cmdBrowseQ3A = cmdBrowse[page::kQ3A], &cmdBrowseQ2 = cmdBrowse[page::kQ2],
         &cmdBrowseQ1 = cmdBrowse[page::kQ1], &cmdBrowseHL = cmdBrowse[page::kHL],
         &cmdBrowseSTVEF = cmdBrowse[page::kSTVEF], &cmdBrowseUT = cmdBrowse[page::kUT];
  Frame &fraQ3AStatus = fraStatus[page::kQ3A], &fraQ2Status = fraStatus[page::kQ2],
        &fraQ1Status = fraStatus[page::kQ1], &fraHLStatus = fraStatus[page::kHL],
        &fraSTVEFStatus = fraStatus[page::kSTVEF], &fraUTStatus = fraStatus[page::kUT];
  Label &lblQ3AStatus = lblStatus[page::kQ3A], &lblQ2Status = lblStatus[page::kQ2],
        &lblQ1Status = lblStatus[page::kQ1], &lblHLStatus = lblStatus[page::kHL],
        &lblSTVEFStatus = lblStatus[page::kSTVEF], &lblUTStatus = lblStatus[page::kUT];
  CheckBox chkModQ3A, chkModSTVEF;
  Button cmdBrowseQ3A_Mod, cmdBrowseSTVEF_Mod;
  Label lblModQ3A, lblModSTVEF;
  Label lblModNameQ3A, lblModNameSTVEF;
  ListControl lstQ1Box;  // the visible list box of lstQ1
  FileList lstQ1{"*.exe"};
  Label lblQ1_exe;
  CheckBox chkUT_nfc, chkUT_tb, chkUT_3rd;
  Frame Frame1;
  Label lblLanguage;
  ComboBox comLanguage;
  Button cmdAdvanced;
  Button cmdOk;

  void Create(WindowFactory& factory, Files& files);

  // The page of game index, in the order of the table of games.
  GamePage Page(std::size_t index);

  // Shows the page of the selected tab and hides the others.
  void ShowSelectedTab();
};

}  // namespace kalv::ui
