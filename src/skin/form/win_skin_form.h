#pragma once
// TWinSkinForm: the skin object of one top-level window. It subclasses the window, owns its
// non-client area (frame size, border, caption, region) and gives everything back when the skin
// is switched off or the window dies. Caption buttons, the menu bar, the owner-drawn system menu
// and control skins plug into it.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/geometry.h"
#include "framework/component.h"
#include "framework/handles.h"
#include "framework/menus.h"
#include "framework/messages.h"
#include "framework/types.h"
#include "skin/form/frame_geometry.h"
#include "skin/form/win_sys_button.h"

namespace fw {
class TCanvas;
class TMenu;
class TMenuItem;
class TCustomForm;
class TWinControl;
class TTimer;
}  // namespace fw

namespace skin {

class TSkinData;
class TWinSkinMenu;
class TDataSkinObject;
struct MenuItemView;
struct FramePaintInput;

// Tag of the skinned system menu's popup.
constexpr int kSysMenuTag = 33333;

// SkinState values.
constexpr int32_t kSkinAttached = 0;
constexpr int32_t kSkinActive = 1;
constexpr int32_t kSkinRefreshing = 3;
constexpr int32_t kSkinDetaching = 4;
constexpr int32_t kSkinResizing = 5;
constexpr int32_t kSkinDead = 6;

// The theme engine's caption-draw message; swallowed so that it draws no native caption.
constexpr UINT kThemeCaptionDraw = 0xAE;

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
  bool HasThickFrame = false;
  FrameMetrics Metrics() const { return metrics_; }
  // The skinned menu bar (owned as a component), or null.
  TWinSkinMenu* MenuBar = nullptr;
  bool MenuTracking = false;
  HMENU TrackedMenu = nullptr;
  // Window rectangle in screen coordinates, refreshed on every frame paint.
  RECT ScreenRect{};

  // The window procedure in force before subclassing (null until subclassed).
  WNDPROC OldWindowProc() const { return old_window_proc_; }
  // The procedure installed by subclassing (one static procedure; the window leads to the object).
  static WNDPROC SkinWindowProc();
  bool Subclassed() const { return subclassed_; }

  // Further fields of the form skin.
  std::wstring CaptionSuffix = L"  ";
  std::wstring CaptionPrefix = L" ";
  RECT SavedClientRect{};
  RECT FrameDelta{};
  DWORD LastSysMenuClick = 0;
  int32_t DoubleClickTime = 0;
  int32_t CaptionTextWidth = 0;
  HWND OwnerWindow = nullptr;
  int32_t SmallIconSize = 16;
  std::wstring DialogCaption;
  common::Rect CaptionTextRect;
  common::Rect CaptionTextBox;
  int32_t RightButtonsWidth = 0;  // room of the right-aligned caption buttons
  HWND MdiClientWindow = nullptr;
  HMENU NativeMenu = nullptr;
  HMENU SystemMenu = nullptr;
  fw::TColor SavedColor = 0;
  uint32_t WindowStyle = 0;
  int32_t WindowWidth = 0;
  int32_t WindowHeight = 0;
  int32_t RegionWidth = 0;
  int32_t RegionHeight = 0;
  std::string ClassNameForEvents;
  fw::TTimer* HoverTimer = nullptr;  // owned as a component
  // The form object's handler before ours (empty when not hooked).
  fw::TWndMethod OldControlProc;

  HFONT CaptionFont() const { return caption_font_.get(); }
  HBITMAP IconBitmap() const { return icon_bitmap_.get(); }
  FrameTraits Traits() const;

  // Every message of the window comes here first (the three tables).
  LRESULT WindowProcedure(UINT msg, WPARAM wparam, LPARAM lparam);
  // The previous procedure's answer (CallWindowProcA/W by the window's character set).
  LRESULT PassOn(UINT msg, WPARAM wparam, LPARAM lparam);
  // PassOn, then `then()` unless the handling below destroyed this object.
  template <class Then>
  LRESULT PassOnThen(UINT msg, WPARAM wparam, LPARAM lparam, Then then) {
    auto alive = alive_;
    const LRESULT r = PassOn(msg, wparam, lparam);
    if (*alive) then();
    return r;
  }

