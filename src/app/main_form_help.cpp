// The main window's help and link commands and the about box command.
#include "app/about_box.h"
#include "app/main_form.h"

namespace app {

void TForm1::N13Click(fw::TObject*) {}
void TForm1::N15Click(fw::TObject*) {}
void TForm1::N17Click(fw::TObject*) {
  if (AboutBox) AboutBox->Show();
}
void TForm1::N19Click(fw::TObject*) {}
void TForm1::N1001Click(fw::TObject*) {}
void TForm1::N50Click(fw::TObject*) {}
void TForm1::N52Click(fw::TObject*) {}
void TForm1::N26Click(fw::TObject*) {}
void TForm1::N21Click(fw::TObject*) {}
void TForm1::N37Click(fw::TObject* Sender) { mr6Click(Sender); }
void TForm1::mrClick(int) {}
void TForm1::my2Click(fw::TObject*) {}
void TForm1::my3Click(fw::TObject*) {}
void TForm1::my4Click(fw::TObject*) {}
void TForm1::my5Click(fw::TObject*) {}
void TForm1::my10Click(fw::TObject*) {}
void TForm1::my6Click(fw::TObject*) {}
void TForm1::my7Click(fw::TObject*) {}
void TForm1::my8Click(fw::TObject*) {}
void TForm1::my9Click(fw::TObject*) {}

}  // namespace app
