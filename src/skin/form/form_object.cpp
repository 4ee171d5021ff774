// The form skin object's handler in front of the framework form's own (caption text, refresh,
// Alt+character for the menu bar, paint-into-a-DC requests, menu changes), and the procedure of
// an MDI frame's client window.
#include "framework/application.h"
#include "framework/forms.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_manage.h"
#include "skin/form/form_internal.h"
#include "skin/form/skin_messages.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_menu.h"

namespace skin {

void TWinSkinForm::FormHandler(fw::TMessage& m) {
  const fw::TWndMethod old = OldControlProc;  // the handler may be given back while it runs
  auto alive = alive_;
  auto callOld = [&] {
    if (old) old(m);
  };
  switch (m.Msg) {
    case WM_SETTEXT: {
      callOld();
      if (!*alive || !IsWindowVisible(WindowHandle)) return;
      TSkinManage* manager = SkinManager();
      if (WindowState == kStateMaximized && FormKind == kFormMdiChild && manager && manager->MDIClient) {
        PostMessageA(manager->MDIClient, XM_REDRAWMDI, reinterpret_cast<WPARAM>(WindowHandle), 0);
      } else if (WindowState == kStateMinimized) {
        RepaintFrame();
      } else {
        SetWindowPos(WindowHandle, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      return;
    }
    case XM_RESKIN:
      Refresh();
      return;
    case kFormDialogChar:
      if (!FormDialogChar(m)) callOld();
      return;
    case XM_PAINTFRAMETO:
      if (m.LParam != SkinSignature) break;
      if (m.WParam) RepaintFrame(reinterpret_cast<HDC>(m.WParam));
      m.Result = SkinSignature;
      return;
    case XM_QUERYSKIN:
      m.Result = m.LParam == SkinSignature ? SkinSignature : 1;
      return;
    case kFormMenuChanged:
      m.Result = OnMenuChanged(m.Msg, m.WParam, m.LParam, true);
      return;
    default:
      break;
  }
  callOld();
}

// Alt+character: the form first; then an accelerator of the menu bar; then the MDI frame or the
// main form. True when the notification has been dealt with here (the form's handler ran).
bool TWinSkinForm::FormDialogChar(fw::TMessage& m) {
  const fw::TWndMethod old = OldControlProc;
  auto alive = alive_;
  if (old) old(m);
  if (!*alive || m.Result != 0) return true;
  const bool altAlone = GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
  if (MenuBar && altAlone) {
    const wchar_t ch = form_detail::MessageChar(m.WParam, IsUnicode);
    if (TMenuBtn* button = MenuBar->FindAccelButton(ch); button && button->ItemEnabled && button->Visible) {
      MenuBar->RequestMenuItem(button);
      m.Result = 1;
      return true;
    }
  }
  if (FormKind == kFormMdiChild) {
    if (TSkinManage* manager = SkinManager(); manager && manager->MDIFrameControl &&
                                              manager->MDIFrameControl != FormControl) {
      m.Result = manager->MDIFrameControl->Perform(m.Msg, m.WParam, m.LParam);
      return true;
    }
  } else if (fw::Application) {
    fw::TCustomForm* main = fw::Application->MainForm();
    // A form shown modally has the main form disabled; the main form itself does not forward.
    if (main && main != FormControl && main->HandleAllocated() && IsWindowEnabled(main->HandleIfAllocated()))
      main->Perform(m.Msg, m.WParam, m.LParam);
  }
  m.Result = 0;
  return true;
}

// The form's menu changed (framework notification or window message): the frame is not painted
// while the change runs; a new native menu then feeds the skinned bar and leaves the window.
LRESULT TWinSkinForm::OnMenuChanged(UINT msg, WPARAM wp, LPARAM lp, bool fromForm) {
  auto alive = alive_;
  LRESULT r = 0;
  TSkinData* data = SkinDataRef;
  const bool painting = data ? data->FramePainting : true;
  if (data) data->FramePainting = false;
  if (fromForm) {
    fw::TMessage m{msg, wp, lp, 0};
    if (const fw::TWndMethod old = OldControlProc) old(m);
    r = m.Result;
  } else {
    r = PassOn(msg, wp, lp);
  }
  if (data) data->FramePainting = painting;
  if (!*alive || !SkinFrame || !IsWindow(WindowHandle)) return r;
  HMENU native = GetMenu(WindowHandle);
  if (!native || FormKind == kFormMdiChild) return r;
  if (!MenuBar) {
    // A window that had no menu at attach gets its bar now, or the menu would be lost.
    CreateMenuBar();
  } else if (data && data->MenuUpdate) {
    if (auto* form = dynamic_cast<fw::TCustomForm*>(FormControl)) MenuBar->FrameworkMenu = form->Menu();
    MenuBar->MenuHandle = native;
    MenuBar->Rebuild();
  }
  if (GetMenu(WindowHandle)) SetMenu(WindowHandle, nullptr);
  RedrawWindow(WindowHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
  return r;
}

LRESULT TWinSkinForm::MdiClientProcedure(HWND client, UINT msg, WPARAM wp, LPARAM lp) {
  const WNDPROC old = old_mdi_client_proc_;
  auto pass = [&] { return form_detail::CallPrevious(old, client, msg, wp, lp); };
  auto alive = alive_;
  TSkinManage* manager = SkinManager();
  switch (msg) {
    case WM_NCDESTROY:
      UnsubclassMdiClient();
      return pass();
    case WM_NCCALCSIZE:
      if (!SkinDataRef || !InSet(SkinDataRef->Options, xoMDIScrollbar)) {
        const LONG style = GetWindowLongA(client, GWL_STYLE);
        if (style & (WS_HSCROLL | WS_VSCROLL)) SetWindowLongA(client, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
      }
      return pass();
    case WM_MDICREATE:
      if (SkinDataRef) SkinDataRef->MenuUpdate = false;
      return pass();
    case WM_MDIDESTROY: {
      const LRESULT r = pass();
      if (!*alive) return r;
      BOOL maximized = FALSE;
      const HWND active =
          reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
      if (manager) manager->SetMDIMaximized(active && maximized);
      if (!active && MenuBar) {
        if (SkinDataRef) SkinDataRef->MenuUpdate = saved_menu_update_;
        MenuBar->Rebuild();
      }
      return r;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (manager && manager->MDIMaximized) manager->SetMDIMaximized(false);
      return pass();
    case WM_MDISETMENU: {
      const LRESULT r = pass();
      if (!*alive || !wp || !MenuBar) return r;
      MenuBar->RebuildFromMenu(reinterpret_cast<HMENU>(wp));
      SetMenu(WindowHandle, nullptr);
      return r;
    }
    case XM_REDRAWMDI:
      RedrawWindow(WindowHandle, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      return 0;
    default:
      return pass();
  }
}

}  // namespace skin