  // Popup-menu items drawn by the skin: the handlers given to framework menu items and the painters
  // behind them and behind WM_MEASUREITEM / WM_DRAWITEM (form_menu_items.cpp).
  void MeasureMenuItem(fw::TObject* sender, fw::TCanvas* canvas, int& width, int& height);
  void MeasureMainMenuItem(fw::TObject* sender, fw::TCanvas* canvas, int& width, int& height);
  void DrawMenuItem(fw::TObject* sender, fw::TCanvas* canvas, RECT r, bool selected);
  void DrawRawMenuItem(HMENU menu, UINT id, fw::TCanvas* canvas, RECT r, bool selected);
  void DrawFlatMenuItem(const MenuItemView& item, HDC dc, RECT r, bool selected);
  void DrawItemContent(const MenuItemView& item, HDC dc, RECT r, bool selected);
  // Item ownership: the form's popup menus (not those tagged DisableTag) and main menus.
  void SetPopupOwnerDraw(fw::TComponent* component, bool on);
  void SetMainMenuOwnerDraw(fw::TComponent* component, bool on);
  // One popup menu's items get (or lose) the popup handlers; the menu is owner-drawn meanwhile.
  void ApplyPopupHandlers(fw::TPopupMenu& popup, bool on);
  void RestoreMenuDrawing();

  // Border sizes from the skin (and, later, the caption buttons).
  void ComputeBorders();
  void BuildIconBitmap();
  void ReadWindowState();

  // Caption buttons: one per caption-button definition of the skin, in definition order (also the
  // order in which a point finds them), made again with the borders; the one under the mouse.
  std::vector<std::unique_ptr<TWinSysButton>> CaptionButtons;
  TWinSysButton* HotObject = nullptr;
  int32_t CaptionButtonCount() const { return static_cast<int32_t>(CaptionButtons.size()); }
  // How long the mouse has rested on the hot caption button (grows by the hover timer's interval).
  int32_t HintTime = 0;
  // The button HintTime counts for: a new hover starts when another button becomes hot.
  TWinSysButton* HintButton = nullptr;
  // The owner-drawn replacement of the system menu, made anew at each opening.
  fw::TPopupMenu* SystemMenuPopup() const { return system_menu_popup_.get(); }

  void CreateCaptionButtons();
  // Visible and Enabled of one button (both visibility codes, then the action's rule).
  bool IsButtonVisible(int index);
  // Places the visible buttons; captionTextBox is the caption text's box of this paint.
  void LayoutButtons(const common::Rect& captionTextBox);
  // Into the caption strip (window coordinates): the buttons in their caption frames and the icon.
  void DrawButtons(HDC strip, const common::Rect& captionTextRect);
  // The first visible caption button with an action whose rectangle holds the point, or null.
  TWinSysButton* ButtonAt(common::Point windowPoint);
  // Runs the hot button's action.
  void ClickButton();
  bool CanClose() const;
  void Maximize();
  void Minimize();
  void Restore();
  // Opens the skinned system menu at a screen point; a second call within the double-click time
  // closes the window instead (while a caption button is hot).
  void ShowSystemMenu(POINT screen);
  void BuildSystemMenu();
  // A caption button repainted on the window in the frame of its state.
  void PaintCaptionButton(TWinSysButton& button);
  // The caption-button hint goes and its timing starts again.
  void HideButtonHint();

 private:
  friend struct FormProcAccess;
  void DeriveFields();
  void Subclass();
  void Unsubclass();
  void HookControlProc();
  void UnhookControlProc();
  void SubclassMdiClient();
  void UnsubclassMdiClient();
  void Activate();
  void FreeMenuBar(bool restoreNative);
  void ReleaseHandlers();
  void RestoreClientPlacement(const RECT& clientOnScreen);
  void HoverTick();
  void CreateMenuBar();
  std::vector<fw::TCustomForm*> OwnedForms() const;
  bool Destroying() const;

