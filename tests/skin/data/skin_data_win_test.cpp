// The skin data component on Windows: its stored settings and their defaults, the Skin3rd rows,
// the stored skin stream, loading our skin files, the settings adjusted when the form has been
// read, the form filter, the glyph strip and the caption-button hint.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>

#include "skin/data/skin_format.h"
#include "skin/data/skin_win_fixture.h"
#include "skin/data/skin_writer.h"
#include "support/skin_test_support.h"

namespace {

using skin::InSet;
using skin::TSkinData;
using skin::TSkinFormType;
using skintest::SkinWinTest;

std::vector<uint8_t> FileBytes(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    uint8_t buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
    std::fclose(f);
  }
  return bytes;
}

std::vector<uint8_t> WithLength(int32_t length, const std::vector<uint8_t>& tail) {
  std::vector<uint8_t> out(4 + tail.size());
  std::memcpy(out.data(), &length, 4);
  std::copy(tail.begin(), tail.end(), out.begin() + 4);
  return out;
}

// Message boxes shown while `action` runs, answered with OK from a timer.
std::vector<std::string> BoxTexts(const std::function<void()>& action) {
  static std::vector<std::string>* texts = nullptr;
  std::vector<std::string> seen;
  texts = &seen;
  UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
    for (HWND w : testsupport::VisibleThreadDialogs()) {
      EnumChildWindows(
          w,
          [](HWND c, LPARAM) -> BOOL {
            char ccls[16] = {}, text[256] = {};
            GetClassNameA(c, ccls, sizeof ccls);
            if (_stricmp(ccls, "Static") == 0 && GetWindowTextA(c, text, sizeof text) > 0) texts->push_back(text);
            return TRUE;
          },
          0);
      PostMessageA(w, WM_COMMAND, IDOK, 0);
    }
  });
  action();
  KillTimer(nullptr, timer);
  texts = nullptr;
  return seen;
}

TEST_F(SkinWinTest, PublishedSettingsHaveTheirDefaults) {
  TSkinData data(nullptr);
  struct Row {
    const char* name;
    std::string text;
  };
  const std::vector<Row> rows{
      {"Active", "False"},
      {"DisableTag", "99"},
      {"SkinControls",
       "[xcMainMenu,xcPopupMenu,xcToolbar,xcControlbar,xcCombo,xcCheckBox,xcRadioButton,xcProgress,xcScrollbar,"
       "xcEdit,xcButton,xcBitBtn,xcSpeedButton,xcSpin,xcPanel,xcGroupBox,xcStatusBar,xcTab,xcTrackBar,"
       "xcSystemMenu]"},
      {"Options", "[xoPreview,xoToolbarBK,xoCaptionButtonHint]"},
      {"SkinFile", ""},
      {"SkinStore", "(none)"},
      {"SkinFormtype", "sfMainform"},
      {"Version", "5.40.07.15"},
      {"MenuUpdate", "True"},
      {"MenuMerge", "False"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const fw::TPropInfo* p = fw::GetPropInfo(&data, row.name);
    ASSERT_NE(p, nullptr);
    std::string text;
    switch (p->Kind) {
      case fw::TTypeKind::tkInteger:
        text = std::to_string(fw::GetOrdProp(&data, p));
        break;
      case fw::TTypeKind::tkEnumeration:
        text = fw::GetEnumProp(&data, row.name);
        break;
      case fw::TTypeKind::tkSet:
        text = fw::GetSetProp(&data, row.name);
        break;
      default:
        text = fw::GetStrProp(&data, p);
    }
    EXPECT_EQ(text, row.text);
  }
  // Declaration order (the component's own Name and Tag aside).
  std::vector<std::string> names;
  for (const fw::TPropInfo* p : fw::GetPropList(&data))
    if (p->Name != "Name" && p->Name != "Tag") names.push_back(p->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Active", "DisableTag", "SkinControls", "Options",
                                             "Skin3rd", "SkinFile", "SkinStore", "SkinFormtype", "Version",
                                             "MenuUpdate", "MenuMerge"}));
  // Version and SkinStore ignore writes; the others take them.
  fw::SetStrProp(&data, "Version", "1.0");
  fw::SetStrProp(&data, "SkinStore", "(Good)");
  EXPECT_EQ(fw::GetStrProp(&data, "Version"), "5.40.07.15");
  EXPECT_EQ(fw::GetStrProp(&data, "SkinStore"), "(none)");
  EXPECT_TRUE(fw::SetEnumProp(&data, "SkinFormtype", "sfDialog"));
  EXPECT_EQ(data.SkinFormtype, TSkinFormType::sfDialog);
  fw::SetOrdProp(&data, "DisableTag", 5);
  EXPECT_EQ(data.DisableTag, 5);
}

