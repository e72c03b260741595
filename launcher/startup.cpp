#include "launcher/startup.h"

#include "launcher/functions.h"

namespace kalv {

namespace {

// Caption rows: slot k of language L is row 500 + k + 100·L.
constexpr int kCaptionBase = 500;
constexpr int kSlotCompany = 0;
constexpr int kSlotCopyright = 1;
constexpr int kSlotEmail = 2;
constexpr int kSlotICQ = 3;
constexpr int kSlotLicensedTo = 4;
constexpr int kSlotPlatform = 5;
constexpr int kSlotStatusLabel = 6;
constexpr int kSlotLoading = 7;
constexpr int kSlotVersion = 8;

}  // namespace

void SetSplashCaptions(Program& program, int language) {
  if (language < 0 || language > 2) return;
  SplashWindow& s = program.frmSplash;
  auto caption = [&](int slot) { return LoadText(program, kCaptionBase + slot + 100 * language); };
  s.lblCompany.SetCaption(caption(kSlotCompany));
  s.lblCopyright.SetCaption(caption(kSlotCopyright));
  s.lblEmail.SetCaption(caption(kSlotEmail));
  s.lblICQ.SetCaption(caption(kSlotICQ));
  s.lblLicensedto.SetCaption(caption(kSlotLicensedTo));
  s.lblUserName.SetCaption("");
  s.lblPlatform.SetCaption(caption(kSlotPlatform));
  s.lblStatus0Label1.SetCaption(caption(kSlotStatusLabel));
  s.lblStatus1.SetCaption(caption(kSlotLoading));
  s.lblVersion.SetCaption(caption(kSlotVersion));
}

// Closing the splash window is, for now, the only way out of the program.
void ShowSplash(Program& program) {
  SplashWindow& s = program.frmSplash;
  s.Create(program.platform.windows);
  s.window.close = [&program] { program.platform.system.EndProgram(); };
  SetSplashCaptions(program, 0);
  s.window.Show();
  s.window.Refresh();
  s.lblStatus1.SetCaption(LoadText(program, kCaptionBase + kSlotLoading));
  s.lblStatus1.Refresh();
}

int RunKalvenmarque(Platform& platform) {
  if (platform.system.AnotherInstanceRunning()) return 0;
  Program program(platform);
  ShowSplash(program);
  platform.processes.RunMessageLoop();
  return 0;
}

}  // namespace kalv
