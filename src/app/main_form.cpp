#include "app/main_form.h"

#include "app/about_box.h"
#include "app/layout.h"
#include "app/resources/resource_ids.h"

#include <shlobj.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "app/report.h"
#include "core/list_commands.h"
#include "core/program_files.h"
#include "core/settings_commands.h"
#include "skin/data/skin_data.h"

namespace app {

TForm1* Form1 = nullptr;

FW_DEFINE_CLASS(TForm1, fw::TForm)

namespace {

constexpr char kCaption[] = "Talvik软件安装路径修改器2.1";
constexpr int kFont16 = -16;  // "MS Sans Serif", 16 pixels
constexpr int kFont13 = -13;

// Names of the maker's tools in the link submenu; the sixth is this application.
constexpr const char* kSeries[10] = {
    "Talvik系统垃圾清理器", "Talvik右键菜单管理器", "Talvik开机启动管理器", "Talvik文件批量改名器",
    "Talvik桌面图标整理器", "Talvik软件安装路径修改器", "Talvik文件夹加密器", "Talvik屏幕取色器",
    "Talvik剪贴板助手",     "Talvik网络测速器"};

}  // namespace

TForm1::TForm1(fw::TComponent* owner) : fw::TForm(owner) {
  SetName("Form1");
  SetCaption(kCaption);
  SetBounds(0, 0, 610, 452);
  SetPosition(fw::TPosition::poScreenCenter);
  SetBorderStyle(fw::TFormBorderStyle::bsSizeable);
  SetColor(fw::clBtnFace);
  Font()->SetName("MS Sans Serif");
  Font()->SetSize(8);
  Font()->SetColor(fw::clWindowText);

  ImageList1 = new fw::TImageList(this);
  ImageList1->SetName("ImageList1");
  if (HBITMAP strip = static_cast<HBITMAP>(
          LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_MENU_IMAGES), IMAGE_BITMAP, 0, 0, 0))) {
    ImageList1->AddMasked(strip, RGB(255, 0, 255));
    DeleteObject(strip);
  }

  BuildControls();
  BuildMainMenu();
  BuildPopupMenus();

  OnCreate = fw::Handler(this, &TForm1::FormCreate);
  OnClose = fw::Handler(this, &TForm1::FormClose);
  OnResize = fw::Handler(this, &TForm1::FormResize);
  platform_ = std::make_unique<WinPlatform>(ServiceOverrides);
  view_ = std::make_unique<MainFormView>(*this);
  CreateTrayIcon();
  SkinData1 = new skin::TSkinData(this);
  SkinData1->SetName("SkinData1");
  // Menu drop-downs, tool bars and scroll bars keep their native look in this program.
  SkinData1->SkinControls = skin::kDefaultSkinControls & ~skin::SetOf({skin::xcMenuItem, skin::xcToolbar,
                                                                       skin::xcScrollbar, skin::xcFastReport});
}