TEST_F(SkinWinTest, Skin3rdHoldsTheDefaultRowsInOrder) {
  TSkinData data(nullptr);
  const std::vector<std::string>& rows = data.Skin3rd();
  ASSERT_EQ(rows.size(), 118u);
  EXPECT_EQ(rows.front(), "TCategoryButtons=scrollbar");
  EXPECT_EQ(rows[48], "TDBCheckboxEh=Checkbox");
  EXPECT_EQ(rows[49], "TDBCheckboxEh=Checkbox");
  EXPECT_EQ(rows.back(), "TOVCDBNUMERICFIELD=Edit");
  std::map<std::string, int> counts;
  for (const std::string& r : rows) ++counts[r];
  std::vector<std::string> twice;
  for (const auto& [row, n] : counts)
    if (n > 1) twice.push_back(row + "x" + std::to_string(n));
  EXPECT_EQ(twice, (std::vector<std::string>{"TDBCheckboxEh=Checkboxx2", "TLMDFontSizeCombobox=comboboxx2",
                                             "TWWDBCombobox=Comboboxx2"}));
  // Published as a string list; a stored list replaces the default.
  auto* list = static_cast<fw::TStrings*>(fw::GetObjectProp(&data, "Skin3rd"));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Count(), 118);
  fw::TStrings stored;
  stored.Add("TMyGrid=scrollbar");
  fw::SetObjectProp(&data, "Skin3rd", &stored);
  EXPECT_EQ(data.Skin3rd(), (std::vector<std::string>{"TMyGrid=scrollbar"}));
}

