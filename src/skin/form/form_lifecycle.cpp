// Life of a form skin object: creation, attaching to a window (fields derived from its styles,
// subclassing, menu bar, frame sizes), activation, refresh, and the three ways of giving the
// window back (Detach, DetachOnDestroy, Unskin).
#include <algorithm>
#include <cstddef>

#include "framework/forms.h"
#include "framework/timer.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_manage.h"
#include "skin/form/form_internal.h"
#include "skin/form/skin_messages.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_menu.h"

namespace skin {

FW_DEFINE_CLASS(TWinSkinForm, fw::TComponent)

namespace {

// The caption font of the system's non-client metrics (the record without its last field, as the
// older platforms know it).
fw::UniqueFont MakeCaptionFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return {};
  return fw::UniqueFont(CreateFontIndirectA(&metrics.lfCaptionFont));
}

bool IsWindows2000() {
  const DWORD version = GetVersion();
  const bool nt = (version & 0x80000000u) == 0;
  return nt && LOBYTE(LOWORD(version)) > 4 && HIBYTE(LOWORD(version)) == 0;
}

RECT ClientOnScreen(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

TWinSkinForm::TWinSkinForm(fw::TComponent* owner) : fw::TComponent(owner) {
  DoubleClickTime = static_cast<int32_t>(GetDoubleClickTime());
  SmallIconSize = GetSystemMetrics(SM_CXSMICON);
  caption_font_ = MakeCaptionFont();
}

TWinSkinForm::~TWinSkinForm() {
  // Freed while its window lives on (not through Detach): the window gets everything back, as a
  // detach would give it; a dying window or form only loses the handlers.
  if (attached_ && SkinState != kSkinDead) {
    if (!Destroying()) Detach();
    ReleaseHandlers();
  }
  *alive_ = false;
  UnsubclassMdiClient();
  if (HoverTimer) HoverTimer->SetEnabled(false);
  MenuBar = nullptr;
  HoverTimer = nullptr;
  DestroyComponents();
  if (TSkinManage* manager = SkinManager(); manager && WindowHandle) {
    const auto& list = manager->FormSkins();
    for (TWinSkinForm* f : list) {
      if (f == this) {
        manager->RemoveFormSkin(WindowHandle);
        break;
      }
    }
  }
}

bool TWinSkinForm::Destroying() const {
  if (SkinState == kSkinDetaching || SkinState == kSkinDead) return true;
  if (!IsWindow(WindowHandle)) return true;
  if (FormControl && (FormControl->ComponentState() & fw::csDestroying)) return true;
  return (ComponentState() & fw::csDestroying) != 0;
}

FrameTraits TWinSkinForm::Traits() const {
  FrameTraits t;
  t.BorderKind = BorderKind;
  t.FormKind = FormKind;
  t.WindowState = WindowState;
  t.FrameFeatures = FrameFeatures;
  t.IsActive = IsActive;
  t.RightToLeft = RightToLeft;
  t.IsPopup = (WindowStyle & WS_POPUP) != 0;
  t.IsDialog = IsDialog;
  return t;
}

void TWinSkinForm::ReadWindowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(WindowHandle, &placement)) return;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
    case SW_SHOWNA:
      WindowState = kStateMinimized;
      break;
    case SW_SHOWMAXIMIZED:
      WindowState = kStateMaximized;
      break;
    default:
      WindowState = kStateNormal;
  }
}

