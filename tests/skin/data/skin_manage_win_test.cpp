// The skin manager on Windows: which windows get a form skin object (framework forms, dialogs,
// windows of this module, MDI children), which skin data applies, the deferred skin-all,
// unskin-all and refresh passes, message boxes seen by the hook, popup-menu bookkeeping, and the
// window procedures given back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "skin/data/skin_win_fixture.h"
#include "skin/data/skin_writer.h"
#include "skin/form/skin_messages.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_pop_menu.h"
#include "support/skin_test_support.h"

namespace {

using skin::TSkinData;
using skin::TSkinFormType;
using skintest::Pump;
using skintest::PumpUntil;
using skintest::SkinWinTest;

WNDPROC ProcOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)); }

// A skin loaded and switched on, as the program's start does.
class ActiveSkinTest : public SkinWinTest {
 protected:
  void SetUp() override {
    SkinWinTest::SetUp();
    data = NewSkinData(TSkinFormType::sfMainform, skintest::DefaultSkinPath());
    ASSERT_FALSE(data->SkinEmpty());
    data->SetActive(true);
    ASSERT_TRUE(Manager().Enabled);
  }
  bool Skinned(HWND window) { return Manager().FindFormSkin(window) != nullptr; }
  TSkinData* data = nullptr;
};

TEST_F(ActiveSkinTest, FormsWithTag99AreNeverSkinned) {
  data->DisableTag = 5;  // the form rule does not follow DisableTag
  fw::TForm* plain = Form(0);
  fw::TForm* tagged = Form(99);
  EXPECT_TRUE(Skinned(plain->Handle()));
  EXPECT_FALSE(Skinned(tagged->Handle()));
  EXPECT_FALSE(Manager().AddWindow(tagged->Handle()));
  // The skin-all pass leaves it alone too.
  Manager().RequestAction(skin::kActionSkinAll, 10);
  Pump(200);
  EXPECT_FALSE(Skinned(tagged->Handle()));
  EXPECT_EQ(Manager().FormSkins().size(), 1u);
}

TEST_F(ActiveSkinTest, DialogWindowsAreSkinnedUnlessTheySetTheForeground) {
  struct Case {
    DWORD extra;
    bool skinned;
  };
  for (const Case& c : {Case{0, true}, Case{DS_SETFOREGROUND, false}}) {
    HWND dialog = Keep(skintest::CreateDialogWindow(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | c.extra));
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
    Manager().AddWindow(dialog);
    EXPECT_EQ(Skinned(dialog), c.skinned) << std::hex << c.extra;
  }
}

LRESULT CALLBACK AnswersSkinned(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == skin::XM_ISSKINNED) return 1;
  return DefWindowProcA(hwnd, msg, wparam, lparam);
}

TEST_F(ActiveSkinTest, AWindowIsNeverGivenASecondSkinObject) {
  HWND claimed = Keep(skintest::CreateOwnWindow("SkinTestClaimed", 300, 200));
  SetWindowLongPtrA(claimed, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AnswersSkinned));
  ShowWindow(claimed, SW_SHOW);
  EXPECT_FALSE(Skinned(claimed));
  EXPECT_FALSE(Manager().AddWindow(claimed));

  fw::TForm* form = Form();
  ASSERT_TRUE(Skinned(form->Handle()));
  skin::TWinSkinForm* first = Manager().FindFormSkin(form->Handle());
  Pump(100);  // activation: the window answers XM_ISSKINNED itself now
  EXPECT_FALSE(Manager().AddWindow(form->Handle()));
  fw::TForm* other = Form();
  const size_t skins = Manager().FormSkins().size();
  SetActiveWindow(other->Handle());
  SetActiveWindow(form->Handle());
  EXPECT_EQ(Manager().FindFormSkin(form->Handle()), first);
  EXPECT_EQ(Manager().FormSkins().size(), skins);
}

