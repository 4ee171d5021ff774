// The real program with its skin on, driven from outside with real mouse and keyboard input: an
// entry applied through the skinned menu bar's "编辑  " drop-down, by mouse and by keyboard (F10,
// arrows, Enter), the drop-down following the mouse along the bar, and the program ended through the tray menu's "退出", which puts the start
// value of ProgramFilesDir back.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/program_driver.h"
#include "skin/data/skin_load.h"
#include "skin/form/menu_bar_layout.h"
#include "support/input.h"
#include "support/paths.h"
#include "support/screenshot.h"
#include "support/skin_test_support.h"

namespace {

using driver::AppFolder;
using driver::Program;

constexpr DWORD kWait = 20000;
const char* const kBarCaptions[] = {"  文件  ", "编辑  ", "选项  ", "帮助  ", "友情链接"};
constexpr int kEditMenu = 1;

// ---- real input

using testsupport::MoveTo;

// A move, a pause for the window to see the pointer there, then press and release.
void ClickAt(POINT p, bool right = false) {
  MoveTo({p.x + 1, p.y});
  Sleep(60);
  MoveTo(p);
  Sleep(120);
  testsupport::SendClick(p, right);
}

void PressKey(WORD vk) {
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = vk;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof(INPUT));
  Sleep(250);
}

// Wine now and then does not turn a synthetic input into a message, so an action is repeated
// until its effect shows; each wait is long enough that a late effect is not undone by a repeat.
template <class Act, class Seen>
bool RepeatUntil(Act act, Seen seen, int attempts = 4, DWORD wait = 2000) {
  for (int i = 0; i < attempts; ++i) {
    if (seen()) return true;
    act();
    if (driver::WaitFor(wait, seen)) return true;
  }
  return seen();
}

// ---- windows of the program

struct PopupSearch {
  DWORD pid;
  HWND found;
};

// The visible popup-menu window ("#32768") of the process, if one is open.
HWND OpenPopup(DWORD pid) {
  PopupSearch s{pid, nullptr};
  EnumWindows(
      [](HWND w, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<PopupSearch*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        char cls[16] = {};
        GetClassNameA(w, cls, sizeof cls);
        if (owner != s->pid || std::string(cls) != "#32768" || !IsWindowVisible(w)) return TRUE;
        s->found = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

RECT WindowRect(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

std::wstring Wide(const std::string& gbk) {
  const int n = MultiByteToWideChar(CP_ACP, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(std::max(n, 0)), L'\0');
  MultiByteToWideChar(CP_ACP, 0, gbk.data(), static_cast<int>(gbk.size()), out.data(), n);
  return out;
}

// The system menu font, the one the skinned bar and the menu items are measured with.
HFONT NewMenuFont() {
  NONCLIENTMETRICSA ncm{};
  ncm.cbSize = 340;
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &ncm, 0)) return nullptr;
  return CreateFontIndirectA(&ncm.lfMenuFont);
}

// The bar items' places on the screen, worked out as the skinned bar lays them out: the strip
// lies between the caption and the client area, SM_CYMENU high; the items follow each other
// from the skin's start offset, each as wide as its caption in the menu font plus 10.
std::vector<RECT> BarItems(HWND main, const skin::SkinDefinition& skin) {
  RECT wr = WindowRect(main), cr{};
  GetClientRect(main, &cr);
  POINT client{0, 0};
  ClientToScreen(main, &client);
  const int W = wr.right - wr.left, H = wr.bottom - wr.top;
  const int barHeight = GetSystemMetrics(SM_CYMENU);
  const int left = client.x - wr.left, top = client.y - wr.top - barHeight;
  const int right = W - left - cr.right;
  const skin::Rect strip = skin::MenuBarStrip({W, H}, left, top, right, barHeight);
  const skin::TDataSkinObject* image = skin.MenuBarSkin.get();
  const bool has = image && !image->Bitmap.Empty();
  const int offset = skin::MenuBarStartOffset(has, has ? image->LeftWidth : 0, has ? image->RightWidth : 0, false,
                                              strip.Width());
  HDC dc = GetDC(nullptr);
  HFONT font = NewMenuFont();
  HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  std::vector<skin::MenuBarCell> cells;
  for (const char* caption : kBarCaptions) {
    const std::wstring text = Wide(caption);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_NOCLIP);
    cells.push_back({skin::MenuButtonWidth(r.right - r.left), true});
  }
  SelectObject(dc, old);
  if (font) DeleteObject(font);
  ReleaseDC(nullptr, dc);
  std::vector<RECT> out;
  for (const skin::Rect& r : skin::LayOutMenuButtons(strip, offset, cells, false))
    out.push_back({wr.left + r.left, wr.top + r.top, wr.left + r.right, wr.top + r.bottom});
  return out;
}

// Height of a text menu item as the program measures it: the caption's height in the menu font
// + 4, at least a 16-pixel image + 3. Separators are 5 high.
int ItemHeight(const std::string& caption) {
  HDC dc = GetDC(nullptr);
  HFONT font = NewMenuFont();
  HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SIZE s{};
  GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &s);
  SelectObject(dc, old);
  if (font) DeleteObject(font);
  ReleaseDC(nullptr, dc);
  return std::max<int>(s.cy + 4, 16 + 3);
}
constexpr int kSeparatorHeight = 5;

