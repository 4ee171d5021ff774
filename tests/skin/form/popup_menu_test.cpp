// Popup menus with the program's skin under Wine: the skin data is active, so the manager's hook
// skins a framework form and every popup-menu window. Checked here: which menus become
// owner-drawn (not a popup whose Tag is 99) and what detach gives back, item widths with and
// without an image list, and on the screen while a popup is open (driven from a timer inside the
// menu loop): the window covered by the composed MenuBackground, a separator as MenuItem frame 2,
// the selected item as frame 4 with HilightText, the check mark, the sunken checker behind a
// checked image, and the menu source back at 0 when the last popup closes. Screenshots of an open
// popup and a menu-bar drop-down go to the artifacts folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/framework.h"
#include "skin/data/nine_slice.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_manage.h"
#include "skin/form/frame_painter.h"
#include "skin/form/menu_item_layout.h"
#include "skin/form/skin_messages.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_menu.h"
#include "skin/form/win_skin_pop_menu.h"
#include "support/paths.h"
#include "support/screenshot.h"
#include "support/skin_test_support.h"

namespace {

using skin::Colour;
using skin::Rect;

fw::TApplication& App() {
  static fw::TApplication* app = [] {
    auto* a = new fw::TApplication();
    a->Initialize();
    a->SetTitle("Popup menu test");
    return a;
  }();
  return *app;
}

void Pump(DWORD ms) { testsupport::PumpMessages(ms); }

// A 16 x 16 image: a solid square in the middle, magenta (transparent) around it.
fw::UniqueBitmap GlyphStrip() {
  HDC screen = GetDC(nullptr);
  fw::UniqueBitmap strip(CreateCompatibleBitmap(screen, 16, 16));
  ReleaseDC(nullptr, screen);
  fw::UniqueMemDc dc(CreateCompatibleDC(nullptr));
  fw::SelectGuard select(dc.get(), strip.get());
  RECT all{0, 0, 16, 16}, inner{5, 5, 11, 11};
  fw::UniqueBrush magenta(CreateSolidBrush(RGB(255, 0, 255))), blue(CreateSolidBrush(RGB(0, 0, 200)));
  FillRect(dc.get(), &all, magenta.get());
  FillRect(dc.get(), &inner, blue.get());
  return strip;
}

class TPopupTestForm : public fw::TForm {
  FW_CLASS()
 public:
  explicit TPopupTestForm(fw::TComponent* owner) : fw::TForm(owner) {
    Images = new fw::TImageList(this);
    fw::UniqueBitmap strip = GlyphStrip();
    Images->AddMasked(strip.get(), RGB(255, 0, 255));

    MainMenu1 = new fw::TMainMenu(this);
    MainMenu1->SetImages(Images);
    auto* file = fw::NewItem(this, "wenjian", "文件(&F)");
    Open = fw::NewItem(this, "dakai", "打开");
    Open->SetImageIndex(0);
    file->Add(Open);
    file->Add(fw::NewLine(this));
    file->Add(fw::NewItem(this, "baocun", "保存"));
    MainMenu1->Items()->Add(file);
    SetMenu(MainMenu1);

    // A second main menu without images (not on the bar) for the width rule.
    PlainMain = new fw::TMainMenu(this);
    auto* top = fw::NewItem(this, "", "顶");
    PlainOpen = fw::NewItem(this, "", "打开");
    top->Add(PlainOpen);
    PlainMain->Items()->Add(top);

    PopupMenu1 = new fw::TPopupMenu(this);
    First = fw::NewItem(this, "first", "打开文件");
    First->SetDefault(true);
    Line = fw::NewLine(this);
    Checked = fw::NewItem(this, "checked", "自动复制");
    Checked->SetChecked(true);
    Copy = fw::NewItem(this, "copy", "复制");
    Copy->SetShortCut(fw::scCtrl | 'C');
    Disabled = fw::NewItem(this, "disabled", "不可用");
    Disabled->SetEnabled(false);
    for (fw::TMenuItem* i : {First, Line, Checked, Copy, Disabled}) PopupMenu1->Items()->Add(i);

    PopupImages = new fw::TPopupMenu(this);
    PopupImages->SetImages(Images);
    CheckedImage = fw::NewItem(this, "checkedImage", "带图选中");
    CheckedImage->SetImageIndex(0);
    CheckedImage->SetChecked(true);
    PopupImages->Items()->Add(CheckedImage);
    auto* other = fw::NewItem(this, "", "其他");
    other->SetImageIndex(0);
    PopupImages->Items()->Add(other);

    Native = new fw::TPopupMenu(this);
    Native->SetTag(99);
    NativeItem = fw::NewItem(this, "native", "原生");
    Native->Items()->Add(NativeItem);

    SetCaption("弹出菜单测试");
    SetBounds(120, 90, 420, 300);
  }
  fw::TImageList* Images;
  fw::TMainMenu* MainMenu1;
  fw::TMainMenu* PlainMain;
  fw::TMenuItem *Open, *PlainOpen;
  fw::TPopupMenu *PopupMenu1, *PopupImages, *Native;
  fw::TMenuItem *First, *Line, *Checked, *Copy, *Disabled, *CheckedImage, *NativeItem;
};
FW_DEFINE_CLASS(TPopupTestForm, fw::TForm)

class PopupMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    skin::DestroySkinManager();
    data_ = std::make_unique<skin::TSkinData>(nullptr);
    data_->NotifyLoaded();
    data_->SetSkinFile(testsupport::ProgramSkinPath());
    ASSERT_FALSE(data_->SkinEmpty());
    data_->SetActive(true);
    form_ = std::make_unique<TPopupTestForm>(fw::Application);
    form_->Show();
    SetForegroundWindow(form_->Handle());
    for (int i = 0; i < 100 && !Skin(); ++i) Pump(20);
    ASSERT_NE(Skin(), nullptr);
    for (int i = 0; i < 100 && Skin()->SkinState != skin::kSkinActive; ++i) Pump(20);
    ASSERT_EQ(Skin()->SkinState, skin::kSkinActive);
    Pump(100);
  }
  void TearDown() override {
    skin::DestroySkinManager();
    form_.reset();
    data_.reset();
    Pump(20);
  }
  skin::TWinSkinForm* Skin() const {
    skin::TSkinManage* m = skin::SkinManager();
    return m && form_ ? m->FindFormSkin(form_->Handle()) : nullptr;
  }
  const skin::TDataSkinObject& MenuItemImage() const { return *data_->Skin().MenuItem; }

  std::unique_ptr<skin::TSkinData> data_;
  std::unique_ptr<TPopupTestForm> form_;
};

