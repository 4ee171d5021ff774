// Program entry: the application object, its title, the main window and the hidden about box, then
// the message loop until the application is told to terminate. The command line is not read.
#include <windows.h>

#include "app/about_box.h"
#include "app/main_form.h"
#include "skin/data/skin_manage.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  fw::TApplication application;
  fw::Application->Initialize();
  fw::Application->SetTitle("Talvik软件安装路径修改器2.1");
  fw::Application->CreateForm(app::Form1);
  fw::Application->CreateForm(app::AboutBox);
  fw::Application->Run();
  // The skin manager goes while the windows and forms still exist: it gives them their procedures back.
  skin::DestroySkinManager();
  return 0;
}
