// The skin manager's deferred passes: a skin data component requests skin-all, unskin-all or
// refresh, and the timer runs it after the request's delay, outside the call that asked.
#include <algorithm>

#include "framework/forms.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_manage.h"
#include "skin/form/win_skin_form.h"

namespace skin {

void TSkinManage::SetMDIMaximized(bool flag) {
  if (flag == MDIMaximized) return;
  MDIMaximized = flag;
  if (MainSkinData && InSet(MainSkinData->Options, xoMDIChildBorder)) return;
  const std::vector<TWinSkinForm*> skins = form_skins_;
  for (TWinSkinForm* formSkin : skins)
    if (IsLiveFormSkin(formSkin) && formSkin->FormKind == kFormMdiChild) formSkin->SetMDIMaximizedDrawing(flag);
}

void TSkinManage::RequestAction(int32_t action, uint32_t delayMs) {
  PendingAction = action;
  timer_->SetInterval(delayMs);
  if (ManagerState != kManagerNoForm) {
    timer_->SetEnabled(true);
    return;
  }
  // No form attached yet: windows are skinned as they are activated.
  if (action == kActionSkinAll) Enabled = true;
  if (action == kActionUnskinAll) Enabled = false;
}

void TSkinManage::ReloadForms() {
  const std::vector<TWinSkinForm*> skins = form_skins_;
  for (TWinSkinForm* formSkin : skins)
    if (IsLiveFormSkin(formSkin) && formSkin->SkinDataRef == PendingSkinData && PendingSkinData)
      formSkin->ReloadSkin();
}

void TSkinManage::RunPendingAction() {
  timer_->SetEnabled(false);
  TSkinData* data = PendingSkinData;
  if (!data) return;
  struct ForcedReset {
    bool& forced;
    ~ForcedReset() { forced = false; }
  } reset{Forced};
  auto users = [&] {
    std::vector<TWinSkinForm*> out;
    for (TWinSkinForm* formSkin : form_skins_)
      if (IsLiveFormSkin(formSkin) && formSkin->SkinDataRef == data) out.push_back(formSkin);
    return out;
  };
  try {
    if (data->SkinFormtype == TSkinFormType::sfOnlyThisForm) {
      if (PendingAction == kActionSkinAll) {
        Enabled = true;
        Forced = true;
        for (int i = fw::Screen->FormCount(); i-- > 0;) {
          if (fw::Screen->Forms(i) == data->Owner()) {
            AddForm(fw::Screen->Forms(i));
            break;
          }
        }
        Forced = false;
      } else if (PendingAction == kActionUnskinAll) {
        Enabled = false;
        PurgeFormSkins();
        const std::vector<TWinSkinForm*> mine = users();
        if (!mine.empty()) {
          TWinSkinForm* last = mine.back();
          form_skins_.erase(std::find(form_skins_.begin(), form_skins_.end(), last));
          FreeFormSkin(last, true);
        }
      } else if (PendingAction == kActionRefresh) {
        PurgeFormSkins();
        const std::vector<TWinSkinForm*> mine = users();
        if (!mine.empty()) {
          mine.front()->ReloadSkin();
          mine.front()->Refresh();
          mine.front()->ApplyFrameSize(true);
        }
      }
    } else if (PendingAction == kActionSkinAll) {
      Enabled = true;
      HideOnAttach = false;
      Forced = true;
      PurgeFormSkins();
      for (int i = fw::Screen->FormCount(); i-- > 0;)
        if (i < fw::Screen->FormCount()) AddForm(fw::Screen->Forms(i));
      Forced = false;
    } else if (PendingAction == kActionUnskinAll) {
      Enabled = false;
      PurgeFormSkins();
      while (!form_skins_.empty()) {
        TWinSkinForm* formSkin = form_skins_.front();
        form_skins_.erase(form_skins_.begin());
        FreeFormSkin(formSkin, true);
      }
    } else if (PendingAction == kActionRefresh) {
      PurgeFormSkins();
      const std::vector<TWinSkinForm*> mine = users();
      for (TWinSkinForm* formSkin : mine) {
        if (!IsLiveFormSkin(formSkin)) continue;
        formSkin->ReloadSkin();
        formSkin->Refresh();
      }
      for (TWinSkinForm* formSkin : mine)
        if (IsLiveFormSkin(formSkin)) formSkin->ApplyFrameSize(true);
    }
  } catch (...) {
    // A failing pass leaves the windows as they are; the engine shows nothing.
  }
  if (PendingSkinData == data) {
    data->SkinChanged();
    PendingSkinData = nullptr;
  }
}

}  // namespace skin