UINT ItemType(HMENU menu, int pos) {
  MENUITEMINFOA mii{};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(menu, static_cast<UINT>(pos), TRUE, &mii);
  return mii.fType;
}

TEST_F(PopupMenuTest, PopupsBecomeOwnerDrawnExceptTag99AndDetachGivesThemBack) {
  EXPECT_TRUE(form_->PopupMenu1->OwnerDraw());
  EXPECT_TRUE(form_->PopupImages->OwnerDraw());
  for (fw::TMenuItem* item : {form_->First, form_->Line, form_->Checked, form_->CheckedImage}) {
    EXPECT_TRUE(static_cast<bool>(item->OnDrawItem)) << item->Caption();
    EXPECT_TRUE(static_cast<bool>(item->OnMeasureItem)) << item->Caption();
  }
  for (int pos = 0; pos < form_->PopupMenu1->Items()->Count(); ++pos)
    EXPECT_TRUE(ItemType(form_->PopupMenu1->Handle(), pos) & MFT_OWNERDRAW) << pos;
  // DisableTag 99: the popup keeps native items and no handlers.
  EXPECT_FALSE(form_->Native->OwnerDraw());
  EXPECT_FALSE(static_cast<bool>(form_->NativeItem->OnDrawItem));
  EXPECT_FALSE(ItemType(form_->Native->Handle(), 0) & MFT_OWNERDRAW);
  // Main-menu items are left to the bar unless xcMenuItem is set (the program leaves it out).
  EXPECT_FALSE(static_cast<bool>(form_->Open->OnDrawItem));

  Skin()->Detach();
  EXPECT_FALSE(form_->PopupMenu1->OwnerDraw());
  EXPECT_FALSE(static_cast<bool>(form_->First->OnDrawItem));
  EXPECT_FALSE(static_cast<bool>(form_->First->OnMeasureItem));
  EXPECT_FALSE(ItemType(form_->PopupMenu1->Handle(), 0) & MFT_OWNERDRAW);
}

