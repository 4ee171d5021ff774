#include <windows.h>

#include "skin/data/system_info.h"

namespace skin {

Colour SystemColour(int index) { return static_cast<Colour>(GetSysColor(index) & 0xFFFFFF); }

int HorzScrollArrowWidth() { return GetSystemMetrics(SM_CXHSCROLL); }

}  // namespace skin
