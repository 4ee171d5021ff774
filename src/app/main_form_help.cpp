// The main window's help and link commands and the about box command.
#include "app/about_box.h"
#include "app/help_commands.h"
#include "app/main_form.h"

namespace app {

void TForm1::N13Click(fw::TObject*) { OpenHelpText(Handle(), Model.state.AppFolder, "帮助.txt"); }
void TForm1::N15Click(fw::TObject*) { OpenHelpText(Handle(), Model.state.AppFolder, "个人介绍.txt"); }
void TForm1::N26Click(fw::TObject*) { OpenHelpText(Handle(), Model.state.AppFolder, "接受定做软件.txt"); }
void TForm1::N1001Click(fw::TObject*) { OpenHelpText(Handle(), Model.state.AppFolder, "100%杀毒软件.txt"); }
void TForm1::N50Click(fw::TObject*) { OpenHelpText(Handle(), Model.state.AppFolder, "主动防御.txt"); }
void TForm1::N52Click(fw::TObject*) { OpenHelpText(Handle(), Model.state.AppFolder, "保护你的账号.txt"); }
void TForm1::my7Click(fw::TObject*) { OpenHelpText(Handle(), Model.state.AppFolder, "中国网格详情.txt"); }
void TForm1::my9Click(fw::TObject*) { OpenHelpText(Handle(), Model.state.AppFolder, "广告位招租.txt"); }

// Shown without being modal; choosing it again brings the one box forward.
void TForm1::N17Click(fw::TObject*) {
  if (!AboutBox) return;
  AboutBox->Show();
  AboutBox->BringToFront();
}

void TForm1::N19Click(fw::TObject*) { StartFeedbackProgram(Handle(), Model.state.AppFolder); }

void TForm1::N21Click(fw::TObject*) {
  MessageBoxA(Handle(), "欢迎给我来信，我一定回复您，请指出问题。万分感谢！", "欢迎给我来信", MB_OK);
}

void TForm1::N37Click(fw::TObject* Sender) { mr6Click(Sender); }

void TForm1::mrClick(int number) {
  if (number >= 1 && number <= 10) OpenPage(Handle(), links::kSeries[number - 1]);
}

void TForm1::my2Click(fw::TObject*) { OpenPage(Handle(), links::kOnlinedown); }
void TForm1::my3Click(fw::TObject*) { OpenPage(Handle(), links::kSkycn); }
void TForm1::my4Click(fw::TObject*) { OpenPage(Handle(), links::kCrsky); }
void TForm1::my5Click(fw::TObject*) { OpenPage(Handle(), links::kZol); }
void TForm1::my10Click(fw::TObject*) { OpenPage(Handle(), links::kDownxia); }
void TForm1::my6Click(fw::TObject*) { OpenPage(Handle(), links::kHosting); }
void TForm1::my8Click(fw::TObject*) { OpenPage(Handle(), links::kStorage); }

}  // namespace app