void TWinSkinForm::DeriveFields() {
  const HWND w = WindowHandle;
  const DWORD style = static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(w, GWL_EXSTYLE));
  WindowStyle = style;
  if (WindowClassName.empty()) WindowClassName = skin::WindowClassName(w);
  if (ClassNameForEvents.empty()) ClassNameForEvents = WindowClassName;
  IsDialog = WindowClassName == "#32770" || WindowClassName == "TMessageForm";
  IsChild = (style & WS_CHILD) != 0;
  HasThickFrame = (style & WS_THICKFRAME) != 0;
  RightToLeft = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
  OwnerWindow = GetWindow(w, GW_OWNER);

  FormKind = kFormPlain;
  MdiClientWindow = nullptr;
  if (exStyle & WS_EX_MDICHILD) {
    FormKind = kFormMdiChild;
  } else if (HWND client = FindWindowExA(w, nullptr, "MDIClient", nullptr)) {
    FormKind = kFormMdiFrame;
    MdiClientWindow = client;
  }

  FrameFeatures = 0;
  if ((style & WS_SYSMENU) || GetSystemMenu(w, FALSE)) FrameFeatures |= kFeatureSystemMenu;
  if (style & WS_MINIMIZEBOX) FrameFeatures |= kFeatureMinimizeBox;
  if (style & WS_MAXIMIZEBOX) FrameFeatures |= kFeatureMaximizeBox;
  if (exStyle & WS_EX_CONTEXTHELP) FrameFeatures |= kFeatureContextHelp;
  if (IsWindows2000() && ((exStyle & WS_EX_APPWINDOW) || (!OwnerWindow && FormKind != kFormMdiChild)))
    FrameFeatures |= kFeatureKeepSysMenu;
  had_sysmenu_style_ = (style & WS_SYSMENU) != 0;

  // A window without a whole caption keeps its native frame, whatever else its styles say.
  if ((style & WS_CAPTION) != WS_CAPTION) {
    BorderKind = kBorderNone;
  } else {
    BorderKind = kBorderFixed;
    if (style & WS_THICKFRAME) BorderKind = kBorderSizeable;
    else if (style & DS_MODALFRAME) BorderKind = kBorderDialog;
    if ((exStyle & WS_EX_DLGMODALFRAME) || IsDialog) BorderKind = kBorderDialog;
  }
  ReadWindowState();
}

void TWinSkinForm::AttachToForm(TSkinData* data, fw::TCustomForm* form) {
  if (attached_ || !data) return;
  FormControl = form;
  if (form && !WindowHandle) WindowHandle = form->Handle();
  if (WindowClassName.empty()) WindowClassName = skin::WindowClassName(WindowHandle);
  if (ClassNameForEvents.empty()) ClassNameForEvents = WindowClassName;
  if (data->OnBeforeSkinForm) data->OnBeforeSkinForm(data, WindowHandle, ClassNameForEvents);
  if (form && InSet(data->SkinControls, xcMenuItem)) form->SetAutoScroll(false);
  Attach(data);
}

void TWinSkinForm::Attach(TSkinData* data) {
  if (attached_ || !data || !IsWindow(WindowHandle)) return;
  attached_ = true;
  SkinDataRef = data;
  TSkinManage* manager = SkinManager();
  if (manager) manager->ManagerState = kManagerActive;

  HoverTimer = new fw::TTimer(this);
  HoverTimer->SetEnabled(false);
  HoverTimer->SetInterval(250);
  HoverTimer->OnTimer = [this](fw::TObject*) { HoverTick(); };

  SkinFrame = InSet(data->SkinControls, xcMainMenu);
  DeriveFields();
  if (manager && manager->HideOnAttach && BorderKind != kBorderNone && !IsChild && SkinFrame &&
      (WindowStyle & WS_VISIBLE)) {
    SetWindowLongA(WindowHandle, GWL_STYLE, static_cast<LONG>(WindowStyle & ~WS_VISIBLE));
    hidden_on_attach_ = true;
  }
  if (FormKind == kFormMdiChild && InSet(data->Options, xoMDIChildBorder)) SkinFrame = false;
  if (GetVersion() & 0x80000000u) data->SkinControls &= ~(1u << xcSystemMenu);

  if (FormKind == kFormMdiFrame) {
    saved_menu_update_ = data->MenuUpdate;
    if (manager) {
      manager->MDIClient = MdiClientWindow;
      manager->MDIFrameControl = FormControl;
    }
    SubclassMdiClient();
  }
  Subclass();

  if (SkinFrame) {
    NativeMenu = GetMenu(WindowHandle);
    if (NativeMenu && FormKind != kFormMdiChild) CreateMenuBar();
    ComputeBorders();
  } else {
    SkinState = kSkinActive;
  }
  if (SkinFrame && FormKind == kFormMdiChild) {
    const int32_t native = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (metrics_.BorderTop < native) metrics_.MenuBarHeight = native - metrics_.BorderTop;
  }

  if (FormControl) {
    if (SkinFrame) HookControlProc();
    SavedColor = FormControl->Color();
    color_saved_ = true;
    FormControl->SetColor(static_cast<fw::TColor>(data->SkinColor(kScButtonFace)));
    if (InSet(data->SkinControls, xcMenuItem)) SetMainMenuOwnerDraw(FormControl, true);
  }
}