// The centre of a drop-down item: `items` text items and `lines` separators come before it. The
// menu's own margin above the first item is what its height leaves over beyond the items.
POINT DropDownItem(HWND popup, int itemHeight, int items, int lines, int totalItems, int totalLines) {
  const RECT r = WindowRect(popup);
  const int content = totalItems * itemHeight + totalLines * kSeparatorHeight;
  const int spare = (r.bottom - r.top) - content;
  const int top = std::clamp(spare / 2 + (spare % 2), 0, 8);
  return {(r.left + r.right) / 2, r.top + top + items * itemHeight + lines * kSeparatorHeight + itemHeight / 2};
}

// The taskbar's notification area: where a new icon appeared between two pictures of the
// taskbar, looked for in its right quarter (the window buttons are on the left).
std::optional<RECT> NewTrayIcon(HWND taskbar, const common::Image24& before) {
  const common::Image24 now = testsupport::CaptureScreen(taskbar);
  if (now.width != before.width || now.height != before.height || now.empty()) return std::nullopt;
  RECT box{now.width, now.height, -1, -1};
  for (int y = 0; y < now.height; ++y)
    for (int x = now.width * 3 / 4; x < now.width; ++x)
      if (!std::equal(now.Pixel(x, y), now.Pixel(x, y) + 3, before.Pixel(x, y))) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
  if (box.right < 0) return std::nullopt;
  const RECT tr = WindowRect(taskbar);
  return RECT{tr.left + box.left, tr.top + box.top, tr.left + box.right, tr.top + box.bottom};
}

void Shot(const char* name) { testsupport::SaveScreenshotPng(nullptr, testsupport::ArtifactPath(name)); }

bool Skinned(HWND w) {
  DWORD_PTR answer = 0;
  return SendMessageTimeoutA(w, 0x3523 /* XM_ISSKINNED */, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer) && answer == 1;
}

// One run of the skinned program in a fresh application folder holding its skin and a list of two
// existing folders; the registry value is put back afterwards whatever happens.
class SkinnedMenusE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.ok()) << folder.path();
    ASSERT_TRUE(CreateDirectoryA(folder.File("皮肤").c_str(), nullptr));
    const std::string skinFile = testsupport::ProgramSkinInFolder();
    ASSERT_TRUE(CopyFileA(testsupport::ProgramSkinPath().c_str(),
                          (folder.path() + skinFile).c_str(), FALSE));
    auto bytes = driver::ReadBytes(folder.path() + skinFile);
    ASSERT_TRUE(bytes.has_value());
    ASSERT_EQ(skin::LoadSkinFile({reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size()}, skin),
              skin::ReadStatus::Ok);
    auto start = driver::ReadProgramFilesDir();
    ASSERT_TRUE(start.has_value());
    startValue = *start;
    for (const char* name : {"软件甲", "软件乙"}) {
      entries.push_back(folder.File(name));
      ASSERT_TRUE(CreateDirectoryA(entries.back().c_str(), nullptr));
    }
    // Auto restore on; the list as the user left it.
    ASSERT_TRUE(driver::WriteBytes(folder.File("set"), "1\r\n" + entries[0] + "\r\n" + entries[1] + "\r\n"));
  }
  void TearDown() override { driver::WriteProgramFilesDir(startValue); }

  AppFolder folder;
  skin::SkinDefinition skin;
  std::string startValue;
  std::vector<std::string> entries;
};

