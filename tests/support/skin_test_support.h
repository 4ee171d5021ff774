#pragma once
// Pieces shared by the Windows tests of the skin: the program's skins in the application folder
// and pumping this thread's messages while waiting.
#include <windows.h>

#include <functional>
#include <cstdint>
#include <string>
#include <vector>

#include "common/image.h"
#include "skin/data/colour.h"

namespace testsupport {

// Path of a skin in the application folder's "皮肤" (GBK at run time, as every narrow literal).
std::string DistSkinPath(const char* fileName);
// The program's own skin, 白兰_mxp1.skn: in the application folder, and relative to any
// application folder ("\\皮肤\\白兰_mxp1.skn").
std::string ProgramSkinPath();
std::string ProgramSkinInFolder();

// The whole file, or nothing when it cannot be read or is 64 MiB or more.
std::vector<uint8_t> ReadFileBytes(const std::string& path);

// Colour of a pixel of a screenshot, or -1 outside it.
skin::Colour ColourAt(const common::Image24& img, int x, int y);
// How many pixels of the screenshot within r have colour c.
int CountColour(const common::Image24& img, const RECT& r, skin::Colour c);

// A visible popup-menu window ("#32768") on the desktop, or null.
HWND OpenMenuWindow();

// The visible dialog windows ("#32770", such as message boxes) of this thread, in the order
// EnumThreadWindows gives them.
std::vector<HWND> VisibleThreadDialogs();

// Registers a window class of this module with the arrow cursor; the atom, or 0 (for instance
// when the class is registered already).
ATOM RegisterTestClass(const char* name, WNDPROC proc, HBRUSH background = nullptr, UINT style = 0);

// Pumps this thread's messages for about `ms` (at least once).
void PumpMessages(DWORD ms);
// Pumps until `done` answers true or `timeoutMs` passes; the last answer.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

}  // namespace testsupport