// An MDI frame of our own class with its client; children are made with MdiChild.
struct MdiFrame {
  HWND frame = nullptr;
  HWND client = nullptr;
  MdiFrame() {
    frame = skintest::CreateOwnWindow("SkinTestMdiFrame", 500, 400, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
    CLIENTCREATESTRUCT ccs{nullptr, 1000};
    client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 400, 300, frame,
                             nullptr, GetModuleHandleA(nullptr), &ccs);
    WNDCLASSA wc{};
    if (!GetClassInfoA(GetModuleHandleA(nullptr), "SkinTestMdiChild", &wc)) {
      wc.lpfnWndProc = DefMDIChildProcA;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.lpszClassName = "SkinTestMdiChild";
      RegisterClassA(&wc);
    }
  }
  ~MdiFrame() { DestroyWindow(frame); }
  HWND Child(int width, int height) const {
    return CreateMDIWindowA("SkinTestMdiChild", "child", WS_CAPTION | WS_SYSMENU, 0, 0, width, height, client,
                            GetModuleHandleA(nullptr), 0);
  }
};

TEST_F(ActiveSkinTest, ZeroSizeTopLevelIsLeftButZeroSizeMdiChildIsSkinned) {
  HWND empty = Keep(skintest::CreateOwnWindow("SkinTestEmpty", 0, 0, WS_POPUP | WS_CAPTION));
  ShowWindow(empty, SW_SHOW);
  EXPECT_FALSE(Manager().AddWindow(empty));
  EXPECT_FALSE(Skinned(empty));

  MdiFrame mdi;
  ASSERT_NE(mdi.client, nullptr);
  HWND child = mdi.Child(0, 0);
  ASSERT_NE(child, nullptr);
  EXPECT_TRUE(Skinned(child));  // seen by the hook at its creation
  ShowWindow(mdi.frame, SW_SHOW);
  Pump(100);
  skin::DestroySkinManager();  // before the frame goes
}

TEST_F(ActiveSkinTest, MaximizedMdiStateReachesTheChildrenUnlessTheyKeepTheirBorder) {
  MdiFrame mdi;
  ShowWindow(mdi.frame, SW_SHOW);
  HWND child = mdi.Child(200, 150);
  skin::TWinSkinForm* formSkin = Manager().FindFormSkin(child);
  ASSERT_NE(formSkin, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return formSkin->SkinState == skin::kSkinActive; }));
  ASSERT_EQ(formSkin->FormKind, skin::kFormMdiChild);
  Manager().SetMDIMaximized(true);
  EXPECT_TRUE(Manager().MDIMaximized);
  EXPECT_EQ(formSkin->WindowState, skin::kStateMaximized);
  data->Options |= 1u << skin::xoMDIChildBorder;
  Manager().SetMDIMaximized(false);
  EXPECT_FALSE(Manager().MDIMaximized);
  EXPECT_EQ(formSkin->WindowState, skin::kStateMaximized);  // not told
  data->Options &= ~(1u << skin::xoMDIChildBorder);
  Manager().SetMDIMaximized(true);   // already maximized in the manager's view
  Manager().SetMDIMaximized(false);
  EXPECT_EQ(formSkin->WindowState, skin::kStateNormal);
  skin::DestroySkinManager();
}

TEST_F(ActiveSkinTest, BrokenSkinFileEscapesToTheCallerAndTheFormsKeepWorking) {
  fw::TForm* form = Form();
  skin::TWinSkinForm* formSkin = Manager().FindFormSkin(form->Handle());
  ASSERT_NE(formSkin, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return formSkin->SkinState == skin::kSkinActive; }));
  const std::string ini = "[Progress]\r\nBitmap=bad.bmp\r\n";
  const std::string broken = skintest::WriteArtifact(
      "broken.skn", skin::WriteSkinFile(70000, {{"skin.ini", std::vector<uint8_t>(ini.begin(), ini.end())},
                                                {"bad.bmp", {'B', 'M', 1, 2, 3}}}));
  EXPECT_ANY_THROW(data->SetSkinFile(broken));
  EXPECT_TRUE(data->SkinEmpty());
  EXPECT_EQ(Manager().FindFormSkin(form->Handle()), formSkin);
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  SetWindowPos(form->Handle(), nullptr, 0, 0, 420, 260, SWP_NOMOVE | SWP_NOZORDER);
  Pump(300);
  data->SetSkinFile(skintest::DefaultSkinPath());
  EXPECT_FALSE(data->SkinEmpty());
  Pump(400);
  EXPECT_EQ(formSkin->SkinState, skin::kSkinActive);
}