void TWinSkinForm::CreateMenuBar() {
  if (MenuBar) return;
  fw::TMenu* menu = nullptr;
  if (auto* form = dynamic_cast<fw::TCustomForm*>(FormControl)) menu = form->Menu();
  RECT before{};
  GetClientRect(WindowHandle, &before);
  metrics_.MenuBarHeight = GetSystemMetrics(SM_CYMENU);
  MenuBar = new TWinSkinMenu(this, menu);
  MenuBar->MenuHandle = GetMenu(WindowHandle);
  MenuBar->Rebuild();
  // The bar shows the items now; the native bar must not take room as well.
  if (GetMenu(WindowHandle)) SetMenu(WindowHandle, nullptr);
  RECT after{};
  GetClientRect(WindowHandle, &after);
  if (SkinState == kSkinAttached) menu_removed_height_ += std::max<LONG>(0, after.bottom - before.bottom);
}

void TWinSkinForm::ComputeBorders() {
  if (!SkinDataRef) return;
  metrics_ = skin::ComputeBorders(SkinDataRef->Skin(), BorderKind, metrics_);
  CreateCaptionButtons();
}

void TWinSkinForm::Activate() {
  if (!attached_ || SkinState == kSkinDetaching || SkinState == kSkinDead) return;
  const HWND w = WindowHandle;
  SystemMenu = GetSystemMenu(w, FALSE);
  BuildIconBitmap();
  GetClientRect(w, &SavedClientRect);
  RECT window{};
  GetWindowRect(w, &window);
  FrameDelta = {0, 0, (window.right - window.left) - SavedClientRect.right,
                (window.bottom - window.top) - SavedClientRect.bottom};
  if (hidden_on_attach_) {
    hidden_on_attach_ = false;
    SetWindowLongA(w, GWL_STYLE, GetWindowLongA(w, GWL_STYLE) | WS_VISIBLE);
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    if (TSkinManage* manager = SkinManager()) manager->HideOnAttach = false;
  }
  // Control skins for the children join here (control classification); the form's popup menus
  // are drawn by the skin from now on.
  if (FormControl) SetPopupOwnerDraw(FormControl, true);

  if (SkinFrame && !activated_once_) {
    activated_once_ = true;
    ReadWindowState();
    if (FormKind == kFormMdiChild) {
      if (WindowState == kStateMaximized) {
        if (TSkinManage* manager = SkinManager(); manager && manager->MDIClient)
          PostMessageA(manager->MDIClient, XM_REDRAWMDI, reinterpret_cast<WPARAM>(w), 0);
      } else if (WindowState == kStateNormal) {
        SkinState = kSkinResizing;
        ApplyFrameSize(false);
        BuildRegion();
      }
    } else if (!IsChild && BorderKind != kBorderNone && WindowState != kStateMinimized) {
      SkinState = kSkinResizing;
      ApplyFrameSize(false);
      if (WindowState == kStateNormal) BuildRegion();
      else SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    }
  }
  SendMessageA(w, XM_SKINDONE, 0, SkinSignature);
  if (SkinDataRef && SkinDataRef->OnAfterSkinForm) SkinDataRef->OnAfterSkinForm(SkinDataRef, w, ClassNameForEvents);
  SkinState = kSkinActive;
  if (SkinFrame) {
    // The frame becomes the skin's now that the state allows painting it.
    BuildRegion();
    RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
  }
  if (HoverTimer) HoverTimer->SetEnabled(IsActive);
}

