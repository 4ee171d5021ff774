#pragma once
// TWinSkinForm: the skin object of one top-level window. It subclasses the window, owns its
// non-client area (frame size, border, caption, region) and gives everything back when the skin
// is switched off or the window dies. Caption buttons, the menu bar, the owner-drawn system menu
// and control skins plug into it.
#include <windows.h>

#include <cstdint>
#include <string>

#include "common/geometry.h"
#include "framework/component.h"
#include "framework/handles.h"
#include "skin/form/frame_geometry.h"

namespace fw {
class TCustomForm;
class TWinControl;
class TTimer;
}  // namespace fw

namespace skin {

class TSkinData;
class TWinSkinMenu;

// SkinState values.
constexpr int32_t kSkinAttached = 0;
constexpr int32_t kSkinActive = 1;
constexpr int32_t kSkinRefreshing = 3;
constexpr int32_t kSkinDetaching = 4;
constexpr int32_t kSkinResizing = 5;
constexpr int32_t kSkinDead = 6;

class TWinSkinForm : public fw::TComponent {
  FW_CLASS()
 public:
  // owner: the framework form (the object dies with it), or null for a foreign window.
  explicit TWinSkinForm(fw::TComponent* owner);
  ~TWinSkinForm() override;

  // Set by the manager before attaching.
  HWND WindowHandle = nullptr;
  int32_t ManagerTag = 0;
  std::string WindowClassName;

  void AttachToForm(TSkinData* data, fw::TCustomForm* form);
  void Attach(TSkinData* data);
  void Detach();
  void DetachOnDestroy();
  void Unskin();

  // The skin objects changed (a new skin was loaded): borders and caption buttons are made again.
  void ReloadSkin();
  // XM_RESKIN: colours, popup ownership and frame size follow the new skin.
  void Refresh();
  void ApplyFrameSize(bool refresh);
  void RepaintFrame(HDC dc = nullptr);
  void BuildRegion();
  // The manager's maximized-MDI-child broadcast.
  void SetMDIMaximizedDrawing(bool maximized);
  // A new "ScrollBar" size grip under this window (control classification joins later).
  void ClassifyWindow(HWND window);

  int32_t SkinState = kSkinAttached;
  TSkinData* SkinDataRef = nullptr;
  fw::TWinControl* FormControl = nullptr;
  int32_t FormKind = kFormPlain;
  int32_t BorderKind = kBorderSizeable;
  int32_t WindowState = kStateNormal;
  uint32_t FrameFeatures = 0;
  bool SkinFrame = false;
  bool IsActive = true;
  bool IsDialog = false;
  bool IsChild = false;
  bool IsUnicode = false;
  bool RightToLeft = false;
  FrameMetrics Metrics() const { return metrics_; }
  // The skinned menu bar (owned as a component), or null.
  TWinSkinMenu* MenuBar = nullptr;
  bool MenuTracking = false;
  HMENU TrackedMenu = nullptr;
  // Window rectangle in screen coordinates, refreshed on every frame paint.
  RECT ScreenRect{};

  // The window procedure in force before subclassing (null until subclassed).
  WNDPROC OldWindowProc() const { return old_window_proc_; }

 private:
  // Filled by the form skin object's implementation.
  FrameMetrics metrics_;
  WNDPROC old_window_proc_ = nullptr;
};

}  // namespace skin
