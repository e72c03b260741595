#include "launcher/about_actions.h"

#include <string>

#include "ui/about_window.h"

namespace kalv {

namespace {

// A link the shell cannot open is ignored.
void Open(Program& program, const std::string& address) {
  Skip(program.platform.processes.ShellOpen(address, "", "", ShowMode::Normal));
}

void BackToMain(Program& program) {
  program.frmDemPla.SetEnabled(true);
  program.frmAbout.Hide();
  program.frmDemPla.Show();
}

}  // namespace

void WireAboutWindow(Program& program) {
  ui::frmAbout& about = program.frmAbout;
  Program* p = &program;
  about.lblEMail.click = [p] { Open(*p, std::string("mailto:") + ui::kMakerEmail); };
  about.lblWebSite.click = [p] { Open(*p, ui::kMakerWebSite); };
  about.cmdOK.click = [p] { BackToMain(*p); };
  about.close = [p] { BackToMain(*p); };
}

}  // namespace kalv