TEST_F(PopupMenuTest, MainMenuOwnershipReachesDropDownItemsOnlyAndKeepsTheirOwnHandlers) {
  fw::TMenuItem* bar = form_->MainMenu1->Items();
  fw::TMenuItem* file = bar->Items(0);
  fw::TMenuItem* save = file->Items(2);
  bool ownDrawn = false;
  save->OnDrawItem = [&](fw::TObject*, fw::TCanvas*, RECT, bool) { ownDrawn = true; };
  Skin()->SetMainMenuOwnerDraw(form_.get(), true);
  EXPECT_TRUE(form_->MainMenu1->OwnerDraw());
  EXPECT_FALSE(static_cast<bool>(file->OnDrawItem)) << "bar items stay the bar's";
  EXPECT_TRUE(static_cast<bool>(form_->Open->OnDrawItem));
  EXPECT_TRUE(static_cast<bool>(form_->Open->OnMeasureItem));
  EXPECT_TRUE(static_cast<bool>(form_->PlainOpen->OnDrawItem)) << "every main menu of the form";
  save->OnDrawItem(save, nullptr, RECT{}, false);
  EXPECT_TRUE(ownDrawn) << "an item with its own draw handler keeps it";
  // The main-menu measure handler measures as the framework does, then widens.
  int w = 0, h = 0;
  form_->Open->OnMeasureItem(form_->Open, nullptr, w, h);
  int own = 0, ownH = 0;
  fw::WindowDc dc(nullptr);
  form_->Open->DefaultMeasure(dc.get(), own, ownH);
  EXPECT_EQ(w, own + MenuItemImage().LeftWidth + 10);
  Skin()->SetMainMenuOwnerDraw(form_.get(), false);
  EXPECT_FALSE(form_->MainMenu1->OwnerDraw());
  EXPECT_FALSE(static_cast<bool>(form_->Open->OnDrawItem));
  EXPECT_FALSE(static_cast<bool>(form_->Open->OnMeasureItem));
}

TEST_F(PopupMenuTest, ItemsOfAMenuWithoutImageListAreWider) {
  const int band = MenuItemImage().LeftWidth;
  ASSERT_GT(band, 0);
  int w1 = 100, h1 = 18, w2 = 100, h2 = 18;
  form_->First->OnMeasureItem(form_->First, nullptr, w1, h1);
  form_->CheckedImage->OnMeasureItem(form_->CheckedImage, nullptr, w2, h2);
  EXPECT_EQ(w2, 100 + band + 12);
  EXPECT_EQ(w1 - w2, 23);
  EXPECT_EQ(h1, 18) << "the height stays";

  // Main menus: the framework's measure first, then the band, 10, and 25 more without images.
  fw::WindowDc dc(form_->Handle());
  fw::TCanvas canvas(dc.get());
  int wi = 0, hi = 0, wp = 0, hp = 0, own = 0, ownH = 0;
  Skin()->MeasureMainMenuItem(form_->Open, &canvas, wi, hi);
  Skin()->MeasureMainMenuItem(form_->PlainOpen, &canvas, wp, hp);
  form_->Open->DefaultMeasure(dc.get(), own, ownH);
  EXPECT_EQ(wi, own + band + 10);
  EXPECT_EQ(wp - wi, 25);

  // The form answers WM_MEASUREITEM for its bar's items the same way.
  MEASUREITEMSTRUCT mis{};
  mis.CtlType = ODT_MENU;
  mis.itemID = form_->Open->Command();
  mis.itemHeight = 15;
  EXPECT_EQ(SendMessageA(form_->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis)), TRUE);
  EXPECT_EQ(static_cast<int>(mis.itemWidth), wi);
}

// ---- On the screen while a popup is open

struct Shot {
  HWND window = nullptr;
  RECT windowRect{};
  common::Image24 screen;
  std::vector<RECT> items;  // screen rectangles
  bool skinned = false;
};

using testsupport::OpenMenuWindow;