TEST_F(SkinWinTest, OnlyThisFormComponentSkinsItsOwnerAndLetsItGo) {
  fw::TForm* form = Form();
  auto* data = new TSkinData(form);  // as the form's reader creates it
  data->SkinFormtype = TSkinFormType::sfOnlyThisForm;
  data->SetSkinFile(skintest::DefaultSkinPath());
  data->SetActive(true);  // only stored while the settings are read
  EXPECT_EQ(skin::SkinManager(), nullptr);
  data->NotifyLoaded();
  ASSERT_NE(skin::SkinManager(), nullptr);
  EXPECT_FALSE(Manager().HookInstalled());
  EXPECT_TRUE(Manager().Enabled);
  EXPECT_EQ(Manager().ManagerState, 1);
  skin::TWinSkinForm* formSkin = Manager().FindFormSkin(form->Handle());
  ASSERT_NE(formSkin, nullptr);
  EXPECT_EQ(formSkin->SkinDataRef, data);
  ASSERT_TRUE(PumpUntil([&] { return formSkin->SkinState == skin::kSkinActive; }));
  int changed = 0;
  data->OnSkinChanged = [&](fw::TObject*) { ++changed; };
  data->SetActive(false);
  EXPECT_TRUE(PumpUntil([&] { return changed == 1; }));
  EXPECT_EQ(Manager().FindFormSkin(form->Handle()), nullptr);
  EXPECT_FALSE(Manager().Enabled);
  data->SetActive(true);
  EXPECT_TRUE(PumpUntil([&] { return changed == 2; }));
  EXPECT_NE(Manager().FindFormSkin(form->Handle()), nullptr);
  data->SetSkinFile(skintest::SecondSkinPath());
  EXPECT_TRUE(PumpUntil([&] { return changed == 3; }));
  EXPECT_NE(Manager().FindFormSkin(form->Handle()), nullptr);
}

