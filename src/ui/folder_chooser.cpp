#include "ui/folder_chooser.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

namespace ui {
namespace {

constexpr UINT kFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;  // 0x41
constexpr std::size_t kPathBuffer = 264;

// The callback reads the start folder of the running call from here.
std::string g_startFolder;

int CALLBACK SelectStartFolder(HWND dialog, UINT msg, LPARAM, LPARAM) {
  if (msg == BFFM_INITIALIZED)
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(g_startFolder.c_str()));
  return 0;
}

// Frees the shell's item list when the call ends.
struct ItemList {
  LPITEMIDLIST pidl;
  ~ItemList() {
    if (pidl) CoTaskMemFree(pidl);
  }
};

// The new dialog style needs COM in a single-threaded apartment for the call.
struct ComApartment {
  HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ~ComApartment() {
    if (SUCCEEDED(hr)) CoUninitialize();
  }
};

}  // namespace

std::string ChooseFolder(const std::string& prompt, const std::string& startFolder) {
  ComApartment com;
  g_startFolder = startFolder;
  char path[kPathBuffer] = {};
  BROWSEINFOA info{};
  info.hwndOwner = nullptr;
  info.pidlRoot = nullptr;
  info.pszDisplayName = path;
  info.lpszTitle = prompt.c_str();
  info.ulFlags = kFlags;
  if (!startFolder.empty()) info.lpfn = SelectStartFolder;
  info.lParam = 0;
  ItemList chosen{SHBrowseForFolderA(&info)};
  if (!chosen.pidl) return {};
  std::memset(path, 0, sizeof path);
  if (!SHGetPathFromIDListA(chosen.pidl, path)) return {};
  path[kPathBuffer - 1] = '\0';  // bounded however the shell filled it
  return std::string(path, strnlen(path, 261));
}

}  // namespace ui
