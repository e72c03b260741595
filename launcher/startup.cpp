#include "launcher/startup.h"

#include <string>

#include "core/contracts.h"
#include "core/restore_journal.h"
#include "core/run_log.h"
#include "games/game_table.h"
#include "games/setting_names.h"
#include "launcher/about_actions.h"
#include "launcher/advanced_actions.h"
#include "launcher/base/choices.h"
#include "launcher/base/localized.h"
#include "launcher/base/messages.h"
#include "launcher/base/settings.h"
#include "launcher/base/texts.h"
#include "launcher/demo_library.h"
#include "launcher/dispatch.h"
#include "launcher/game_windows.h"
#include "launcher/language_actions.h"
#include "launcher/main_window_actions.h"
#include "launcher/options_actions.h"
#include "launcher/pending_runs.h"
#include "launcher/resume_load.h"
#include "platform/files.h"
#include "ui/text_ids.h"

namespace kalv {

namespace {

// Without the path box's change: the folder is looked at when a window shows what was
// found there (ResumeLoad), which a demo that plays never needs.
void SetDirectory(Program& program, const Game& game, const std::string& dir) {
  program.choices.dir(game.code) = dir;
  ShowFolder(program, game.code, dir);
}

void ShowUserName(Program& program) {
  ui::Label& label = program.frmSplash.lblUserName;
  auto name = program.platform.system.UserName();
  label.SetCaption(name && !name.value().empty() ? name.value() : std::string());
  label.Refresh();
}

// Discovery runs on the very first run only, for the games with an installer entry; an
// entry that is missing is stored as "".
void DiscoverOnFirstRun(Program& program) {
  if (!ReadSetting(program, setting::kFirstTimeRun, "").empty()) return;
  for (const Game* game : Games()) {
    if (!*game->installerKey) continue;
    SetDirectory(
        program, *game,
        ReadRegistryString(program.platform.registry, game->installerKey, game->installerValue));
  }
  for (const Game* game : Games())
    if (*game->installerKey)
      Skip(WriteSetting(program, game->dirSetting, program.choices.dir(game->code)));
  Skip(WriteSetting(program, setting::kFirstTimeRun, "True"));
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Double quotes cannot occur in a Windows file name, so a command line that is exactly one
// quoted path ("Open with", a shortcut, a script) names that path.
std::string Unquoted(const std::string& line) {
  if (line.size() >= 2 && line.front() == '"' && line.find('"', 1) == line.size() - 1)
    return line.substr(1, line.size() - 2);
  return line;
}

// The directory before the last backslash is normalised by the platform. "E:" alone (a
// demo in a drive root) would name the current folder of drive E, so the root is asked
// for. A drive root comes back as "c:\"; the demo path takes "c:" of it so that joining
// with "\" never doubles the backslash.
std::string NormalisedDemoPath(Program& program, const std::string& commandLine) {
  const std::size_t slash = commandLine.rfind('\\');
  if (slash == std::string::npos) Raise(err::kInvalidCall);
  std::string folder = commandLine.substr(0, slash);
  if (folder.empty() || (folder.size() == 2 && folder[1] == ':')) folder += '\\';
  std::string dir = OrRaise(program.platform.files.FullDirectoryPath(folder));
  if (!dir.empty() && dir.back() == '\\') dir = dir.substr(0, 2);
  return AsciiLower(dir + "\\" + commandLine.substr(slash + 1));
}

// The command line opens the main window: it is empty or holds the marker.
bool NamesNoDemo(const Program& program) {
  const std::string line = Trimmed(program.commandLine);
  return line.empty() || line.find(contract::kOpenProgramMarker) != std::string::npos;
}

// A folder instead of a demo opens the demo library on it ("Open with" on a folder).
std::optional<int> ReadCommandLineAndDispatch(Program& program, const GameTable& games) {
  const std::string named = Unquoted(Trimmed(program.commandLine));
  if (!NamesNoDemo(program) && program.platform.files.DirectoryExists(named)) {
    OpenDemoLibrary(program, named, false);
    return std::nullopt;
  }
  program.demoPath = DemoPathOf(program, program.commandLine);
  if (program.demoPath.empty()) {
    ResumeLoad(program);
    return std::nullopt;
  }
  return DispatchDemo(program, games);
}

// Permission denied still opens the main window; any other failure ends the run.
std::optional<int> HandleStartupFailure(Program& program, const Failure& failure) {
  if (failure.number != err::kPermissionDenied) {
    ReportError(program, failure);
    return program.exitCode;
  }
  if (const auto text = Localized(program, ids::kDeniedText, 2))
    program.platform.dialogs.MessageBox(*text, *Localized(program, ids::kDeniedTitle, 2),
                                        Icon::Critical, Buttons::Ok);
  ResumeLoad(program);
  return std::nullopt;
}

}  // namespace

std::string DemoPathOf(Program& program, const std::string& rawCommandLine) {
  const std::string commandLine = AsciiLower(rawCommandLine);
  if (commandLine.empty() || commandLine.find(contract::kOpenProgramMarker) != std::string::npos)
    return "";
  return NormalisedDemoPath(program, Unquoted(commandLine));
}

void SetSplashCaptions(Program& program, int language) {
  if (!IsLanguage(language)) return;
  ui::SplashWindow& s = program.frmSplash;
  auto caption = [&](int slot) {
    return LoadText(program, ids::kCaptions + slot + 100 * language);
  };
  s.lblCompany.SetCaption(caption(slot::kSplashCompany));
  s.lblCopyright.SetCaption(caption(slot::kSplashCopyright));
  s.lblEmail.SetCaption(caption(slot::kSplashEmail));
  s.lblICQ.SetCaption(caption(slot::kSplashICQ));
  s.lblLicensedto.SetCaption(caption(slot::kSplashLicensedTo));
  s.lblUserName.SetCaption("");
  s.lblPlatform.SetCaption(caption(slot::kSplashPlatform));
  s.lblStatus0Label1.SetCaption(caption(slot::kSplashStatusLabel));
  s.lblStatus1.SetCaption(caption(slot::kSplashLoading));
  s.lblVersion.SetCaption(caption(slot::kSplashVersion));
}

// Closing the splash window ends the program: nothing else is open at that time.
void ShowSplash(Program& program) {
  ui::SplashWindow& s = program.frmSplash;
  if (!s.created()) {
    s.Create(program.platform.windows);
    s.window.close = [&program] { program.End(); };
  }
  SetSplashCaptions(program, program.Language());
  s.window.Show();
  s.window.Refresh();
}

void CreateWindows(Program& program) {
  Platform& platform = program.platform;
  program.frmSplash.Create(platform.windows);
  program.frmSplash.window.close = [&program] { program.End(); };
  program.frmOptions.Create(platform.windows, platform.files);
  program.frmDemPla.Create(platform.windows);
  program.frmAdvanced.Create(platform.windows);
  program.frmAbout.Create(platform.windows);
  WireMainWindow(program);
  WireOptionsWindow(program);
  WireAdvancedWindow(program);
  WireAboutWindow(program);
}

// Up to the command line every step stands on its own: the detections and settings
// report nothing. From the command line on, a failure goes to the start-up handling.
std::optional<int> LoadKalvenmarque(Program& program, const GameTable& games) {
  if (program.platform.system.AnotherInstanceRunning()) return 0;
  program.Mark("begin");
  // The replay speaks the user's language. What it cannot finish is put to the user when
  // the main window opens; a demo asks about its own game only, when it plays.
  program.choices = LoadChoices(program);
  ReplayInterruptedRuns(program, NamesNoDemo(program));
  program.Mark("replay");
  CreateWindows(program);
  program.Mark("windows");
  ShowLanguage(program);
  LoadMainWindow(program);
  program.Mark("release store");
  LanguageChange(program, true);
  program.Mark("captions and detection");
  program.frmSplash.window.Show();
  program.Mark("splash window");
  program.frmSplash.window.Refresh();
  ShowUserName(program);
  program.Mark("splash paint");
  Skip(WriteSetting(program, setting::kPath, program.platform.system.ProgramDirectory()));
  for (const Game* game : Games())
    SetDirectory(program, *game, ReadSetting(program, game->dirSetting, ""));
  DiscoverOnFirstRun(program);
  program.Mark("settings");
  try {
    return ReadCommandLineAndDispatch(program, games);
  } catch (const RaisedFailure& raised) {
    return HandleStartupFailure(program, raised.failure());
  }
}

// A run whose start-up left no window open has nothing more to wait for.
int RunKalvenmarque(Platform& platform) {
  if (platform.system.AnotherInstanceRunning())
    return AsciiLower(Trimmed(platform.system.CommandLine())) == kRestoreSwitch ? 1 : 0;
  Program program(platform);
  if (AsciiLower(Trimmed(program.commandLine)) == kRestoreSwitch) {
    const Replay outcome = ReplayInterruptedRuns(program, false);
    return outcome == Replay::GameRunning || outcome == Replay::Unfinished ? 1 : 0;
  }
  if (const auto ended = LoadKalvenmarque(program)) return *ended;
  if (!program.frmDemPla.Visible() && !DemoLibraryVisible(program)) return program.exitCode;
  platform.processes.RunMessageLoop();
  return program.exitCode;
}

}  // namespace kalv