TEST_F(SkinnedMenusE2E, BarByMouseAndKeyboardAppliesAnEntryAndTheTrayMenuEndsTheProgram) {
  // The desktop, and with it the taskbar, comes up with the first window-station user; the
  // notification area is photographed before the program puts its icon there.
  GetDesktopWindow();
  HWND taskbar = nullptr;
  driver::WaitFor(kWait, [&] { return (taskbar = FindWindowA("Shell_TrayWnd", nullptr)) != nullptr; });
  Sleep(300);  // its first paint
  const common::Image24 taskbarBefore = taskbar ? testsupport::CaptureScreen(taskbar) : common::Image24{};

  Program program(folder);
  ASSERT_TRUE(program.started());
  const DWORD pid = program.pid();
  HWND main = driver::WaitForMainWindow(pid, kWait);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(driver::WaitFor(kWait, [&] { return Skinned(main) && GetMenu(main) == nullptr; }))
      << "the main window was not skinned";
  HWND list = driver::FindChild(main, "TListBox");
  HWND edit = driver::FindChild(main, "TLabeledEdit");
  ASSERT_NE(list, nullptr);
  ASSERT_NE(edit, nullptr);
  ASSERT_EQ(driver::ReadList(list).entries, entries);
  Sleep(500);  // the skin's first paint
  Shot("e2e_1_started.png");

  // 1. The first entry picked with the mouse, then "编辑  " > "设定当前 Program Files 的路径".
  const int row = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  ASSERT_GT(row, 0);
  auto clickEntry = [&](int index) {
    POINT at{20, index * row + row / 2};
    ClientToScreen(list, &at);
    return RepeatUntil([&] { ClickAt(at); }, [&] { return driver::ReadList(list).selected == index; });
  };
  ASSERT_TRUE(clickEntry(0)) << "the list did not take the click";
  const std::vector<RECT> bar = BarItems(main, skin);
  const RECT editItem = bar[kEditMenu];
  HWND popup = nullptr;
  ASSERT_TRUE(RepeatUntil([&] { ClickAt(Centre(editItem)); }, [&] { return (popup = OpenPopup(pid)) != nullptr; }))
      << "no drop-down after clicking the bar at " << Centre(editItem).x << "," << Centre(editItem).y;
  const RECT dropDown = WindowRect(popup);
  EXPECT_LE(std::abs(dropDown.left - editItem.left), 4) << "the drop-down does not hang below 编辑";
  EXPECT_LE(std::abs(dropDown.top - editItem.bottom), 4);
  const int itemHeight = ItemHeight("设定当前 Program Files 的路径");
  // 增加, 修改 and three separators above it; six items and five separators in all.
  const POINT apply = DropDownItem(popup, itemHeight, 2, 2, 6, 5);
  MoveTo(apply);
  Sleep(400);
  Shot("e2e_2_edit_drop_down.png");
  ASSERT_TRUE(RepeatUntil([&] { ClickAt(apply); }, [&] { return driver::ReadProgramFilesDir() == entries[0]; }))
      << "ProgramFilesDir: " << driver::ReadProgramFilesDir().value_or("(none)");
  EXPECT_TRUE(driver::WaitFor(kWait, [&] { return driver::WindowText(edit) == entries[0]; }));
  EXPECT_TRUE(driver::WaitFor(kWait, [&] { return OpenPopup(pid) == nullptr; }));
  Sleep(300);
  Shot("e2e_3_applied_by_mouse.png");

  // Moving the mouse along the bar while a drop-down is open switches to the item under it;
  // Escape closes it.
  auto dropDownUnder = [&](size_t i) {
    HWND now = OpenPopup(pid);
    return now && std::abs(WindowRect(now).left - bar[i].left) <= 4;
  };
  ASSERT_TRUE(RepeatUntil([&] { ClickAt(Centre(bar[0])); }, [&] { return dropDownUnder(0); }));
  int jiggle = 0;
  EXPECT_TRUE(RepeatUntil([&] { MoveTo({Centre(bar[2]).x + (++jiggle & 1), Centre(bar[2]).y}); },
                          [&] { return dropDownUnder(2); }, 6, 1000))
      << "the drop-down did not follow the mouse to 选项";
  Shot("e2e_4_moved_along_bar.png");
  ASSERT_TRUE(RepeatUntil([&] { PressKey(VK_ESCAPE); }, [&] { return OpenPopup(pid) == nullptr; }));

  // 2. The second entry, then F10 opens the first drop-down; Left goes round from the first item
  // to the last and on to "编辑  "; Down twice past 修改 to 设定, Enter.
  ASSERT_TRUE(clickEntry(1));
  ASSERT_TRUE(RepeatUntil([&] { PressKey(VK_F10); }, [&] { return OpenPopup(pid) != nullptr; }))
      << "F10 opened no drop-down";
  EXPECT_TRUE(dropDownUnder(0)) << "F10 opens the first item's drop-down";
  Shot("e2e_5_f10.png");
  for (size_t to : {size_t{4}, size_t{3}, size_t{2}, size_t{1}}) {
    Sleep(300);  // the bar selects the drop-down's first item itself
    ASSERT_TRUE(RepeatUntil([&] { PressKey(VK_LEFT); }, [&] { return dropDownUnder(to); }))
        << "Left did not move to bar item " << to;
  }
  Sleep(300);
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  Shot("e2e_6_keyboard_on_apply.png");
  PressKey(VK_RETURN);
  EXPECT_TRUE(driver::WaitFor(kWait, [&] { return driver::ReadProgramFilesDir() == entries[1]; }))
      << "ProgramFilesDir: " << driver::ReadProgramFilesDir().value_or("(none)");
  EXPECT_TRUE(driver::WaitFor(kWait, [&] { return driver::WindowText(edit) == entries[1]; }));
  EXPECT_TRUE(driver::WaitFor(kWait, [&] { return OpenPopup(pid) == nullptr; }));
  Shot("e2e_7_applied_by_keyboard.png");
  // Alt alone opens the first drop-down as F10 does.
  EXPECT_TRUE(RepeatUntil([&] { PressKey(VK_MENU); }, [&] { return dropDownUnder(0); })) << "Alt opened no drop-down";
  ASSERT_TRUE(RepeatUntil([&] { PressKey(VK_ESCAPE); }, [&] { return OpenPopup(pid) == nullptr; }));

  // 3. The tray icon's menu, "退出": the program ends with 0 and the start value is back.
  ASSERT_NE(taskbar, nullptr) << "no taskbar on this desktop";
  std::optional<RECT> icon;
  ASSERT_TRUE(driver::WaitFor(kWait, [&] { return (icon = NewTrayIcon(taskbar, taskbarBefore)).has_value(); }))
      << "no tray icon appeared in the notification area";
  ASSERT_TRUE(RepeatUntil([&] { ClickAt(Centre(*icon), true); }, [&] { return (popup = OpenPopup(pid)) != nullptr; }))
      << "right click on the tray icon at " << Centre(*icon).x << "," << Centre(*icon).y << " opened no menu";
  // "恢复系统原来的设置", a separator, "退出", a closing separator.
  const POINT quit = DropDownItem(popup, ItemHeight("退出"), 1, 1, 2, 2);
  MoveTo(quit);
  Sleep(400);
  Shot("e2e_8_tray_menu.png");
  ASSERT_TRUE(RepeatUntil([&] { ClickAt(quit); }, [&] { return !program.Running(); }, 3, 4000))
      << "the program did not end after 退出";
  EXPECT_TRUE(program.WaitForExit(kWait)) << "exit code not 0";
  EXPECT_EQ(driver::ReadProgramFilesDir(), startValue);
  EXPECT_EQ(driver::ReadBytes(folder.File("set")), "1\r\n" + entries[0] + "\r\n" + entries[1] + "\r\n");
  Shot("e2e_9_ended.png");
}

}  // namespace
