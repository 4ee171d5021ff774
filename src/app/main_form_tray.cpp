// The main window's tray icon: the component, its click handler and the tray menu's exit command.
#include "app/main_form.h"
#include "app/resources/resource_ids.h"
#include "tray/cn_tray_icon.h"

namespace app {

void TForm1::CreateTrayIcon() {
  CnTrayIcon1 = new tray::TCnTrayIcon(this);
  CnTrayIcon1->SetName("CnTrayIcon1");
  CnTrayIcon1->SetAutoHide(true);
  CnTrayIcon1->SetHint("Talvik软件安装路径修改器");
  // The window's 32 x 32 icon; the application's icon when the resource is not there.
  if (!CnTrayIcon1->Icon()->LoadFromResourceName(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAINICON), 32) &&
      fw::Application)
    CnTrayIcon1->Icon()->AssignHandle(fw::Application->Icon());
  CnTrayIcon1->SetPopupMenu(PopupMenu1);
  CnTrayIcon1->SetUseAppIcon(false);
  CnTrayIcon1->OnClick = [this](fw::TObject* sender, fw::TMouseButton, fw::TShiftState, int, int) {
    CnTrayIcon1Click(sender);
  };
}

// Removes the icon from the notification area.
void TForm1::DestroyTrayIcon() {
  delete CnTrayIcon1;
  CnTrayIcon1 = nullptr;
}

void TForm1::CnTrayIcon1Click(fw::TObject*) {
  if (!CnTrayIcon1 || !fw::Application) return;
  if (IsIconic(fw::Application->Handle()))
    CnTrayIcon1->RestoreFromTray();
  else
    CnTrayIcon1->HideToTray();
}

void TForm1::N5Click(fw::TObject*) { SendMessageA(Handle(), WM_CLOSE, 0, 0); }

}  // namespace app