void TForm1::BuildControls() {
  ToolBar1 = new fw::TToolBar(this);
  ToolBar1->SetName("ToolBar1");
  ToolBar1->SetParent(this);
  ToolBar1->SetShowCaptions(true);
  ToolBar1->SetButtonWidth(71);
  ToolBar1->SetButtonHeight(28);
  ToolBar1->Font()->SetHeight(kFont16);
  ToolBar1->SetShowHint(true);
  struct ButtonDef {
    fw::TToolButton** slot;
    const char* name;
    const char* caption;
    const char* hint;
    void (TForm1::*handler)(fw::TObject*);
  } buttons[] = {
      {&ToolButton1, "ToolButton1", "增加", "增加软件安装路径", &TForm1::zenjiaClick},
      {&ToolButton2, "ToolButton2", "设定", "设定当前 Program Files 的路径", &TForm1::ProgramFiles1Click},
      {&ToolButton3, "ToolButton3", "单项删除", "单项删除", &TForm1::N3Click},
  };
  for (const ButtonDef& b : buttons) {
    auto* button = new fw::TToolButton(this);
    button->SetName(b.name);
    button->SetParent(ToolBar1);
    button->SetCaption(b.caption);
    button->SetHint(b.hint);
    button->SetShowHint(true);
    button->OnClick = fw::Handler(this, b.handler);
    *b.slot = button;
  }

  ListBox1 = new fw::TListBox(this);
  ListBox1->SetName("ListBox1");
  ListBox1->SetParent(this);
  ListBox1->SetBounds(kDesignList.left, kDesignList.top, kDesignList.Width(), kDesignList.Height());
  ListBox1->Font()->SetHeight(kFont16);
  ListBox1->SetItemHeight(kListItemHeight);
  ListBox1->SetDragMode(fw::TDragMode::dmAutomatic);
  ListBox1->SetShowHint(true);
  ListBox1->SetTabOrder(0);
  ListBox1->OnClick = fw::Handler(this, &TForm1::ListBox1Click);
  ListBox1->OnDblClick = fw::Handler(this, &TForm1::ListBox1DblClick);
  ListBox1->OnStartDrag = fw::Handler(this, &TForm1::ListBox1StartDrag);
  ListBox1->OnDragOver = fw::Handler(this, &TForm1::ListBox1DragOver);
  ListBox1->OnDragDrop = fw::Handler(this, &TForm1::ListBox1DragDrop);

  LabeledEdit1 = new fw::TLabeledEdit(this);
  LabeledEdit1->SetName("LabeledEdit1");
  LabeledEdit1->SetParent(this);
  LabeledEdit1->SetBounds(kDesignEdit.left, kDesignEdit.top, kDesignEdit.Width(), kDesignEdit.Height());
  LabeledEdit1->Font()->SetHeight(kFont16);
  LabeledEdit1->Font()->SetColor(fw::clRed);
  LabeledEdit1->EditLabel()->SetCaption("当前 Program Files 路径__");
  LabeledEdit1->EditLabel()->Font()->SetHeight(kFont13);
  LabeledEdit1->EditLabel()->SetColor(fw::clLime);

  Shape1 = new fw::TShape(this);
  Shape1->SetName("Shape1");
  Shape1->SetParent(this);
  Shape1->SetBounds(kDesignShape.left, kDesignShape.top, kDesignShape.Width(), kDesignShape.Height());
  Shape1->Brush()->SetColor(fw::clGray);
}

fw::TMenuItem* TForm1::Item(const char* name, const char* caption, void (TForm1::*handler)(fw::TObject*),
                            int image) {
  auto* item = fw::NewItem(this, name, caption);
  if (handler) item->OnClick = fw::Handler(this, handler);
  item->SetImageIndex(image);
  return item;
}

fw::TMenuItem* TForm1::Line() { return fw::NewLine(this); }