TEST_F(SkinWinTest, SkinStreamStoresOnlyWholeData) {
  const std::vector<uint8_t> file = FileBytes(skintest::DefaultSkinPath());
  ASSERT_GT(file.size(), 1000u);
  struct Case {
    const char* what;
    std::vector<uint8_t> stream;
    bool stored;
  };
  const std::vector<Case> cases{
      {"nothing", {}, false},
      {"short length", {1, 0, 0}, false},
      {"zero length", WithLength(0, {}), false},
      {"negative length", WithLength(-5, {1, 2, 3}), false},
      {"length past the data", WithLength(static_cast<int32_t>(file.size() + 1), file), false},
      {"whole skin file", WithLength(static_cast<int32_t>(file.size()), file), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TSkinData data(nullptr);
    data.ReadSkinStream(c.stream);
    EXPECT_EQ(data.SkinBuffer().size(), c.stored ? file.size() : 0u);
    EXPECT_EQ(data.SkinEmpty(), !c.stored);
    EXPECT_EQ(data.WriteSkinStream(), c.stored ? c.stream : WithLength(0, {}));
  }
}

TEST_F(SkinWinTest, SkinFileLoadsOurSkinsAndTheFaceBrushFollows) {
  for (const std::string& path : {skintest::DefaultSkinPath(), skintest::SecondSkinPath()}) {
    SCOPED_TRACE(path);
    TSkinData* data = NewSkinData();
    data->SetSkinFile(path);
    EXPECT_FALSE(data->SkinEmpty());
    EXPECT_EQ(data->SkinFile(), path);
    EXPECT_EQ(data->SkinBuffer(), FileBytes(path));
    LOGBRUSH lb{};
    ASSERT_TRUE(GetObjectA(data->BackBrush(), sizeof lb, &lb));
    EXPECT_EQ(lb.lbColor, data->SkinColor(skin::kScButtonFace));
  }
}

TEST_F(SkinWinTest, MissingSkinFileKeepsTheObjectsButCountsAsEmpty) {
  TSkinData* data = NewSkinData(TSkinFormType::sfMainform, skintest::DefaultSkinPath());
  ASSERT_FALSE(data->SkinEmpty());
  const std::string name = data->Skin().SkinName;
  const size_t buffered = data->SkinBuffer().size();
  const std::string missing = skintest::DistSkin("没有这个皮肤.skn");
  data->SetSkinFile(missing);
  EXPECT_TRUE(data->SkinEmpty());
  EXPECT_EQ(data->SkinFile(), missing);
  EXPECT_EQ(data->Skin().SkinName, name);
  EXPECT_EQ(data->SkinBuffer().size(), buffered);
  data->SetSkinFile(skintest::DistSkin(""));  // a folder is no skin file either
  EXPECT_TRUE(data->SkinEmpty());
}

TEST_F(SkinWinTest, OlderFormatShowsTheReadersMessageAndLoadsNothing) {
  const std::string older =
      skintest::WriteArtifact("older.skn", skin::WriteSkinFile(10000, {{"skin.ini", {'[', 'a', ']'}}}));
  const std::string garbage = skintest::WriteArtifact("garbage.skn", {0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3});
  TSkinData* data = NewSkinData();
  const std::vector<std::string> shown = BoxTexts([&] { data->SetSkinFile(older); });
  EXPECT_EQ(shown, (std::vector<std::string>{"This is Older Skin File\rPlease update to new version !"}));
  EXPECT_TRUE(data->SkinEmpty());
  // An unreadable container is refused silently.
  EXPECT_TRUE(BoxTexts([&] { data->SetSkinFile(garbage); }).empty());
  EXPECT_TRUE(data->SkinEmpty());
  EXPECT_FALSE(data->LoadSkin());
}

TEST_F(SkinWinTest, LoadedAdjustsTheControlFamilies) {
  using skin::SetOf;
  struct Case {
    skin::TSkinControlTypes given;
    skin::TSkinControlTypes expected;
  };
  const skin::TSkinControlTypes all = (1u << (skin::xcFastReport + 1)) - 1;
  const std::vector<Case> cases{
      {all, all & ~(1u << skin::xcMenuItem)},
      {all & ~(1u << skin::xcMainMenu), all & ~(1u << skin::xcMainMenu) & ~(1u << skin::xcSystemMenu)},
      {SetOf({skin::xcMainMenu, skin::xcMenuItem}), SetOf({skin::xcMainMenu})},
      {SetOf({skin::xcMenuItem, skin::xcSystemMenu}), SetOf({skin::xcMenuItem})},
  };
  for (const Case& c : cases) {
    skin::DestroySkinManager();
    auto data = std::make_unique<TSkinData>(nullptr);
    data->SkinControls = c.given;
    data->NotifyLoaded();
    EXPECT_EQ(data->SkinControls, c.expected) << std::hex << c.given;
    EXPECT_NE(data->SystemCaptionFont(), nullptr);
    BITMAP bm{};
    ASSERT_TRUE(GetObjectA(data->AppIconBitmap(), sizeof bm, &bm));
    EXPECT_EQ(bm.bmWidth, GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(bm.bmHeight, GetSystemMetrics(SM_CYSMICON));
  }
  // Wine and Windows both have GetScrollBarInfo: scroll bars stay.
  ASSERT_NE(skin::Platform().GetScrollBarInfo, nullptr);
}

TEST_F(SkinWinTest, FormFilterSaysNoToCalendarsAndFastReportWindows) {
  struct Case {
    const char* className;
    bool fastReport;
    bool handler;
    bool expected;
  };
  const std::vector<Case> cases{
      {"SysMonthCal32", false, false, false}, {"TfrPreviewForm", true, false, false},
      {"TfrPreviewForm", false, false, true}, {"TForm1", true, false, true},
      {"SysMonthCal32", false, true, true},   {"sysmonthcal32", false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    TSkinData data(nullptr);
    if (c.fastReport) data.SkinControls |= 1u << skin::xcFastReport;
    std::string asked;
    if (c.handler) data.OnFormSkin = [&](fw::TObject*, const std::string& name, bool&) { asked = name; };
    bool doSkin = true;
    HWND window = reinterpret_cast<HWND>(0x1234);
    data.FormSkinFilter(window, c.className, doSkin);
    EXPECT_EQ(doSkin, c.expected);
    EXPECT_EQ(data.CurrentWindow(), window);
    EXPECT_EQ(asked, c.handler ? c.className : "");
  }
}

TEST_F(SkinWinTest, MenuImagesHoldTheFourGlyphsBlackOnWhite) {
  TSkinData data(nullptr);
  ASSERT_NE(data.MenuImages(), nullptr);
  EXPECT_EQ(data.MenuImages()->Count(), 4);
  fw::UniqueBitmap strip = skin::MakeMenuGlyphStrip();
  BITMAP bm{};
  ASSERT_TRUE(GetObjectA(strip.get(), sizeof bm, &bm));
  EXPECT_EQ(bm.bmWidth, 64);
  EXPECT_EQ(bm.bmHeight, 16);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  // Every image drawn over red shows black glyph pixels and lets the white ones through.
  HDC screen = GetDC(nullptr);
  fw::UniqueMemDc dc(CreateCompatibleDC(screen));
  fw::UniqueBitmap target(CreateCompatibleBitmap(screen, 16, 16));
  ReleaseDC(nullptr, screen);
  fw::SelectGuard select(dc.get(), target.get());
  for (int image = 0; image < 4; ++image) {
    RECT r{0, 0, 16, 16};
    fw::UniqueBrush red(CreateSolidBrush(RGB(255, 0, 0)));
    FillRect(dc.get(), &r, red.get());
    data.MenuImages()->Draw(dc.get(), 0, 0, image);
    int black = 0, wrong = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const bool glyph = skin::MenuGlyphPixel(image * 16 + x, y);
        black += glyph;
        wrong += GetPixel(dc.get(), x, y) != (glyph ? RGB(0, 0, 0) : RGB(255, 0, 0));
      }
    EXPECT_GT(black, 10) << image;
    EXPECT_EQ(wrong, 0) << image;
  }
  // The glyphs are what their places say.
  EXPECT_TRUE(skin::MenuGlyphPixel(skin::kGlyphClose * 16 + 7, 6));                              // X centre
  EXPECT_FALSE(skin::MenuGlyphPixel(skin::kGlyphMaximize * 16 + 7, 7));                          // hollow
  EXPECT_TRUE(skin::MenuGlyphPixel(skin::kGlyphMinimize * 16 + 6, 12));                          // low bar
  EXPECT_FALSE(skin::MenuGlyphPixel(skin::kGlyphMinimize * 16 + 6, 5));
  EXPECT_TRUE(skin::MenuGlyphPixel(skin::kGlyphRestore * 16 + 2, 10));                           // front window
  EXPECT_TRUE(skin::MenuGlyphPixel(skin::kGlyphRestore * 16 + 12, 4));                           // back window
}

TEST_F(SkinWinTest, CaptionHintShowsOnceAtTheGivenPlaceAndHides) {
  TSkinData data(nullptr);
  const RECT at{300, 200, 320, 220};
  data.ShowCaptionHint(at, "最小化");
  ASSERT_TRUE(data.HintShown());
  HWND hint = data.HintWindow();
  ASSERT_NE(hint, nullptr);
  EXPECT_TRUE(IsWindowVisible(hint));
  RECT r{};
  GetWindowRect(hint, &r);
  EXPECT_EQ(r.left, 300);
  EXPECT_EQ(r.top, 200);
  EXPECT_LE(r.right - r.left, 500 + 16);
  EXPECT_NE(GetForegroundWindow(), hint);
  data.ShowCaptionHint(RECT{10, 10, 20, 20}, "关闭");  // already shown: stays where it is
  GetWindowRect(hint, &r);
  EXPECT_EQ(r.left, 300);
  data.HideCaptionHint();
  EXPECT_FALSE(data.HintShown());
  EXPECT_FALSE(IsWindowVisible(hint));
  // Without the option no hint appears.
  data.Options &= ~(1u << skin::xoCaptionButtonHint);
  data.ShowCaptionHint(at, "关闭");
  EXPECT_FALSE(data.HintShown());
  EXPECT_FALSE(IsWindowVisible(hint));
}

TEST_F(SkinWinTest, SettingsReadBeforeLoadedOnlyStoreActive) {
  // A component owned by a form whose settings are still being read.
  fw::TComponent owner(nullptr);
  auto* data = new TSkinData(&owner);
  data->SetSkinFile(skintest::DefaultSkinPath());
  EXPECT_FALSE(data->SkinEmpty());
  data->SetActive(true);
  EXPECT_TRUE(data->Active());
  EXPECT_EQ(skin::SkinManager(), nullptr);  // nothing asked of a manager yet
  owner.NotifyLoaded();
  ASSERT_NE(skin::SkinManager(), nullptr);
  EXPECT_TRUE(skin::SkinManager()->HookInstalled());
  EXPECT_EQ(skin::SkinManager()->MainSkinData, data);
  EXPECT_EQ(skin::SkinManager()->PendingAction, skin::kActionSkinAll);
  EXPECT_TRUE(skin::SkinManager()->Enabled);  // no form attached yet: skin-all only enables
  EXPECT_FALSE(skin::SkinManager()->Timer()->Enabled());
}

TEST_F(SkinWinTest, ActiveWithoutALoadedSkinIsDroppedAtLoaded) {
  fw::TComponent owner(nullptr);
  auto* data = new TSkinData(&owner);
  data->SetActive(true);
  owner.NotifyLoaded();
  EXPECT_FALSE(data->Active());
  EXPECT_FALSE(skin::SkinManager()->Enabled);
}

TEST_F(SkinWinTest, ActiveBeforeSkinFileDoesNotStartSkinning) {
  TSkinData* data = NewSkinData();
  data->SetActive(true);
  EXPECT_TRUE(data->Active());
  EXPECT_FALSE(Manager().Enabled);
  EXPECT_FALSE(Manager().Timer()->Enabled());
  data->SetSkinFile(skintest::DefaultSkinPath());
  EXPECT_FALSE(data->SkinEmpty());
  EXPECT_FALSE(Manager().Enabled);
  fw::TForm* form = Form();
  skintest::Pump(400);
  EXPECT_EQ(Manager().FindFormSkin(form->Handle()), nullptr);
  EXPECT_TRUE(Manager().FormSkins().empty());
}

TEST_F(SkinWinTest, DialogComponentIgnoresActive) {
  TSkinData* main = NewSkinData(TSkinFormType::sfMainform, skintest::DefaultSkinPath());
  (void)main;
  TSkinData* dialog = NewSkinData(TSkinFormType::sfDialog, skintest::SecondSkinPath());
  // The refresh its skin file asked for has run.
  ASSERT_TRUE(skintest::PumpUntil([&] { return !Manager().Timer()->Enabled(); }));
  const int32_t state = Manager().ManagerState;
  const bool enabled = Manager().Enabled;
  dialog->SetActive(true);
  EXPECT_TRUE(dialog->Active());
  EXPECT_EQ(Manager().PendingSkinData, nullptr);
  EXPECT_EQ(Manager().ManagerState, state);
  EXPECT_EQ(Manager().Enabled, enabled);
  EXPECT_FALSE(Manager().Timer()->Enabled());
}

}  // namespace

namespace {

TEST_F(SkinWinTest, SkinFromTheStreamSwitchedOnAtRunTimeRegistersItsComponent) {
  const std::vector<uint8_t> file = FileBytes(skintest::DefaultSkinPath());
  TSkinData data(nullptr);
  data.ReadSkinStream(WithLength(static_cast<int32_t>(file.size()), file));
  ASSERT_FALSE(data.SkinEmpty());
  EXPECT_EQ(skin::SkinManager(), nullptr);
  data.SetActive(true);
  ASSERT_NE(skin::SkinManager(), nullptr);
  EXPECT_EQ(skin::SkinManager()->MainSkinData, &data);
  EXPECT_TRUE(skin::SkinManager()->HookInstalled());
  EXPECT_TRUE(skin::SkinManager()->Enabled);
  skin::DestroySkinManager();
}

}  // namespace