// Steps run by a timer inside the menu loop, one per tick once the menu window shows.
std::vector<std::function<void()>> g_steps;
size_t g_step = 0;
int g_ticks = 0;

void CALLBACK StepTick(HWND, UINT, UINT_PTR id, DWORD) {
  if (++g_ticks > 200 || g_step >= g_steps.size()) {
    KillTimer(nullptr, id);
    EndMenu();
    return;
  }
  if (!OpenMenuWindow()) return;
  g_steps[g_step++]();
}

void RunInMenu(const std::function<void()>& open, std::vector<std::function<void()>> steps) {
  g_steps = std::move(steps);
  g_step = 0;
  g_ticks = 0;
  SetTimer(nullptr, 0, 150, StepTick);
  open();
  Pump(50);
}

Shot TakeShot(HMENU menu) {
  Shot s;
  s.window = OpenMenuWindow();
  GetWindowRect(s.window, &s.windowRect);
  s.screen = testsupport::CaptureScreen();
  s.skinned = SendMessageA(s.window, skin::XM_ISSKINNED, 0, 0) == 1;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    RECT r{};
    GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &r);
    s.items.push_back(r);
  }
  return s;
}

Colour At(const common::Image24& img, int x, int y) { return testsupport::ColourAt(img, x, y); }
int Count(const common::Image24& img, const RECT& r, Colour c) { return testsupport::CountColour(img, r, c); }

// The whole menu window composed from MenuBackground, as the popup skin paints it.
skin::Bitmap ExpectedBackground(const skin::TSkinData& data, const RECT& window) {
  const skin::TDataSkinObject& bg = *data.Skin().MenuBackground;
  return skin::CompositeSkinBitmap({window.right - window.left, window.bottom - window.top}, bg.Bitmap,
                                   bg.GetMargins(), false, bg.Tile != 0, 1, 1);
}

// The picture of one item (window coordinates) over that background.
skin::Bitmap ItemBackground(const skin::Bitmap& background, const Rect& item) {
  skin::Bitmap out(item.Width(), item.Height());
  skin::StretchCopy(out, {0, 0, item.Width(), item.Height()}, background, item);
  return out;
}

Rect InWindow(const Shot& s, const RECT& r) {
  return {r.left - s.windowRect.left, r.top - s.windowRect.top, r.right - s.windowRect.left,
          r.bottom - s.windowRect.top};
}

int Differences(const Shot& s, const RECT& screenRect, const skin::Bitmap& want, int fromX = 0) {
  int differ = 0;
  for (int y = 0; y < want.Height(); ++y)
    for (int x = fromX; x < want.Width(); ++x)
      differ += At(s.screen, screenRect.left + x, screenRect.top + y) != want.Pixel(x, y);
  return differ;
}