void TForm1::BuildMainMenu() {
  MainMenu1 = new fw::TMainMenu(this);
  MainMenu1->SetName("MainMenu1");
  MainMenu1->SetImages(ImageList1);
  fw::TMenuItem* bar = MainMenu1->Items();
  auto add = [](fw::TMenuItem* parent, std::initializer_list<fw::TMenuItem*> items) {
    for (fw::TMenuItem* i : items) parent->Add(i);
  };

  auto* file = Item("N1", "  文件  ");
  baocun = Item("baocun", "保存设置文件", &TForm1::baocunClick);
  diaoru = Item("diaoru", "调入设置文件", &TForm1::diaoruClick);
  add(file, {baocun, Line(), diaoru});

  auto* edit = Item("N2", "编辑  ");
  zenjia = Item("zenjia", "增加软件安装路径", &TForm1::zenjiaClick);
  N22 = Item("N22", "修改软件安装路径", &TForm1::N22Click);
  ProgramFiles1 = Item("ProgramFiles1", "设定当前 Program Files 的路径", &TForm1::ProgramFiles1Click, 9);
  N3 = Item("N3", "单项删除", &TForm1::N3Click, 10);
  N9 = Item("N9", "全部删除", &TForm1::N9Click, 11);
  huifuyuanlai = Item("huifuyuanlai", "恢复系统原来的设置", &TForm1::huifuyuanlaiClick);
  add(edit, {zenjia, Line(), N22, Line(), ProgramFiles1, Line(), N3, Line(), N9, Line(), huifuyuanlai});

  auto* options = Item("N4", "选项  ");
  zidonghuifu = Item("zidonghuifu", "退出时自动恢复系统原来的设置");
  zidonghuifu->SetAutoCheck(true);
  zidonghuifu->SetChecked(true);
  mycopy = Item("mycopy", "路径自动拷贝到剪切板");
  mycopy->SetAutoCheck(true);
  mycopy->SetChecked(true);
  qidongyincang = Item("qidongyincang", "启动时隐藏");
  xitongtesu = Item("xitongtesu", "读取 系统特殊文件夹", &TForm1::xitongtesuClick);
  xiugaipro = Item("xiugaipro", "修改 Program Files 路径", &TForm1::xiugaiproClick);
  cuangtisuofang = Item("cuangtisuofang", "窗体启动缩放", &TForm1::cuangtisuofangClick);
  huanpifu = Item("huanpifu", "换皮肤", &TForm1::huanpifuClick);
  add(qidongyincang, {xitongtesu, xiugaipro, cuangtisuofang, huanpifu});
  add(options, {zidonghuifu, Line(), mycopy, qidongyincang});

  auto* help = Item("N12", "帮助  ");
  auto* n47 = Item("N47", "★★★ 杀软神器", nullptr, 2);
  add(n47, {Item("N1001", "100%杀毒软件", &TForm1::N1001Click), Line(), Item("N50", "主动防御", &TForm1::N50Click),
            Line(), Item("N52", "保护你的账号", &TForm1::N52Click)});
  add(help, {Item("N13", "帮助", &TForm1::N13Click, 0), Line(), Item("N15", "个人介绍", &TForm1::N15Click, 1),
             Line(), Item("N17", "关于", &TForm1::N17Click), Line(),
             Item("N19", "Pellumo_用户反馈表", &TForm1::N19Click), Line(), n47, Line(),
             Item("N26", "接受定做软件", &TForm1::N26Click), Line(), Item("N21", "欢迎给我来信", &TForm1::N21Click),
             Line(), Item("N37", "本软升级页面", &TForm1::N37Click)});

  auto* links = Item("N14", "友情链接");
  auto* my1 = Item("my1", "Talvik软件系列", nullptr, 3);
  void (TForm1::*series_handlers[10])(fw::TObject*) = {
      &TForm1::mr1Click, &TForm1::mr2Click, &TForm1::mr3Click, &TForm1::mr4Click, &TForm1::mr5Click,
      &TForm1::mr6Click, &TForm1::mr7Click, &TForm1::mr8Click, &TForm1::mr9Click, &TForm1::mr10Click};
  for (int i = 0; i < 10; ++i) {
    std::string name = "mr" + std::to_string(i + 1);
    if (i > 0) my1->Add(Line());
    my1->Add(Item(name.c_str(), kSeries[i], series_handlers[i]));
  }
  add(links, {my1, Line(), Item("my2", "华军软件园", &TForm1::my2Click, 4), Line(),
              Item("my3", "天空软件站", &TForm1::my3Click, 5), Line(),
              Item("my4", "非凡软件站", &TForm1::my4Click, 6), Line(),
              Item("my5", "中关村在线", &TForm1::my5Click, 7), Line(),
              Item("my10", "绿软家园(绿色下载站)", &TForm1::my10Click, 8), Line(),
              Item("my6", "最好的虚拟主机商_中国网格", &TForm1::my6Click),
              Item("my7", "中国网格详情", &TForm1::my7Click), Line(),
              Item("my8", "BRSBOX 免费网络硬盘", &TForm1::my8Click), Line(),
              Item("my9", "广告位招租", &TForm1::my9Click)});

  add(bar, {file, edit, options, help, links});
  SetMenu(MainMenu1);
}

void TForm1::BuildPopupMenus() {
  PopupMenu1 = new fw::TPopupMenu(this);
  PopupMenu1->SetName("PopupMenu1");
  youjianhuifu = Item("youjianhuifu", "恢复系统原来的设置", &TForm1::youjianhuifuClick);
  N5 = Item("N5", "退出", &TForm1::N5Click);
  lastmenu = Line();
  lastmenu->SetName("lastmenu");
  for (fw::TMenuItem* i : {youjianhuifu, Line(), N5, lastmenu}) PopupMenu1->Items()->Add(i);

  PopupMenu2 = new fw::TPopupMenu(this);
  PopupMenu2->SetName("PopupMenu2");
  N25 = Item("N25", "拷贝当前路径到剪切板", &TForm1::N25Click);
  PopupMenu2->Items()->Add(N25);
  ListBox1->SetPopupMenu(PopupMenu2);
}