TEST_F(ActiveSkinTest, ChildWindowsAndForeignWindowsAreLeftAlone) {
  fw::TForm* form = Form();
  skintest::RegisterOwnClass("SkinTestChildClass");
  HWND child = CreateWindowExA(0, "SkinTestChildClass", "", WS_CHILD | WS_VISIBLE | WS_CAPTION, 0, 0, 100, 80,
                               form->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(child, nullptr);
  EXPECT_FALSE(Manager().AddWindow(child));
  // A skin-all pass takes child windows too (it is forced), but only when asked through AddForm.
  Manager().Forced = true;
  EXPECT_TRUE(Manager().AddWindow(child));
  Manager().Forced = false;
  // A top-level window that another module created is not ours to skin.
  HWND foreign = Keep(CreateWindowExA(0, "Button", "foreign", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 100,
                                      nullptr, nullptr, GetModuleHandleA("user32.dll"), nullptr));
  ASSERT_NE(foreign, nullptr);
  EXPECT_FALSE(Manager().AddWindow(foreign));
  // The same kind of window of this module is.
  HWND own = Keep(CreateWindowExA(0, "Button", "own", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 100, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr));
  EXPECT_TRUE(Skinned(own) || Manager().AddWindow(own));
}

TEST_F(ActiveSkinTest, ClassNamesThatAreNeverSkinned) {
  struct Case {
    const char* className;
    bool previewOption;
    bool skinned;
  };
  const std::vector<Case> cases{
      {"MyTcxPopupEditPopupWindowX", true, false}, {"TTERenderWindow", true, false},
      {"TPopupDBTreeView", true, false},           {"TPrintPreview", false, false},
      {"TPrintPreview", true, true},               {"SysMonthCal32", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    if (c.previewOption)
      data->Options |= 1u << skin::xoPreview;
    else
      data->Options &= ~(1u << skin::xoPreview);
    HWND window = Keep(skintest::CreateOwnWindow(c.className, 200, 100));
    ShowWindow(window, SW_SHOWNOACTIVATE);
    Manager().AddWindow(window);
    EXPECT_EQ(Skinned(window), c.skinned);
  }
}

TEST_F(SkinWinTest, SkinDataIsChosenByScopeThenDialogThenMain) {
  TSkinData* main = NewSkinData(TSkinFormType::sfMainform, skintest::DefaultSkinPath());
  TSkinData* dialogA = NewSkinData(TSkinFormType::sfDialog);
  TSkinData* dialogB = NewSkinData(TSkinFormType::sfDialog);
  fw::TForm* owner = Form();
  auto* onlyThis = new TSkinData(owner);  // owned by the form, registered at its Loaded
  onlyThis->SkinFormtype = TSkinFormType::sfOnlyThisForm;
  onlyThis->NotifyLoaded();
  HWND dialog = Keep(skintest::CreateDialogWindow(WS_POPUP | WS_CAPTION));
  HWND plain = Keep(skintest::CreateOwnWindow("SkinTestPlain", 100, 100));
  struct Case {
    HWND window;
    const char* className;
    TSkinData* expected;
  };
  const std::vector<Case> cases{
      {owner->Handle(), "TForm", onlyThis}, {dialog, "#32770", dialogB}, {plain, "TMessageForm", dialogB},
      {plain, "tmessageform", dialogB},     {plain, "TForm", main},      {dialog, "TMessageFormX", main},
  };
  for (const Case& c : cases) EXPECT_EQ(Manager().ChooseSkinData(c.window, c.className), c.expected) << c.className;
  (void)dialogA;
  // Without a main component the first registered one answers.
  skin::TSkinManage lone;
  EXPECT_EQ(lone.ChooseSkinData(plain, "TForm"), nullptr);
  lone.RegisterSkinData(dialogA);
  lone.RegisterSkinData(main);
  EXPECT_EQ(lone.ChooseSkinData(plain, "TForm"), main);
  lone.UnregisterSkinData(main);
  EXPECT_EQ(lone.ChooseSkinData(plain, "TForm"), dialogA);
  lone.UnregisterSkinData(dialogA);
}

TEST_F(SkinWinTest, SkinAllBeforeAnyFormOnlyEnablesAndTheFormIsSkinnedWhenActivated) {
  TSkinData* data = NewSkinData(TSkinFormType::sfMainform, skintest::DefaultSkinPath());
  ASSERT_EQ(Manager().ManagerState, skin::kManagerNoForm);
  data->SetActive(true);
  EXPECT_TRUE(Manager().Enabled);
  EXPECT_FALSE(Manager().Timer()->Enabled());
  EXPECT_TRUE(Manager().FormSkins().empty());
  fw::TForm* form = Form();
  skin::TWinSkinForm* formSkin = Manager().FindFormSkin(form->Handle());
  ASSERT_NE(formSkin, nullptr);
  EXPECT_EQ(formSkin->SkinDataRef, data);
  EXPECT_EQ(formSkin->WindowClassName, "TForm");
  EXPECT_EQ(Manager().ManagerState, skin::kManagerActive);
  EXPECT_TRUE(PumpUntil([&] { return formSkin->SkinState == skin::kSkinActive; }));
}

// Records whether the manager had a form skin for the message box while it was up.
HWND g_box = nullptr;
bool g_boxSkinned = false;
void CALLBACK LookAtBox(HWND, UINT, UINT_PTR, DWORD) {
  const std::vector<HWND> boxes = testsupport::VisibleThreadDialogs();
  if (boxes.empty()) return;
  HWND w = boxes.front();
  g_box = w;
  g_boxSkinned = skin::SkinManager() && skin::SkinManager()->FindFormSkin(w) != nullptr;
  PostMessageA(w, WM_COMMAND, IDOK, 0);
}

TEST_F(ActiveSkinTest, MessageBoxIsSeenByTheHookAndLetGo) {
  fw::TForm* form = Form();
  g_box = nullptr;
  g_boxSkinned = false;
  UINT_PTR timer = SetTimer(nullptr, 0, 300, LookAtBox);
  const int answer = MessageBoxA(form->Handle(), "皮肤测试", "出错", MB_OK);
  KillTimer(nullptr, timer);
  EXPECT_EQ(answer, IDOK);
  ASSERT_NE(g_box, nullptr);
  EXPECT_TRUE(g_boxSkinned);
  Pump(50);
  Manager().PurgeFormSkins();
  EXPECT_EQ(Manager().FindFormSkin(g_box), nullptr);
  EXPECT_EQ(Manager().FormSkins().size(), 1u);  // only the form's remains
}

TEST_F(ActiveSkinTest, SwitchingTheSkinFileRefreshesTheSkinnedForms) {
  fw::TForm* form = Form();
  skin::TWinSkinForm* formSkin = Manager().FindFormSkin(form->Handle());
  ASSERT_NE(formSkin, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return formSkin->SkinState == skin::kSkinActive; }));
  int changed = 0;
  data->OnSkinChanged = [&](fw::TObject* sender) {
    EXPECT_EQ(sender, data);
    ++changed;
  };
  const COLORREF before = data->SkinColor(skin::kScButtonFace);
  data->SetSkinFile(skintest::SecondSkinPath());
  EXPECT_FALSE(data->SkinEmpty());
  EXPECT_EQ(Manager().PendingAction, skin::kActionRefresh);
  EXPECT_TRUE(PumpUntil([&] { return changed == 1; }));
  EXPECT_EQ(Manager().FindFormSkin(form->Handle()), formSkin);
  EXPECT_EQ(formSkin->SkinDataRef, data);
  EXPECT_EQ(formSkin->SkinState, skin::kSkinActive);
  EXPECT_NE(data->SkinColor(skin::kScButtonFace), before);
  EXPECT_EQ(Manager().PendingSkinData, nullptr);
}