TEST_F(PopupMenuTest, OpenPopupShowsTheSkinsBackgroundSeparatorCheckMarkAndSelection) {
  fw::TPopupMenu* popup = form_->PopupMenu1;
  Shot plain, selected;
  bool sawSkinObject = false;
  skin::Bitmap printed;
  bool printClipKept = false, printModeKept = false;
  RunInMenu([&] { popup->Popup(160, 140); },
            {[&] {
               plain = TakeShot(popup->Handle());
               sawSkinObject = skin::SkinManager()->IsPopupSkinned(plain.window);
               // Printing the window: background first, the DC's clip and mode given back.
               const skin::Size size{plain.windowRect.right - plain.windowRect.left,
                                     plain.windowRect.bottom - plain.windowRect.top};
               skin::DibSection target(size);
               fw::UniqueMemDc dc(CreateCompatibleDC(nullptr));
               fw::SelectGuard select(dc.get(), target.get());
               SetBkMode(dc.get(), OPAQUE);
               SendMessageA(plain.window, WM_PRINT, reinterpret_cast<WPARAM>(dc.get()),
                            PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
               fw::UniqueRgn probe(CreateRectRgn(0, 0, 0, 0));
               printClipKept = GetClipRgn(dc.get(), probe.get()) == 0;
               printModeKept = GetBkMode(dc.get()) == OPAQUE;
               printed = target.ToBitmap();
               PostMessageA(plain.window, WM_KEYDOWN, VK_DOWN, 0);
             },
             [] {},
             [&] {
               selected = TakeShot(popup->Handle());
               testsupport::SaveScreenshotPng(nullptr, testsupport::ArtifactPath("popup_menu_open.png"));
               testsupport::SaveScreenshotPng(selected.window, testsupport::ArtifactPath("popup_menu_window.png"));
             }});
  ASSERT_NE(plain.window, nullptr) << "the popup never showed";
  EXPECT_TRUE(sawSkinObject);
  EXPECT_TRUE(plain.skinned);
  ASSERT_EQ(plain.items.size(), 5u);

  // The window: its frame and the room between items are the composed MenuBackground.
  const skin::Bitmap background = ExpectedBackground(*data_, plain.windowRect);
  const int w = background.Width(), h = background.Height();
  for (auto [x, y] : {std::pair{0, 0}, {1, 1}, {w - 1, h - 1}, {w / 2, 0}, {0, h / 2}, {w - 2, h / 2}, {w / 2, h - 2}})
    EXPECT_EQ(At(plain.screen, plain.windowRect.left + x, plain.windowRect.top + y), background.Pixel(x, y))
        << x << "," << y;

  // Printed: the frame ring is the background (items print inside it).
  ASSERT_EQ(printed.Width(), w);
  for (auto [x, y] : {std::pair{0, 0}, {1, 1}, {w - 1, h - 1}, {w / 2, 0}})
    EXPECT_EQ(printed.Pixel(x, y), background.Pixel(x, y)) << x << "," << y;
  EXPECT_TRUE(printClipKept);
  EXPECT_TRUE(printModeKept);

  // The separator: MenuItem frame 2 in three slices over the background.
  const skin::TDataSkinObject& mi = MenuItemImage();
  {
    const Rect sep = InWindow(plain, plain.items[1]);
    skin::Bitmap want = ItemBackground(background, sep);
    skin::Bitmap line(sep.Width(), sep.Height(), skin::kMagenta);
    for (const auto& piece : skin::MenuSeparatorSlices({sep.Width(), sep.Height()}, mi.Bitmap.Dimensions(),
                                                       mi.SafeFrame(), mi.LeftWidth, mi.RightWidth))
      skin::StretchCopy(line, piece.dst, mi.Bitmap, piece.src);
    skin::DrawBitmap(want, {0, 0}, line, true);
    EXPECT_EQ(Differences(plain, plain.items[1], want), 0);
  }

  // Unselected items: frame 1 and MenuText; the checked one shows the system check mark in the
  // band's glyph box, the others nothing there.
  const Colour menuText = static_cast<Colour>(data_->SkinColor(skin::kScMenuText));
  const Colour hilightText = static_cast<Colour>(data_->SkinColor(skin::kScHilightText));
  const Colour check = static_cast<Colour>(GetSysColor(COLOR_BTNTEXT));
  auto glyphBox = [&](const RECT& item) {
    const Rect box = skin::MenuGlyphBox({item.left, item.top, item.right, item.bottom}, mi.LeftWidth, 16, false, false);
    return RECT{box.left, box.top, box.right, item.bottom};
  };
  EXPECT_GT(Count(plain.screen, plain.items[0], menuText), 3);
  EXPECT_GT(Count(plain.screen, glyphBox(plain.items[2]), check), 3) << "check mark";
  EXPECT_EQ(Count(plain.screen, glyphBox(plain.items[0]), check), 0);
  EXPECT_EQ(Count(plain.screen, plain.items[4], menuText), 0) << "a disabled item is not in MenuText";

  // The first item selected: frame 4 composed over the background, caption in HilightText.
  ASSERT_EQ(selected.items.size(), 5u);
  {
    const Rect item = InWindow(selected, selected.items[0]);
    skin::Bitmap want = ItemBackground(background, item);
    skin::DrawCompositeFrame(want, {0, 0, item.Width(), item.Height()}, mi.Bitmap, false, mi.Tile != 0,
                             mi.Trans != 0, mi.SafeFrame(), 4, mi.GetMargins());
    // Right of the caption the item shows only the frame.
    EXPECT_EQ(Differences(selected, selected.items[0], want, item.Width() - 12), 0);
    EXPECT_GT(Count(selected.screen, selected.items[0], hilightText), 3);
    EXPECT_EQ(Count(selected.screen, selected.items[0], menuText == hilightText ? -2 : menuText), 0);
  }

  // The last popup has closed: the menu source is a context popup again.
  EXPECT_TRUE(skin::SkinManager()->PopupSkins().empty());
  EXPECT_EQ(skin::SkinManager()->MenuSourceMode, 0);
  EXPECT_FALSE(skin::SkinManager()->MenuFromBar);
}

TEST_F(PopupMenuTest, CheckedItemWithAnImageSitsInASunkenCheckerBox) {
  fw::TPopupMenu* popup = form_->PopupImages;
  Shot shot;
  RunInMenu([&] { popup->Popup(180, 160); }, {[&] { shot = TakeShot(popup->Handle()); }});
  ASSERT_NE(shot.window, nullptr);
  ASSERT_EQ(shot.items.size(), 2u);
  const skin::TDataSkinObject& mi = MenuItemImage();
  for (size_t i = 0; i < 2; ++i) {
    const RECT& item = shot.items[i];
    const Rect box = skin::MenuGlyphBox({item.left, item.top, item.right, item.bottom}, mi.LeftWidth, 16, false, false);
    // The image's own square, whatever the state.
    EXPECT_EQ(At(shot.screen, box.left + 8, box.top + 8), skin::Rgb(0, 0, 200)) << i;
    const Colour corner = At(shot.screen, box.left, box.top);
    const Colour inside = At(shot.screen, box.left + 2, box.top + 2);
    if (i == 0) {
      EXPECT_EQ(corner, static_cast<Colour>(GetSysColor(COLOR_BTNSHADOW))) << "sunken edge";
      EXPECT_TRUE(inside == static_cast<Colour>(GetSysColor(COLOR_BTNFACE)) ||
                  inside == static_cast<Colour>(GetSysColor(COLOR_BTNHIGHLIGHT)))
          << "checker";
    } else {
      EXPECT_NE(corner, static_cast<Colour>(GetSysColor(COLOR_BTNSHADOW))) << "no box without Checked";
    }
  }
}

TEST_F(PopupMenuTest, MenuBarDropDownIsDrawnByTheSkinAndTheSourceResets) {
  skin::TWinSkinMenu* bar = Skin()->MenuBar;
  ASSERT_NE(bar, nullptr);
  ASSERT_FALSE(bar->BarButtons.empty());
  HMENU dropDown = bar->BarButtons[0]->SubMenu;
  ASSERT_NE(dropDown, nullptr);
  Shot shot;
  int sourceWhileOpen = -1;
  RunInMenu([&] { bar->OpenMenuItem(bar->BarButtons[0].get()); },
            {[] {}, [] {},
             [&] {
               shot = TakeShot(dropDown);
               sourceWhileOpen = skin::SkinManager()->MenuSourceMode;
               testsupport::SaveScreenshotPng(nullptr, testsupport::ArtifactPath("popup_menu_bar_dropdown.png"));
             }});
  ASSERT_NE(shot.window, nullptr);
  EXPECT_TRUE(shot.skinned);
  EXPECT_EQ(sourceWhileOpen, 1);
  for (int pos = 0; pos < GetMenuItemCount(dropDown); ++pos)
    EXPECT_TRUE(ItemType(dropDown, pos) & MFT_OWNERDRAW) << pos;
  // The first item is selected when the drop-down opens: frame 4 right of its caption.
  const skin::TDataSkinObject& mi = MenuItemImage();
  const skin::Bitmap background = ExpectedBackground(*data_, shot.windowRect);
  const Rect item = InWindow(shot, shot.items[0]);
  skin::Bitmap want = ItemBackground(background, item);
  skin::DrawCompositeFrame(want, {0, 0, item.Width(), item.Height()}, mi.Bitmap, false, mi.Tile != 0,
                           mi.Trans != 0, mi.SafeFrame(), 4, mi.GetMargins());
  EXPECT_EQ(Differences(shot, shot.items[0], want, item.Width() - 12), 0);
  EXPECT_EQ(skin::SkinManager()->MenuSourceMode, 0);
  EXPECT_FALSE(skin::SkinManager()->MenuFromBar);
}

// A window of this module that is not a framework form, with a native menu: its drop-down items
// are raw owner-drawn items read from the menu handle.
LRESULT CALLBACK PlainProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, msg, wp, lp); }

