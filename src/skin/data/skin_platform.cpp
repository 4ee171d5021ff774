// Platform facts the skin engine reads (NT family, version), the optional user32 functions looked
// up at run time, and the ways from a window handle to its framework control.
#include <cstdio>
#include <cstring>

#include "framework/forms.h"
#include "framework/wincontrol.h"
#include "skin/data/skin_manage.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace skin {
namespace {

// A function looked up by name, as its real type (through void* so no cast between function types).
template <class Fn>
Fn Lookup(HMODULE module, const char* name) {
  void* address = reinterpret_cast<void*>(GetProcAddress(module, name));
  Fn fn = nullptr;
  static_assert(sizeof fn == sizeof address);
  std::memcpy(&fn, &address, sizeof fn);
  return fn;
}

// Owns what Platform() acquired: the optional library and the control atom.
struct PlatformState {
  SkinPlatform facts;
  fw::UniqueModule user32;
  fw::UniqueAtom atom;

  PlatformState() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (GetVersionExA(&version)) {
      facts.IsNT = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
      facts.NotVersion6 = version.dwMajorVersion != 6;
    }
    facts.WinVersion = GetVersion();
#pragma GCC diagnostic pop
    char name[64];
    std::snprintf(name, sizeof name, "ControlOfs%.8X%.8X",
                  static_cast<unsigned>(reinterpret_cast<uintptr_t>(EngineModule())),
                  static_cast<unsigned>(GetCurrentThreadId()));
    atom.reset(GlobalAddAtomA(name));
    facts.ControlAtom = atom.get();
    user32.reset(LoadLibraryA("user32.dll"));
    if (user32) {
      facts.GetScrollBarInfo = Lookup<decltype(facts.GetScrollBarInfo)>(user32.get(), "GetScrollBarInfo");
      facts.TrackMouseEvent = Lookup<decltype(facts.TrackMouseEvent)>(user32.get(), "TrackMouseEvent");
      facts.GetComboBoxInfo = Lookup<decltype(facts.GetComboBoxInfo)>(user32.get(), "GetComboBoxInfo");
    }
  }
};

PlatformState& State() {
  static PlatformState state;
  return state;
}

}  // namespace

HINSTANCE EngineModule() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

const SkinPlatform& Platform() { return State().facts; }

bool SkinGetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO* info) {
  auto fn = Platform().GetScrollBarInfo;
  return fn && info && fn(window, objectId, info);
}

void SkinTrackMouseLeave(HWND window) {
  auto fn = Platform().TrackMouseEvent;
  if (!fn) return;
  TRACKMOUSEEVENT tme{};
  tme.cbSize = sizeof tme;  // 16 bytes in a 32-bit process, 24 in a 64-bit one
  tme.dwFlags = TME_LEAVE;
  tme.hwndTrack = window;
  fn(&tme);
}

bool SkinGetComboBoxInfo(HWND window, COMBOBOXINFO* info) {
  auto fn = Platform().GetComboBoxInfo;
  return fn && info && fn(window, info);
}

fw::TWinControl* FindVCLForm(HWND window) { return fw::FindVCLForm(window); }

fw::TWinControl* FindControl(HWND window) { return fw::FindControl(window); }

std::string WindowClassName(HWND window) {
  char name[101] = {};
  const int n = window ? GetClassNameA(window, name, sizeof name) : 0;
  return std::string(name, n > 0 ? static_cast<size_t>(n) : 0);
}

std::string LowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

}  // namespace skin
