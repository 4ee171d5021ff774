#pragma once
// Screenshots for Windows tests: what is on the screen (the Wine virtual desktop under Xvfb), whole
// or cut to one window's outer rectangle, saved as PNG.
#include <windows.h>

#include <string>

#include "common/image.h"

namespace testsupport {

// The screen, or the part covered by hwnd's window rectangle when hwnd is not null.
common::Image24 CaptureScreen(HWND hwnd = nullptr);
bool SaveScreenshotPng(HWND hwnd, const std::string& path);

// Colour of one screen pixel as 0x00BBGGRR.
COLORREF ScreenPixel(int x, int y);

}  // namespace testsupport