  // Message handling pieces.
  LRESULT FirstTable(UINT msg, WPARAM wparam, LPARAM lparam, bool& handled);
  LRESULT SecondTable(UINT msg, WPARAM wparam, LPARAM lparam, bool& handled);
  LRESULT ThirdTable(UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT OnSize(WPARAM wparam, LPARAM lparam);
  LRESULT OnNcCalcSize(WPARAM wparam, LPARAM lparam);
  LRESULT OnNcHitTest(WPARAM wparam, LPARAM lparam);
  LRESULT OnNcPaint(WPARAM wparam, LPARAM lparam);
  LRESULT OnNcActivate(WPARAM wparam, LPARAM lparam);
  LRESULT OnNcMouse(UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT OnSysCommand(WPARAM wparam, LPARAM lparam);
  LRESULT OnMenuChanged(UINT msg, WPARAM wparam, LPARAM lparam, bool fromForm);
  void OpenMenuAt(POINT screen);
  void FormHandler(fw::TMessage& msg);
  bool FormDialogChar(fw::TMessage& msg);
  // Menu items (form_menu_items.cpp).
  LRESULT OnMeasureItem(WPARAM wparam, LPARAM lparam);
  LRESULT OnDrawItem(WPARAM wparam, LPARAM lparam);
  bool MenuSkinValid() const;
  const TDataSkinObject* MenuItemSkin() const;
  COLORREF MenuColour(int index) const;
  COLORREF TextColour(const MenuItemView& item, bool selected) const;
  fw::TMenu* BarFrameworkMenu() const;
  void SetItemHandlers(fw::TMenuItem* item, bool mainMenu, bool on);
  void PaintSkinnedItem(const MenuItemView& item, HDC dc, RECT r, bool selected, bool separators);
  common::Rect DrawMenuText(const MenuItemView& item, HDC dc, const common::Rect& itemRect, const common::Rect& box,
                            const std::string& text, bool selected, bool shortcut);
  LRESULT MdiClientProcedure(HWND client, UINT msg, WPARAM wparam, LPARAM lparam);
  // Caption buttons in the frame paint: visibility, the room on the right, the drawing callback.
  void PrepareCaptionButtons(FramePaintInput& in);
  // Hint, hot button and system-menu popup let go when the skin leaves the window.
  void DropCaptionState();
  void SetSystemMenuOwnerDraw(fw::TPopupMenu& popup);
  void DrawIconButton(HDC dc, const TWinSysButton& button, const common::Rect& captionTextRect);
  common::Point WindowPointFromScreen(POINT screen) const;

  static LRESULT CALLBACK StaticProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK StaticMdiClientProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

  FrameMetrics metrics_;
  WNDPROC old_window_proc_ = nullptr;
  bool subclassed_ = false;
  bool attached_ = false;
  bool control_proc_hooked_ = false;
  bool activated_once_ = false;
  bool hidden_on_attach_ = false;
  bool saved_menu_update_ = true;
  bool had_sysmenu_style_ = false;
  bool color_saved_ = false;
  int32_t menu_removed_height_ = 0;  // the native client grew by this when the menu went
  WNDPROC old_mdi_client_proc_ = nullptr;
  fw::UniqueFont caption_font_;
  fw::UniqueBitmap icon_bitmap_;
  // Shared so that a popup being shown outlives a detach that runs inside its menu loop.
  std::shared_ptr<fw::TPopupMenu> system_menu_popup_;
  // The caption strip as composed before the buttons were drawn on it: the background a caption
  // button repaints over when its state changes.
  fw::UniqueBitmap caption_background_;
  common::Size caption_background_size_;
  // Screen point of the last non-client mouse message.
  POINT last_nc_point_{};
  // Cleared when the object goes: handlers still bound to it then only forward.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// Tool-bar painters (set up by the control classification for tool bars without their own).
// Background: the skin's tool-bar background stretched over r, unless missing or xoToolbarBK.
void PaintToolBarBack(const TWinSkinForm& form, HDC dc, const RECT& r);
// Custom-draw state bits are the platform's CDIS_* values. True when the button was drawn; the
// text colour the button asks for goes to textColor (unchanged when the skin gives none).
bool PaintToolButton(const TWinSkinForm& form, HDC dc, const RECT& bounds, UINT itemState, COLORREF& textColor);

}  // namespace skin