TEST_F(ActiveSkinTest, ActiveOffGivesEveryWindowItsProcedureBackAndOnSkinsAgain) {
  const WNDPROC original = ProcOf(Form(99)->Handle());  // framework forms share one procedure
  fw::TForm* form = Form();
  skin::TWinSkinForm* formSkin = Manager().FindFormSkin(form->Handle());
  ASSERT_NE(formSkin, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return formSkin->SkinState == skin::kSkinActive; }));
  EXPECT_NE(ProcOf(form->Handle()), original);
  data->SetActive(false);
  EXPECT_TRUE(PumpUntil([&] { return Manager().FormSkins().empty(); }));
  EXPECT_FALSE(Manager().Enabled);
  EXPECT_EQ(ProcOf(form->Handle()), original);
  EXPECT_NE(SendMessageA(form->Handle(), skin::XM_ISSKINNED, 0, 0), 1);
  // While unskinned new windows are left alone.
  fw::TForm* later = Form();
  EXPECT_FALSE(Skinned(later->Handle()));
  data->SetActive(true);
  EXPECT_TRUE(PumpUntil([&] { return Skinned(form->Handle()) && Skinned(later->Handle()); }));
  Pump(100);
  // A dialog of the process gets its own procedure back too.
  HWND dialog = Keep(skintest::CreateDialogWindow(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME));
  const WNDPROC dialogProc = ProcOf(dialog);
  ShowWindow(dialog, SW_SHOW);
  ASSERT_TRUE(Skinned(dialog));
  EXPECT_NE(ProcOf(dialog), dialogProc);
  Pump(100);
  data->SetActive(false);
  EXPECT_TRUE(PumpUntil([&] { return Manager().FormSkins().empty(); }));
  EXPECT_EQ(ProcOf(form->Handle()), original);
  EXPECT_EQ(ProcOf(later->Handle()), original);
  EXPECT_EQ(ProcOf(dialog), dialogProc);
}

