#pragma once
// TSkinManage: the one object per process that decides which windows get skinned. A CBT hook on
// the user-interface thread sees windows being created, activated and destroyed; qualifying
// top-level windows get a form skin object, popup-menu windows a popup skin object, and the
// skin-all, unskin-all and refresh passes the skin data components ask for run from its timer.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/handles.h"
#include "framework/timer.h"

namespace fw {
class TCustomForm;
class TWinControl;
}  // namespace fw

namespace skin {

class LiveFormSkins;
class TSkinData;
class TWinSkinForm;
class TWinSkinPopMenu;  // popup-menu skin object; comes with the popup-menu painters

// Pending actions.
constexpr int32_t kActionSkinAll = 1;
constexpr int32_t kActionUnskinAll = 2;
constexpr int32_t kActionRefresh = 3;

// ManagerState values.
constexpr int32_t kManagerNoForm = 0;
constexpr int32_t kManagerActive = 1;
constexpr int32_t kManagerDestroying = 4;

class TSkinManage {
 public:
  TSkinManage();
  ~TSkinManage();
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  void InstallHook();
  void RegisterSkinData(TSkinData* data);
  void UnregisterSkinData(TSkinData* data);

  bool AddWindow(HWND window);
  void AddForm(fw::TCustomForm* form);
  TWinSkinForm* FindFormSkin(HWND window) const;
  void RemoveFormSkin(HWND window);
  void PurgeFormSkins();

  void AddPopupMenu(HWND window);
  void RemovePopupMenu(HWND window);
  bool IsPopupSkinned(HWND window) const;
  void MarkPopupsFromBar();
  void AssignPopupMenu(HMENU menu);
  HBITMAP PopupBitmapOf(HMENU menu) const;

  void SetMDIMaximized(bool flag);
  void RequestAction(int32_t action, uint32_t delayMs);
  void RunPendingAction();
  void ReloadForms();

  // The skin data that applies to a window of that class (nullptr: none).
  TSkinData* ChooseSkinData(HWND window, const std::string& className) const;

  fw::TTimer* Timer() const { return timer_.get(); }
  const std::vector<TWinSkinForm*>& FormSkins() const { return form_skins_; }
  const std::vector<TWinSkinPopMenu*>& PopupSkins() const { return popup_skins_; }
  const std::vector<TSkinData*>& SkinDatas() const { return skin_datas_; }
  TWinSkinPopMenu* FindPopupSkin(HWND window) const;
  // Whether a form skin object handed to this manager still exists (it may die with its form).
  bool IsLiveFormSkin(const TWinSkinForm* formSkin) const;
  bool HookInstalled() const { return static_cast<bool>(hook_); }

  bool Enabled = false;
  bool Forced = false;
  int32_t ManagerState = kManagerNoForm;
  int32_t MenuSourceMode = 0;  // 0 context popup, 1 menu bar, 2 system menu
  bool MenuFromBar = false;
  bool MDIMaximized = false;
  bool HideOnAttach = false;
  HWND MDIClient = nullptr;
  fw::TWinControl* MDIFrameControl = nullptr;
  int32_t PendingAction = 0;
  TSkinData* PendingSkinData = nullptr;
  TSkinData* MainSkinData = nullptr;
  int32_t ManagerTag = 0;

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wparam, LPARAM lparam);
  void OnHookCreate(HWND window, const CBT_CREATEWNDA& create);
  // Detaches and frees one form skin object (already taken out of FormSkins).
  void FreeFormSkin(TWinSkinForm* formSkin, bool detach);
  void DropFormSkinsOf(TSkinData* data);

  std::unique_ptr<LiveFormSkins> live_;
  std::unique_ptr<fw::TTimer> timer_;
  std::vector<TWinSkinForm*> form_skins_;
  std::vector<TWinSkinPopMenu*> popup_skins_;
  std::vector<TSkinData*> skin_datas_;
  std::vector<HWND> attaching_;  // windows whose form skin is being attached (re-entry guard)
  fw::UniqueHook hook_;
};

// The manager of this process: null until the first skin data component runs Loaded; it lives
// until the end of the process (or until DestroySkinManager).
TSkinManage* SkinManager();
TSkinManage& EnsureSkinManager();
// Runs the manager's destruction (as at process end): every form skin detached, hook removed.
void DestroySkinManager();
// True once the manager is being destroyed: the hook then only passes calls on.
bool HooksOff();

// Platform facts and optional user32 functions, looked up once at start.
struct SkinPlatform {
  bool IsNT = true;
  bool NotVersion6 = true;
  uint32_t WinVersion = 0;
  ATOM ControlAtom = 0;  // "ControlOfs%.8X%.8X" of the module instance and thread id
  decltype(&::GetScrollBarInfo) GetScrollBarInfo = nullptr;
  decltype(&::TrackMouseEvent) TrackMouseEvent = nullptr;
  decltype(&::GetComboBoxInfo) GetComboBoxInfo = nullptr;
};
const SkinPlatform& Platform();

// Wrappers: false / nothing when the platform lacks the function.
bool SkinGetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO* info);
void SkinTrackMouseLeave(HWND window);
bool SkinGetComboBoxInfo(HWND window, COMBOBOXINFO* info);

// The framework form whose handle is the window, else the framework control behind it, else null.
fw::TWinControl* FindVCLForm(HWND window);
fw::TWinControl* FindControl(HWND window);

// Class name of a window (at most 100 characters).
std::string WindowClassName(HWND window);
// ASCII lower case (class names).
std::string LowerAscii(std::string text);
// The module the skin engine is linked into.
HINSTANCE EngineModule();

}  // namespace skin
