#pragma once
// Resource names shared by the resource script and the code that loads them.
#define IDI_MAINICON 1
#define IDB_MENU_IMAGES 101
#define IDR_ABOUT_JPEG 102