TEST_F(ActiveSkinTest, MissingOrOlderSkinFileKeepsTheLookAndBlocksReskinning) {
  fw::TForm* form = Form();
  ASSERT_TRUE(Skinned(form->Handle()));
  Pump(100);
  data->SetSkinFile(skintest::DistSkin("没有.skn"));
  EXPECT_TRUE(data->SkinEmpty());
  EXPECT_TRUE(Skinned(form->Handle()));
  data->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return Manager().FormSkins().empty(); }));
  data->SetActive(true);  // no skin loaded: nothing is queued
  Pump(400);
  EXPECT_FALSE(Skinned(form->Handle()));

  const std::string older = skintest::WriteArtifact("older2.skn", skin::WriteSkinFile(10000, {}));
  UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
    for (HWND w : testsupport::VisibleThreadDialogs()) PostMessageA(w, WM_COMMAND, IDOK, 0);
  });
  data->SetSkinFile(older);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(data->SkinEmpty());
  data->SetActive(false);
  data->SetActive(true);
  Pump(400);
  EXPECT_FALSE(Skinned(form->Handle()));
  // A good file brings the skin back once Active is switched again.
  data->SetSkinFile(skintest::DefaultSkinPath());
  data->SetActive(false);
  data->SetActive(true);
  EXPECT_TRUE(PumpUntil([&] { return Skinned(form->Handle()); }));
}

TEST_F(ActiveSkinTest, DeadWindowsArePurgedAndADestroyedComponentTakesItsFormSkinsAlong) {
  HWND own = skintest::CreateOwnWindow("SkinTestShortLived", 200, 150);
  ShowWindow(own, SW_SHOW);
  ASSERT_TRUE(Skinned(own) || Manager().AddWindow(own));
  Pump(100);
  DestroyWindow(own);
  Manager().PurgeFormSkins();
  EXPECT_FALSE(Skinned(own));
  EXPECT_TRUE(Manager().FormSkins().empty());

  // A form skin object dies with its form: the manager forgets it without reading it.
  fw::TForm* doomed = Form();
  const HWND doomedWindow = doomed->Handle();
  ASSERT_TRUE(Skinned(doomedWindow));
  Pump(100);
  forms_.pop_back();
  Manager().PurgeFormSkins();
  EXPECT_FALSE(Skinned(doomedWindow));
  EXPECT_TRUE(Manager().FormSkins().empty());

  fw::TForm* form = Form();
  ASSERT_TRUE(Skinned(form->Handle()));
  Pump(100);
  datas_.clear();  // the component goes while its form stays
  EXPECT_TRUE(Manager().FormSkins().empty());
  EXPECT_EQ(Manager().MainSkinData, nullptr);
  SendMessageA(form->Handle(), WM_NCPAINT, 1, 0);
  InvalidateRect(form->Handle(), nullptr, TRUE);
  Pump(100);
}

TEST_F(ActiveSkinTest, DestroyingTheManagerDetachesEveryFormAndRemovesTheHook) {
  const WNDPROC original = ProcOf(Form(99)->Handle());
  fw::TForm* form = Form();
  ASSERT_TRUE(Skinned(form->Handle()));
  Pump(100);
  skin::DestroySkinManager();
  EXPECT_EQ(skin::SkinManager(), nullptr);
  EXPECT_TRUE(skin::HooksOff());
  EXPECT_EQ(ProcOf(form->Handle()), original);
  EXPECT_NE(SendMessageA(form->Handle(), skin::XM_ISSKINNED, 0, 0), 1);
  Form();  // no hook any more: nothing is made
  Pump(50);
  EXPECT_EQ(skin::SkinManager(), nullptr);
}