TEST_F(PopupMenuTest, RawDropDownOfAForeignWindowShowsEtchedSeparatorCheckAndShortcut) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = PlainProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = "PopupTestPlainWindow";
  RegisterClassA(&wc);
  HMENU bar = CreateMenu();
  HMENU sub = CreatePopupMenu();
  AppendMenuA(sub, MF_STRING, 101, "打开\tCtrl+O");
  AppendMenuA(sub, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(sub, MF_STRING | MF_CHECKED, 102, "勾选");
  AppendMenuA(sub, MF_STRING | MF_GRAYED, 103, "灰色");
  AppendMenuA(sub, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(sub, MF_STRING, 104, "最后");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "文件(&F)");
  HWND w = CreateWindowExA(0, "PopupTestPlainWindow", "原生菜单窗口", WS_OVERLAPPEDWINDOW, 200, 150, 360, 240,
                           nullptr, bar, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(w, SW_SHOW);
  SetForegroundWindow(w);
  skin::TWinSkinForm* skinForm = nullptr;
  for (int i = 0; i < 100; ++i) {
    skinForm = skin::SkinManager()->FindFormSkin(w);
    if (skinForm && skinForm->SkinState == skin::kSkinActive) break;
    Pump(20);
  }
  ASSERT_NE(skinForm, nullptr);
  ASSERT_NE(skinForm->MenuBar, nullptr);
  Shot shot;
  RunInMenu([&] { skinForm->MenuBar->OpenMenuItem(skinForm->MenuBar->BarButtons[0].get()); },
            {[] {}, [] {},
             [&] {
               shot = TakeShot(sub);
               testsupport::SaveScreenshotPng(nullptr, testsupport::ArtifactPath("popup_menu_raw_dropdown.png"));
             }});
  ASSERT_NE(shot.window, nullptr);
  EXPECT_TRUE(shot.skinned);
  ASSERT_EQ(shot.items.size(), 6u);
  // The separator is an etched line: a shadow row over a highlight row.
  const RECT& sep = shot.items[1];
  EXPECT_GT(Count(shot.screen, sep, static_cast<Colour>(GetSysColor(COLOR_BTNSHADOW))), 10);
  EXPECT_GT(Count(shot.screen, sep, static_cast<Colour>(GetSysColor(COLOR_BTNHIGHLIGHT))), 10);
  const skin::TDataSkinObject& mi = MenuItemImage();
  // The checked item shows the check mark; the first (selected) item its shortcut right-aligned.
  const RECT& checked = shot.items[2];
  const Rect box = skin::MenuGlyphBox({checked.left, checked.top, checked.right, checked.bottom}, mi.LeftWidth, 16,
                                      false, false);
  EXPECT_GT(Count(shot.screen, RECT{box.left, checked.top, box.right, checked.bottom},
                  static_cast<Colour>(GetSysColor(COLOR_BTNTEXT))), 3);
  const Colour hilightText = static_cast<Colour>(data_->SkinColor(skin::kScHilightText));
  const RECT& first = shot.items[0];
  const RECT shortcutEnd{first.right - 60, first.top, first.right - 11, first.bottom};
  EXPECT_GT(Count(shot.screen, shortcutEnd, hilightText), 3) << "shortcut text at the right";
  const Colour menuText = static_cast<Colour>(data_->SkinColor(skin::kScMenuText));
  EXPECT_EQ(Count(shot.screen, shot.items[3], menuText), 0) << "grayed item";

  // Detached, the window's own menu draws its items itself again.
  for (int pos = 0; pos < GetMenuItemCount(sub); ++pos) EXPECT_TRUE(ItemType(sub, pos) & MFT_OWNERDRAW) << pos;
  skinForm->Detach();
  EXPECT_EQ(GetMenu(w), bar);
  for (int pos = 0; pos < GetMenuItemCount(sub); ++pos) EXPECT_FALSE(ItemType(sub, pos) & MFT_OWNERDRAW) << pos;
  EXPECT_TRUE(ItemType(sub, 1) & MFT_SEPARATOR);
  DestroyWindow(w);
}

}  // namespace