void TWinSkinForm::ReloadSkin() {
  if (!attached_ || !SkinFrame) return;
  ComputeBorders();
  RegionWidth = RegionHeight = 0;
}

void TWinSkinForm::Refresh() {
  if (!attached_ || !SkinDataRef) return;
  const auto face = static_cast<fw::TColor>(SkinDataRef->SkinColor(kScButtonFace));
  if (FormControl) {
    FormControl->SetColor(face);
    for (fw::TCustomForm* owned : OwnedForms()) owned->SetColor(face);
  }
  // Control skins refresh their colours here once they exist.
  SkinState = kSkinRefreshing;
  if (SkinFrame && FormControl) {
    SetPopupOwnerDraw(FormControl, true);
    ApplyFrameSize(true);
    BuildRegion();
    const int height = FormControl->Height();
    FormControl->SetHeight(height + 1);
    FormControl->SetHeight(height);
  }
  SendMessageA(WindowHandle, XM_SKINDONE, 0, SkinSignature);
  if (SkinDataRef->OnAfterSkinForm) SkinDataRef->OnAfterSkinForm(SkinDataRef, WindowHandle, ClassNameForEvents);
  SkinState = kSkinActive;
  if (SkinFrame) RedrawWindow(WindowHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

std::vector<fw::TCustomForm*> TWinSkinForm::OwnedForms() const {
  std::vector<fw::TCustomForm*> forms;
  if (!FormControl) return forms;
  for (int i = 0; i < FormControl->ComponentCount(); ++i) {
    if (auto* f = dynamic_cast<fw::TCustomForm*>(FormControl->Components(i))) forms.push_back(f);
  }
  return forms;
}

void TWinSkinForm::HookControlProc() {
  if (!FormControl || control_proc_hooked_) return;
  OldControlProc = FormControl->WindowProc;
  // A copy of the old handler rides along: should this object go first, the form keeps working.
  FormControl->WindowProc = [this, alive = alive_, old = OldControlProc](fw::TMessage& m) {
    if (*alive) FormHandler(m);
    else if (old) old(m);
  };
  control_proc_hooked_ = true;
}

void TWinSkinForm::UnhookControlProc() {
  if (!control_proc_hooked_) return;
  control_proc_hooked_ = false;
  if (FormControl) FormControl->WindowProc = OldControlProc;
  OldControlProc = nullptr;
}

void TWinSkinForm::FreeMenuBar(bool restoreNative) {
  if (!MenuBar) return;
  TWinSkinMenu* bar = MenuBar;
  MenuBar = nullptr;
  // Drop-downs the bar made owner-drawn go back to their own drawing with the menu.
  if (bar->MenuHandle) RestoreMenuOwnerDrawn(bar->MenuHandle);
  if (restoreNative && IsWindow(WindowHandle) && bar->MenuHandle) SetMenu(WindowHandle, bar->MenuHandle);
  delete bar;
  metrics_.MenuBarHeight = 0;
}

// Popup, timer, handlers, window procedures: what must go before the window or the object does.
void TWinSkinForm::ReleaseHandlers() {
  if (HoverTimer) HoverTimer->SetEnabled(false);
  UnhookControlProc();
  Unsubclass();
}

void TWinSkinForm::DetachOnDestroy() {
  if (!attached_) return;
  ReleaseHandlers();
  DropCaptionState();
  // Control skins are freed here once they exist. The native menu is not given back to a dying
  // window: the window would destroy a menu that its owner still holds.
  FreeMenuBar(false);
  UnsubclassMdiClient();
}

void TWinSkinForm::Unskin() {
  if (!attached_) return;
  const bool destroying = Destroying();
  if (HoverTimer) HoverTimer->SetEnabled(false);
  // Control skins are freed here once they exist.
  if (!destroying) RestoreMenuDrawing();
  if (FormControl && color_saved_ && !destroying) FormControl->SetColor(SavedColor);
  color_saved_ = false;
  UnhookControlProc();
  Unsubclass();
  UnsubclassMdiClient();
  if (!destroying) RedrawWindow(WindowHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  SkinState = kSkinDetaching;
}

void TWinSkinForm::Detach() {
  if (!attached_ || SkinState == kSkinDead) return;
  if (!SkinFrame) {
    Unskin();
    return;
  }
  const HWND w = WindowHandle;
  const bool destroying = Destroying();
  const RECT clientOnScreen = ClientOnScreen(w);
  const bool framed = SkinState != kSkinAttached && BorderKind != kBorderNone;
  SkinState = kSkinDetaching;
  if (HoverTimer) HoverTimer->SetEnabled(false);
  DropCaptionState();
  UnhookControlProc();
  Unsubclass();
  // Control skins are freed here once they exist.
  if (!destroying) RestoreMenuDrawing();
  if (FormControl && color_saved_ && !destroying) FormControl->SetColor(SavedColor);
  color_saved_ = false;
  if (had_sysmenu_style_ && IsWindow(w)) SetWindowLongA(w, GWL_STYLE, GetWindowLongA(w, GWL_STYLE) | WS_SYSMENU);
  FreeMenuBar(!destroying);
  UnsubclassMdiClient();
  if (!IsWindow(w)) return;
  SetWindowRgn(w, nullptr, TRUE);
  RegionWidth = RegionHeight = 0;
  if (!destroying && framed && (!IsChild || FormKind == kFormMdiChild)) RestoreClientPlacement(clientOnScreen);
}

// The native frame is back: the window grows or shrinks around its client area, which stays where
// it was on the screen.
void TWinSkinForm::RestoreClientPlacement(const RECT& client) {
  const HWND w = WindowHandle;
  const UINT flags = SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER;
  SetWindowPos(w, nullptr, 0, 0, 0, 0, flags | SWP_NOMOVE | SWP_NOSIZE);
  if (IsIconic(w) || IsZoomed(w)) return;
  RECT window{};
  GetWindowRect(w, &window);
  const RECT now = ClientOnScreen(w);
  RECT target{client.left - (now.left - window.left), client.top - (now.top - window.top),
              client.right + (window.right - now.right), client.bottom + (window.bottom - now.bottom)};
  if (HWND parent = GetParent(w); parent && (GetWindowLongA(w, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&target), 2);
  SetWindowPos(w, nullptr, target.left, target.top, target.right - target.left, target.bottom - target.top, flags);
}

// Popup menus and, with xcMenuItem, main-menu items go back to native drawing.
void TWinSkinForm::RestoreMenuDrawing() {
  if (!FormControl) return;
  SetPopupOwnerDraw(FormControl, false);
  if (SkinDataRef && InSet(SkinDataRef->SkinControls, xcMenuItem)) SetMainMenuOwnerDraw(FormControl, false);
}

void TWinSkinForm::SetMDIMaximizedDrawing(bool maximized) {
  if (FormKind != kFormMdiChild) return;
  WindowState = maximized ? kStateMaximized : kStateNormal;
  if (SkinState == kSkinActive) RedrawWindow(WindowHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TWinSkinForm::ClassifyWindow(HWND) {
  // Control skins for size grips come with the control classification.
}

}  // namespace skin