// Opens a popup menu; while it is up a timer records the manager's popup list and closes it.
struct PopupSeen {
  size_t count = 0;
  bool fromBar = false;
};
PopupSeen g_seen;
void CALLBACK LookAtPopup(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (skin::TSkinManage* m = skin::SkinManager()) {
    g_seen.count = m->PopupSkins().size();
    g_seen.fromBar = g_seen.count > 0 && m->PopupSkins().front()->FromMenuBar;
  }
  EndMenu();
}

PopupSeen OpenPopup(HWND owner) {
  g_seen = {};
  fw::UniqueHmenu menu(CreatePopupMenu());
  AppendMenuA(menu.get(), MF_STRING, 1, "一");
  AppendMenuA(menu.get(), MF_STRING, 2, "二");
  SetTimer(nullptr, 0, 200, LookAtPopup);
  SetForegroundWindow(owner);
  TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_RETURNCMD, 200, 200, 0, owner, nullptr);
  Pump(50);
  return g_seen;
}

TEST_F(ActiveSkinTest, PopupMenusAreRecordedByTheirSourceAndTheSourceResetsWhenTheLastCloses) {
  fw::TForm* form = Form();
  struct Case {
    int mode;
    skin::TSkinControlType removed;
    bool fromBar;
    size_t expected;
  };
  const std::vector<Case> cases{
      {0, skin::xcFastReport, false, 1}, {0, skin::xcPopupMenu, false, 0}, {1, skin::xcPopupMenu, true, 1},
      {1, skin::xcMainMenu, true, 0},    {2, skin::xcPopupMenu, false, 1}, {2, skin::xcSystemMenu, false, 0},
      {7, skin::xcMainMenu, false, 1},
  };
  const skin::TSkinControlTypes controls = data->SkinControls;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    data->SkinControls = controls & ~(1u << c.removed);
    Manager().MenuSourceMode = c.mode;
    Manager().MenuFromBar = c.fromBar;
    const PopupSeen seen = OpenPopup(form->Handle());
    EXPECT_EQ(seen.count, c.expected);
    EXPECT_EQ(seen.fromBar, c.expected > 0 && c.fromBar);
    EXPECT_TRUE(Manager().PopupSkins().empty());
    EXPECT_EQ(Manager().MenuSourceMode, 0);
    EXPECT_FALSE(Manager().MenuFromBar);
  }
  // A menu-bar drop-down also counts with only xcMenuItem.
  data->SkinControls = (controls & ~(1u << skin::xcMainMenu)) | (1u << skin::xcMenuItem);
  Manager().MenuSourceMode = 1;
  EXPECT_EQ(OpenPopup(form->Handle()).count, 1u);
}

TEST_F(ActiveSkinTest, PopupRecordsTakeTheirMenuNewestFirst) {
  skin::TSkinManage& m = Manager();
  HWND a = Keep(skintest::CreateOwnWindow("SkinTestPopA", 10, 10, WS_POPUP));
  HWND b = Keep(skintest::CreateOwnWindow("SkinTestPopB", 10, 10, WS_POPUP));
  m.AddPopupMenu(a);
  m.AddPopupMenu(b);
  m.AddPopupMenu(b);  // already recorded
  ASSERT_EQ(m.PopupSkins().size(), 2u);
  HMENU menu = reinterpret_cast<HMENU>(0x55);
  m.AssignPopupMenu(menu);
  EXPECT_EQ(m.FindPopupSkin(b)->Menu, menu);
  EXPECT_EQ(m.FindPopupSkin(a)->Menu, nullptr);
  m.MarkPopupsFromBar();
  EXPECT_TRUE(m.FindPopupSkin(a)->FromMenuBar);
  m.MenuSourceMode = 2;
  m.RemovePopupMenu(a);
  EXPECT_EQ(m.MenuSourceMode, 2);  // one is still open
  m.RemovePopupMenu(b);
  EXPECT_EQ(m.MenuSourceMode, 0);
  EXPECT_FALSE(m.IsPopupSkinned(b));
}

}  // namespace
