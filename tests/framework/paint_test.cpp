// What framework windows look like: a form with the main window's kinds of controls, photographed
// and checked at a few pixels (fills and colours that a wrong paint would lose).
#include <gtest/gtest.h>

#include "framework/test_app.h"
#include "support/paths.h"
#include "support/screenshot.h"

namespace {

using fwtest::App;

class TGalleryForm : public fw::TForm {
  FW_CLASS()
 public:
  explicit TGalleryForm(fw::TComponent* owner) : fw::TForm(owner) {
    SetCaption("画廊 Gallery");
    SetBounds(0, 0, 610, 452);
    SetPosition(fw::TPosition::poScreenCenter);
    menu = new fw::TMainMenu(this);
    auto* file = fw::NewItem(this, "file", "  文件  ");
    menu->Items()->Add(file);
    file->Add(fw::NewItem(this, "save", "保存设置文件"));
    SetMenu(menu);

    bar = new fw::TToolBar(this);
    bar->SetParent(this);
    bar->SetShowCaptions(true);
    bar->SetButtonWidth(71);
    bar->SetButtonHeight(28);
    bar->Font()->SetHeight(-16);
    for (const char* caption : {"增加", "设定", "单项删除"}) {
      auto* b = new fw::TToolButton(this);
      b->SetParent(bar);
      b->SetCaption(caption);
      b->SetHint(caption);
      b->SetShowHint(true);
    }
    edit = new fw::TLabeledEdit(this);
    edit->SetParent(this);
    edit->SetBounds(64, 64, 472, 28);
    edit->Font()->SetHeight(-16);
    edit->Font()->SetColor(fw::clRed);
    edit->EditLabel()->SetCaption("当前 Program Files 路径__");
    edit->EditLabel()->Font()->SetHeight(-13);
    edit->EditLabel()->SetColor(fw::clLime);
    edit->SetText("C:\\Program Files");
    shape = new fw::TShape(this);
    shape->SetParent(this);
    shape->SetBounds(64, 103, 472, 6);
    shape->Brush()->SetColor(fw::clGray);
    list = new fw::TListBox(this);
    list->SetParent(this);
    list->SetBounds(64, 117, 473, 225);
    list->Font()->SetHeight(-16);
    list->SetItemHeight(20);
    list->Items()->Add("D:\\软件");
    list->Items()->Add("E:\\Program Files");
    list->SetItemIndex(1);
  }
  fw::TMainMenu* menu;
  fw::TToolBar* bar;
  fw::TLabeledEdit* edit;
  fw::TShape* shape;
  fw::TListBox* list;
};
FW_DEFINE_CLASS(TGalleryForm, fw::TForm)

POINT ScreenPoint(fw::TControl* c, int x, int y) { return c->ClientToScreen({x, y}); }

TEST(Paint, MainWindowKindsOfControlsPaintTheirColours) {
  App();
  TGalleryForm form(App());
  form.Show();
  fwtest::PumpUntil([] { return false; }, 300);
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  fwtest::PumpUntil([] { return false; }, 200);  // the painted window reaches the screen a little later
  testsupport::SaveScreenshotPng(form.Handle(), testsupport::ArtifactPath("framework_gallery.png"));

  // Centred on the screen, at its design size.
  EXPECT_EQ(form.Width(), 610);
  EXPECT_EQ(form.Left(), (GetSystemMetrics(SM_CXSCREEN) - 610) / 2);
  // The bar spans the client width and fits its buttons.
  EXPECT_EQ(form.bar->Width(), form.ClientWidth());
  EXPECT_GE(form.bar->Height(), 28);
  EXPECT_EQ(form.bar->Buttons(1)->Width(), 71);
  // The grey bar is grey inside.
  POINT p = ScreenPoint(form.shape, 200, 3);
  EXPECT_EQ(testsupport::ScreenPixel(p.x, p.y), RGB(0x80, 0x80, 0x80));
  // The label sits above the edit, on lime.
  fw::TLabel* label = form.edit->EditLabel();
  EXPECT_EQ(label->Top() + label->Height() + 3, form.edit->Top());
  p = ScreenPoint(label, label->Width() - 1, 0);
  EXPECT_EQ(testsupport::ScreenPixel(p.x, p.y), RGB(0, 255, 0));
  // The selected row is drawn highlighted, 20 pixels high.
  RECT row = form.list->ItemRect(1);
  EXPECT_EQ(row.bottom - row.top, 20);
  p = ScreenPoint(form.list, row.right - 3, row.top + 2);
  EXPECT_EQ(testsupport::ScreenPixel(p.x, p.y), GetSysColor(COLOR_HIGHLIGHT));
}

}  // namespace
