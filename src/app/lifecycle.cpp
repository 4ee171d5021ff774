#include "app/lifecycle.h"

#include "app/report.h"
#include "core/gbk.h"
#include "core/settings_commands.h"

namespace app {

bool FormCreate(AppModel& model, const Platform& platform) {
  AppState& s = model.state;
  IMainForm& form = platform.form;
  return RunReported(platform.messages, [&] {
    s.StartupGuard = true;
    const Margins margins = MeasureMargins(form.WindowSize(), form.ListBoxRect());
    s.RightMargin = margins.right;
    s.BottomMargin = margins.bottom;
    if (const auto size = StartupScale(form.ScreenSize(), form.WindowSize())) {
      form.SetWindowHeight(size->cy);
      form.SetWindowWidth(size->cx);
    }
    s.StartupGuard = false;
    s.WriteFailed = false;
    form.HideStartupMenu();
    s.AppFolder = core::FolderOf(form.ExecutablePath());
    // At most 255 bytes, never ending in half a character.
    s.SoundFolder = core::CutGbk(s.AppFolder + "\\音效", kMaxSoundFolderBytes);
    s.SettingsPath = s.AppFolder + "\\set";
    s.WriteEnabled = false;
    const core::StepOutcome read = core::xiugaiproClick(s, platform.ProgramFiles());
    s.StartValue = s.CurrentValue;
    s.StartValueFound = read.valueFound;
    form.ShowCurrentPath(s.StartValue);
    s.LastBrowseFolder.clear();
    core::diaoruClick(model.list, model.options, s, platform.fs, platform.messages);
    form.ActivateSkin(s.AppFolder + kSkinFileRelative);
  });
}

void FormResize(AppModel& model, IMainForm& form) {
  const AppState& s = model.state;
  if (s.StartupGuard) return;
  form.ApplyResizeLayout(LayoutForSize(form.WindowSize(), form.ListBoxRect().TopLeft(),
                                       {s.RightMargin, s.BottomMargin}));
}

bool FormClose(AppModel& model, const Platform& platform) {
  AppState& s = model.state;
  return RunReported(platform.messages, [&] {
    if (model.options.zidonghuifu && !s.WriteFailed)
      core::AutoRestoreAtExit(s, platform.ProgramFiles());
    core::baocunClick(model.list, model.options, s, platform.fs);
    platform.form.DestroyTrayIcon();
    platform.form.Terminate();
  });
}

}  // namespace app
