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

namespace kalv::ui {

// The tab captions, in tab order; never translated.
extern const std::array<const char*, 6> kOptionTabs;
// The language list's entries: index 0 English, 1 German, 2 Afrikaans.
extern const std::array<const char*, 3> kLanguages;
// The mod label while no mod is chosen.
extern const char* const kNoMod;

struct frmOptions : Window {
  TabStrip TabStrip1;
  Frame fraQ3A, fraQ2, fraQ1, fraHL, fraSTVEF, fraUT;
  TextBox txtQ3APath, txtQ2Path, txtQ1Path, txtHLPath, txtSTVEFPath, txtUTPath;
  Label lblQ3A, lblQ2, lblQ1, lblHL, lblSTVEF, lblUT;
  Button cmdBrowseQ3A, cmdBrowseQ2, cmdBrowseQ1, cmdBrowseHL, cmdBrowseSTVEF, cmdBrowseUT;
  Frame fraQ3AStatus, fraQ2Status, fraQ1Status, fraHLStatus, fraSTVEFStatus, fraUTStatus;
  Label lblQ3AStatus, lblQ2Status, lblQ1Status, lblHLStatus, lblSTVEFStatus, lblUTStatus;
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

  // Shows the frame of the selected tab and hides the other five.
  void ShowSelectedTab();
};

}  // namespace kalv::ui
