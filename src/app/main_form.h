#pragma once
// The main window Form1 (class TForm1): tool bar, the edit line with the current Program Files
// path, the list of install paths, the menu bar, the tray menu and the list menu. The handlers are
// named after the items and controls they serve.
#include <memory>
#include <string>

#include "app/lifecycle.h"
#include "app/platform_win.h"
#include "framework/framework.h"

namespace tray {
class TCnTrayIcon;
}
namespace skin {
class TSkinData;
}

namespace app {

class MainFormView;

class TForm1 : public fw::TForm {
  FW_CLASS()
 public:
  explicit TForm1(fw::TComponent* owner);

  // Controls and components, by their design names.
  fw::TToolBar* ToolBar1;
  fw::TToolButton* ToolButton1;  // "增加"
  fw::TToolButton* ToolButton2;  // "设定"
  fw::TToolButton* ToolButton3;  // "单项删除"
  fw::TLabeledEdit* LabeledEdit1;
  fw::TShape* Shape1;
  fw::TListBox* ListBox1;
  fw::TImageList* ImageList1;
  fw::TMainMenu* MainMenu1;
  fw::TPopupMenu* PopupMenu1;  // the tray icon's menu
  fw::TPopupMenu* PopupMenu2;  // the list's menu
  tray::TCnTrayIcon* CnTrayIcon1 = nullptr;  // the notification-area icon
  skin::TSkinData* SkinData1 = nullptr;      // the skin of every window of the program

  // Menu items that the program reads or changes.
  fw::TMenuItem* baocun;
  fw::TMenuItem* diaoru;
  fw::TMenuItem* zenjia;
  fw::TMenuItem* N22;
  fw::TMenuItem* ProgramFiles1;
  fw::TMenuItem* N3;
  fw::TMenuItem* N9;
  fw::TMenuItem* huifuyuanlai;
  fw::TMenuItem* zidonghuifu;
  fw::TMenuItem* mycopy;
  fw::TMenuItem* qidongyincang;
  fw::TMenuItem* xitongtesu;
  fw::TMenuItem* xiugaipro;
  fw::TMenuItem* cuangtisuofang;
  fw::TMenuItem* huanpifu;
  fw::TMenuItem* youjianhuifu;
  fw::TMenuItem* N5;
  fw::TMenuItem* lastmenu;
  fw::TMenuItem* N25;

  AppModel Model;

  // Services that replace the Windows ones for forms created from now on (tests); null members
  // keep the Windows service.
  static FormServices ServiceOverrides;
  ~TForm1() override;

  // Window.
  void FormCreate(fw::TObject* Sender);
  void FormClose(fw::TObject* Sender, fw::TCloseAction& Action);
  void FormResize(fw::TObject* Sender);
  // File and edit menus, tool bar.
  void baocunClick(fw::TObject* Sender);
  void diaoruClick(fw::TObject* Sender);
  void zenjiaClick(fw::TObject* Sender);
  void N22Click(fw::TObject* Sender);
  void ProgramFiles1Click(fw::TObject* Sender);
  void N3Click(fw::TObject* Sender);
  void N9Click(fw::TObject* Sender);
  void huifuyuanlaiClick(fw::TObject* Sender);
  // Start-up building blocks (hidden submenu).
  void xitongtesuClick(fw::TObject* Sender);
  void xiugaiproClick(fw::TObject* Sender);
  void cuangtisuofangClick(fw::TObject* Sender);
  void huanpifuClick(fw::TObject* Sender);
  // Help menu.
  void N13Click(fw::TObject* Sender);
  void N15Click(fw::TObject* Sender);
  void N17Click(fw::TObject* Sender);
  void N19Click(fw::TObject* Sender);
  void N1001Click(fw::TObject* Sender);
  void N50Click(fw::TObject* Sender);
  void N52Click(fw::TObject* Sender);
  void N26Click(fw::TObject* Sender);
  void N21Click(fw::TObject* Sender);
  void N37Click(fw::TObject* Sender);
  // Link menu: the maker's tools (mr1 ... mr10, by the entry's number) and the sites.
  void mrClick(int number);
  void mr1Click(fw::TObject*) { mrClick(1); }
  void mr2Click(fw::TObject*) { mrClick(2); }
  void mr3Click(fw::TObject*) { mrClick(3); }
  void mr4Click(fw::TObject*) { mrClick(4); }
  void mr5Click(fw::TObject*) { mrClick(5); }
  void mr6Click(fw::TObject*) { mrClick(6); }
  void mr7Click(fw::TObject*) { mrClick(7); }
  void mr8Click(fw::TObject*) { mrClick(8); }
  void mr9Click(fw::TObject*) { mrClick(9); }
  void mr10Click(fw::TObject*) { mrClick(10); }
  void my2Click(fw::TObject* Sender);
  void my3Click(fw::TObject* Sender);
  void my4Click(fw::TObject* Sender);
  void my5Click(fw::TObject* Sender);
  void my10Click(fw::TObject* Sender);
  void my6Click(fw::TObject* Sender);
  void my7Click(fw::TObject* Sender);
  void my8Click(fw::TObject* Sender);
  void my9Click(fw::TObject* Sender);
  // Tray menu, list menu, list.
  void youjianhuifuClick(fw::TObject* Sender);
  void N5Click(fw::TObject* Sender);
  void N25Click(fw::TObject* Sender);
  void ListBox1Click(fw::TObject* Sender);
  void ListBox1DblClick(fw::TObject* Sender);
  void ListBox1StartDrag(fw::TObject* Sender, fw::TDragObject*& DragObject);
  void ListBox1DragOver(fw::TObject* Sender, fw::TObject* Source, int X, int Y, fw::TDragState State,
                        bool& Accept);
  void ListBox1DragDrop(fw::TObject* Sender, fw::TObject* Source, int X, int Y);
  void CnTrayIcon1Click(fw::TObject* Sender);

 private:
  friend class MainFormView;
  void BuildControls();
  void BuildMainMenu();
  void BuildPopupMenus();
  // The tray icon component CnTrayIcon1 (main_form_tray.cpp): made with the form, destroyed by the
  // shutdown sequence.
  void CreateTrayIcon();
  void DestroyTrayIcon();
  fw::TMenuItem* Item(const char* name, const char* caption, void (TForm1::*handler)(fw::TObject*) = nullptr,
                      int image = -1);
  fw::TMenuItem* Line();

  // Start-up step 15: SkinData1 gets SkinFile, then Active.
  void ActivateSkin(const std::string& skinFile);

  // The core works on Model; the menu ticks and the list box are what the user sees and changes.
  void PullOptions();    // menu ticks -> Model.options
  void PushOptions();    // Model.options -> menu ticks
  void PullSelection();  // list box selection -> Model.list
  void ShowList();       // Model.list -> list box (entries and selection)
  Platform CorePlatform();
  core::ProgramFilesServices ProgramFilesServices() { return CorePlatform().ProgramFiles(); }
  // Runs one handler body; an error it does not catch goes to the general error report and ends it.
  template <class Body>
  bool Run(Body&& body);

  std::unique_ptr<WinPlatform> platform_;
  std::unique_ptr<MainFormView> view_;
};

extern TForm1* Form1;

}  // namespace app