// ---- The window as the start-up and shutdown sequences see it.

class MainFormView final : public IMainForm {
 public:
  explicit MainFormView(TForm1& form) : f_(form) {}
  void ShowCurrentPath(const std::string& text) override { f_.LabeledEdit1->SetText(text); }
  std::string ExecutablePath() override {
    std::string path(MAX_PATH, '\0');
    for (;;) {
      const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
      if (n < path.size()) {
        path.resize(n);
        return path;
      }
      if (path.size() >= 32768) return {};  // longer than any Windows path
      path.resize(path.size() * 2);
    }
  }
  common::Size WindowSize() override { return {f_.Width(), f_.Height()}; }
  common::Rect ListBoxRect() override {
    return common::Rect::FromSize(f_.ListBox1->Left(), f_.ListBox1->Top(), f_.ListBox1->Width(),
                                  f_.ListBox1->Height());
  }
  common::Size ScreenSize() override { return {fw::Screen->Width(), fw::Screen->Height()}; }
  void SetWindowHeight(int height) override { f_.SetHeight(height); }
  void SetWindowWidth(int width) override { f_.SetWidth(width); }
  void ApplyResizeLayout(const ResizeLayout& l) override {
    f_.LabeledEdit1->SetWidth(l.width);
    f_.ListBox1->SetWidth(l.width);
    f_.Shape1->SetWidth(l.width);
    f_.ListBox1->SetHeight(l.listHeight);
  }
  void HideStartupMenu() override { f_.qidongyincang->SetVisible(false); }
  void ActivateSkin(const std::string& skinFile) override { f_.ActivateSkin(skinFile); }
  void DestroyTrayIcon() override { f_.DestroyTrayIcon(); }
  void Terminate() override { fw::Application->Terminate(); }

 private:
  TForm1& f_;
};

FormServices TForm1::ServiceOverrides;

TForm1::~TForm1() = default;

Platform TForm1::CorePlatform() {
  const FormServices& s = platform_->services();
  return {*s.registry, *s.shell, *s.sound, *s.messages, *s.fs, *view_};
}

template <class Body>
bool TForm1::Run(Body&& body) {
  return RunReported(*platform_->services().messages, std::forward<Body>(body));
}

void TForm1::PullOptions() {
  Model.options.zidonghuifu = zidonghuifu->Checked();
  Model.options.mycopy = mycopy->Checked();
}

void TForm1::PushOptions() {
  zidonghuifu->SetChecked(Model.options.zidonghuifu);
  mycopy->SetChecked(Model.options.mycopy);
}

void TForm1::PullSelection() { Model.list.Select(ListBox1->ItemIndex()); }

void TForm1::ShowList() {
  ListBox1->Items()->Assign(Model.list.entries());
  ListBox1->SetItemIndex(Model.list.selected());
}

// ---- Window

void TForm1::FormCreate(fw::TObject*) {
  PullOptions();
  app::FormCreate(Model, CorePlatform());
  // Whatever the sequence got to, the window shows the model (a damaged settings file leaves it
  // as it was).
  PushOptions();
  ShowList();
}

void TForm1::FormClose(fw::TObject*, fw::TCloseAction& Action) {
  PullOptions();
  PullSelection();
  // An error keeps the application open; the next close runs the whole sequence again.
  if (!app::FormClose(Model, CorePlatform())) Action = fw::TCloseAction::caNone;
}

void TForm1::FormResize(fw::TObject*) {
  if (view_) app::FormResize(Model, *view_);
}

void TForm1::cuangtisuofangClick(fw::TObject*) {
  if (auto size = StartupScale({fw::Screen->Width(), fw::Screen->Height()}, {Width(), Height()})) {
    SetHeight(size->cy);
    SetWidth(size->cx);
  }
}

void TForm1::ActivateSkin(const std::string& skinFile) {
  SkinData1->SetSkinFile(skinFile);
  SkinData1->SetActive(true);
}

void TForm1::huanpifuClick(fw::TObject*) { ActivateSkin(Model.state.AppFolder + kSkinFileRelative); }

// ---- Program Files setting.

void TForm1::xiugaiproClick(fw::TObject*) {
  Run([&] { core::xiugaiproClick(Model.state, ProgramFilesServices()); });
}

