// The main window's tray icon: the component, its click handler and the tray menu's exit command.
#include "app/main_form.h"

namespace app {

void TForm1::CreateTrayIcon() {}
void TForm1::DestroyTrayIcon() {}

void TForm1::CnTrayIcon1Click(fw::TObject*) {}

void TForm1::N5Click(fw::TObject*) { SendMessageA(Handle(), WM_CLOSE, 0, 0); }

}  // namespace app