void TForm1::ProgramFiles1Click(fw::TObject*) {
  Run([&] {
    PullSelection();
    core::ProgramFiles1Click(Model.state, Model.list, ProgramFilesServices());
  });
}

void TForm1::huifuyuanlaiClick(fw::TObject*) {
  Run([&] { core::huifuyuanlaiClick(Model.state, ProgramFilesServices()); });
}

void TForm1::youjianhuifuClick(fw::TObject*) {
  Run([&] { core::youjianhuifuClick(Model.state, ProgramFilesServices()); });
}

void TForm1::xitongtesuClick(fw::TObject*) {
  Run([&] {
    LPITEMIDLIST pidl = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(Handle(), CSIDL_APPDATA, &pidl)) || !pidl) return;
    char path[MAX_PATH] = {};
    const BOOL ok = SHGetPathFromIDListA(pidl, path);
    CoTaskMemFree(pidl);
    if (!ok) return;
    path[MAX_PATH - 1] = '\0';
    Model.state.CurrentValue = path;
    fw::ShowMessage(Model.state.CurrentValue);
  });
}

// ---- Settings file.

void TForm1::baocunClick(fw::TObject*) {
  Run([&] {
    PullOptions();
    core::baocunClick(Model.list, Model.options, Model.state, *platform_->services().fs);
  });
}

void TForm1::diaoruClick(fw::TObject*) {
  Run([&] {
    PullOptions();
    PullSelection();
    core::diaoruClick(Model.list, Model.options, Model.state, *platform_->services().fs,
                      *platform_->services().messages);
  });
  PushOptions();
  ShowList();
}

// ---- The install-path list.

void TForm1::zenjiaClick(fw::TObject*) {
  Run([&] {
    PullSelection();
    core::zenjiaClick(Model.list, Model.state, *platform_->services().chooser);
  });
  ShowList();
}

void TForm1::N22Click(fw::TObject*) {
  Run([&] {
    PullSelection();
    core::N22Click(Model.list, Model.state, *platform_->services().chooser);
  });
  ShowList();
}

void TForm1::N3Click(fw::TObject*) {
  Run([&] {
    PullSelection();
    core::N3Click(Model.list);
  });
  ShowList();
}

void TForm1::N9Click(fw::TObject*) {
  Run([&] { core::N9Click(Model.list); });
  ShowList();
}

void TForm1::ListBox1Click(fw::TObject*) {
  Run([&] {
    PullOptions();
    PullSelection();
    core::ListBox1Click(Model.list, Model.options, *platform_->services().clipboard);
    ListBox1->SetHint(Model.list.hint());
  });
}

void TForm1::ListBox1DblClick(fw::TObject*) {
  Run([&] {
    PullSelection();
    if (core::ListBox1DblClick(Model.list)) fw::Application->Minimize();
  });
}

void TForm1::N25Click(fw::TObject*) {
  Run([&] {
    PullOptions();
    PullSelection();
    core::N25Click(Model.list, Model.options, *platform_->services().clipboard);
    ListBox1->SetHint(Model.list.hint());
  });
  PushOptions();
}

namespace {

int EntryAt(fw::TListBox* list, common::Point p) {
  return ItemAtPoint(p, {list->ClientWidth(), list->ClientHeight()}, list->TopIndex(), list->ItemHeight(),
                     list->Items()->Count());
}

}  // namespace

void TForm1::ListBox1StartDrag(fw::TObject*, fw::TDragObject*&) {
  Run([&] {
    POINT cursor{};
    GetCursorPos(&cursor);
    const POINT client = ScreenToClient(cursor);
    core::ListBox1StartDrag(Model.state, EntryAt(ListBox1, {client.x - ListBox1->Left(),
                                                            client.y - ListBox1->Top()}));
  });
}

void TForm1::ListBox1DragOver(fw::TObject*, fw::TObject* Source, int, int, fw::TDragState, bool& Accept) {
  Accept = Source == ListBox1;
}

void TForm1::ListBox1DragDrop(fw::TObject*, fw::TObject*, int X, int Y) {
  Run([&] {
    PullSelection();
    if (core::ListBox1DragDrop(Model.list, Model.state, EntryAt(ListBox1, {X, Y}))) {
      ShowList();
      ListBox1->Repaint();
    }
  });
}

}  // namespace app
