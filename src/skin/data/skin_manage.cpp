#include "skin/data/skin_manage.h"

#include <algorithm>
#include <unordered_set>

#include "framework/forms.h"
#include "skin/data/skin_data.h"
#include "skin/form/skin_messages.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_pop_menu.h"

namespace skin {

// The form skin objects handed to the manager that still exist. A form skin object may be owned
// by its form and die with it; the framework's free notification tells us, so a stale entry of
// FormSkins is recognised without reading it.
class LiveFormSkins : public fw::TComponent {
 public:
  LiveFormSkins() : fw::TComponent(nullptr) {}
  void Track(TWinSkinForm* formSkin) {
    live_.insert(static_cast<const fw::TComponent*>(formSkin));
    FreeNotification(formSkin);
  }
  bool Contains(const TWinSkinForm* formSkin) const {
    return formSkin && live_.count(static_cast<const fw::TComponent*>(formSkin)) != 0;
  }

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override {
    if (operation == fw::TOperation::opRemove) live_.erase(component);
    fw::TComponent::Notification(component, operation);
  }

 private:
  std::unordered_set<const fw::TComponent*> live_;
};

namespace {

// Not a static object: the manager is destroyed by DestroySkinManager while the windows and the
// framework still exist, never by the C++ run time after them.
TSkinManage* g_manager = nullptr;
bool g_hooks_off = false;

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

TSkinManage* SkinManager() { return g_manager; }

TSkinManage& EnsureSkinManager() {
  if (!g_manager) {
    Platform();
    g_hooks_off = false;
    g_manager = new TSkinManage();
  }
  return *g_manager;
}

void DestroySkinManager() {
  if (!g_manager) return;
  g_hooks_off = true;
  // The manager stays reachable while it detaches its forms: their destruction calls back.
  delete g_manager;
  g_manager = nullptr;
}

bool HooksOff() { return g_hooks_off; }

TSkinManage::TSkinManage() : live_(std::make_unique<LiveFormSkins>()), timer_(std::make_unique<fw::TTimer>(nullptr)) {
  timer_->SetEnabled(false);
  timer_->SetInterval(100);
  timer_->OnTimer = [this](fw::TObject*) { RunPendingAction(); };
}

TSkinManage::~TSkinManage() {
  ManagerState = kManagerDestroying;
  Enabled = false;
  timer_.reset();
  std::vector<TWinSkinForm*> skins;
  skins.swap(form_skins_);
  for (TWinSkinForm* formSkin : skins) FreeFormSkin(formSkin, true);
  std::vector<TWinSkinPopMenu*> popups;
  popups.swap(popup_skins_);
  for (TWinSkinPopMenu* popup : popups)
    if (TWinSkinPopMenu::IsLive(popup)) delete popup;
  skin_datas_.clear();
  MainSkinData = nullptr;
  PendingSkinData = nullptr;
  hook_.reset();
}

void TSkinManage::InstallHook() {
  if (hook_) return;
  hook_.reset(SetWindowsHookExA(WH_CBT, HookProc, nullptr, GetCurrentThreadId()));
}

LRESULT CALLBACK TSkinManage::HookProc(int code, WPARAM wparam, LPARAM lparam) {
  TSkinManage* manager = g_manager;
  HHOOK hook = manager ? manager->hook_.get() : nullptr;
  if (manager && !g_hooks_off && code >= 0) {
    try {
      auto window = reinterpret_cast<HWND>(wparam);
      switch (code) {
        case HCBT_CREATEWND:
          if (auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lparam)) manager->OnHookCreate(window, *create);
          break;
        case HCBT_DESTROYWND:
          manager->RemovePopupMenu(window);
          break;
        case HCBT_ACTIVATE:
          if (manager->ManagerState == kManagerNoForm) manager->ManagerState = kManagerActive;
          manager->AddWindow(window);
          break;
        default:
          break;
      }
    } catch (...) {
      // The skin engine is silent: a window it cannot skin keeps its native look.
    }
  }
  return CallNextHookEx(hook, code, wparam, lparam);
}

void TSkinManage::OnHookCreate(HWND window, const CBT_CREATEWNDA& create) {
  const CREATESTRUCTA* cs = create.lpcs;
  if (!cs) return;
  const std::string className = WindowClassName(window);
  const auto style = static_cast<DWORD>(cs->style);
  if (className == "ScrollBar" && (style & SBS_SIZEGRIP)) {
    if (TWinSkinForm* parent = FindFormSkin(cs->hwndParent)) parent->ClassifyWindow(window);
  } else if (!(style & WS_CHILD) && className == "#32768") {
    AddPopupMenu(window);
  } else if (cs->dwExStyle & WS_EX_MDICHILD) {
    AddWindow(window);
  }
}

void TSkinManage::RegisterSkinData(TSkinData* data) {
  if (!data || std::find(skin_datas_.begin(), skin_datas_.end(), data) != skin_datas_.end()) return;
  skin_datas_.push_back(data);
  if (!MainSkinData && data->SkinFormtype == TSkinFormType::sfMainform) MainSkinData = data;
}

void TSkinManage::UnregisterSkinData(TSkinData* data) {
  if (!data) return;
  skin_datas_.erase(std::remove(skin_datas_.begin(), skin_datas_.end(), data), skin_datas_.end());
  if (MainSkinData == data) MainSkinData = nullptr;
  if (PendingSkinData == data) PendingSkinData = nullptr;
  DropFormSkinsOf(data);
}

void TSkinManage::DropFormSkinsOf(TSkinData* data) {
  // Skin objects read their skin through the component: once it is gone they must not outlive it.
  if (ManagerState == kManagerDestroying) return;
  for (size_t i = form_skins_.size(); i-- > 0;) {
    if (i >= form_skins_.size()) continue;
    TWinSkinForm* formSkin = form_skins_[i];
    if (!live_->Contains(formSkin) || formSkin->SkinDataRef != data) continue;
    form_skins_.erase(form_skins_.begin() + static_cast<std::ptrdiff_t>(i));
    FreeFormSkin(formSkin, true);
  }
  for (size_t i = popup_skins_.size(); i-- > 0;) {
    TWinSkinPopMenu* popup = popup_skins_[i];
    if (TWinSkinPopMenu::IsLive(popup) && popup->SkinDataRef() != data) continue;
    popup_skins_.erase(popup_skins_.begin() + static_cast<std::ptrdiff_t>(i));
    if (TWinSkinPopMenu::IsLive(popup)) delete popup;
  }
}

bool TSkinManage::IsLiveFormSkin(const TWinSkinForm* formSkin) const { return live_->Contains(formSkin); }

void TSkinManage::FreeFormSkin(TWinSkinForm* formSkin, bool detach) {
  if (!live_->Contains(formSkin)) return;
  try {
    if (detach && formSkin->SkinState != kSkinDead && IsWindow(formSkin->WindowHandle)) formSkin->Detach();
  } catch (...) {
  }
  delete formSkin;
}

TSkinData* TSkinManage::ChooseSkinData(HWND window, const std::string& className) const {
  TSkinData* choice = nullptr;
  for (TSkinData* data : skin_datas_) {
    if (data->SkinFormtype != TSkinFormType::sfOnlyThisForm) continue;
    auto* owner = dynamic_cast<fw::TWinControl*>(data->Owner());
    if (owner && owner->HandleIfAllocated() == window) choice = data;
  }
  if (choice) return choice;
  const std::string lower = LowerAscii(className);
  if (lower == "tmessageform" || lower == "#32770")
    for (TSkinData* data : skin_datas_)
      if (data->SkinFormtype == TSkinFormType::sfDialog) choice = data;
  if (choice) return choice;
  for (TSkinData* data : skin_datas_)
    if (data->SkinFormtype == TSkinFormType::sfMainform) choice = data;
  if (choice) return choice;
  return skin_datas_.empty() ? nullptr : skin_datas_.front();
}

bool TSkinManage::AddWindow(HWND window) {
  if (!Enabled || !window || !IsWindow(window)) return false;
  PurgeFormSkins();
  // Attaching may activate the window again before it is subclassed: that call must not make a
  // second object.
  if (std::find(attaching_.begin(), attaching_.end(), window) != attaching_.end()) return false;
  if (SendMessageA(window, XM_ISSKINNED, 0, 0) == 1 || FindFormSkin(window)) return false;
  fw::TWinControl* form = FindVCLForm(window);
  const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
  const bool mdiChild = (exStyle & WS_EX_MDICHILD) != 0;
  if (!Forced && (style & WS_CHILD) && !mdiChild && LowerAscii(WindowClassName(GetParent(window))) != "mdiclient")
    return false;
  const std::string className = WindowClassName(window);
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  if (!form && instance != EngineModule() && className != "#32770") return false;
  RECT r{};
  GetWindowRect(window, &r);
  if ((r.right - r.left) * (r.bottom - r.top) == 0 && !mdiChild) return false;
  if (form && form->Tag() == 99) return false;
  if (Contains(className, "TcxPopupEditPopupWindow") || Contains(className, "TTERenderWindow") ||
      className == "TApplication")
    return false;
  bool doSkin = true;
  if (MainSkinData) {
    const std::string lower = LowerAscii(className);
    if (!InSet(MainSkinData->Options, xoPreview) && Contains(lower, "preview")) doSkin = false;
    if (className == "#32770" && (style & DS_SETFOREGROUND)) doSkin = false;
    if (lower == "tpopupdbtreeview") doSkin = false;
    MainSkinData->FormSkinFilter(window, className, doSkin);
  }
  if (!doSkin) return false;
  TSkinData* data = ChooseSkinData(window, className);
  if (!data || data->SkinEmpty()) return false;

  auto* formSkin = new TWinSkinForm(form);
  live_->Track(formSkin);
  formSkin->WindowHandle = window;
  formSkin->ManagerTag = ManagerTag;
  formSkin->WindowClassName = className;
  attaching_.push_back(window);
  struct Done {
    std::vector<HWND>& list;
    HWND window;
    ~Done() { list.erase(std::remove(list.begin(), list.end(), window), list.end()); }
  } done{attaching_, window};
  try {
    if (auto* customForm = dynamic_cast<fw::TCustomForm*>(form))
      formSkin->AttachToForm(data, customForm);
    else
      formSkin->Attach(data);
  } catch (...) {
    FreeFormSkin(formSkin, true);
    return false;
  }
  if (!live_->Contains(formSkin)) return false;  // its form went while attaching
  form_skins_.push_back(formSkin);
  PostMessageA(window, XM_ACTIVATESKIN, 0, kActivateSkinParam);
  return true;
}

void TSkinManage::AddForm(fw::TCustomForm* form) {
  if (!form || !form->Visible() || !form->HandleAllocated()) return;
  HWND window = form->HandleIfAllocated();
  if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) return;
  AddWindow(window);
}

TWinSkinForm* TSkinManage::FindFormSkin(HWND window) const {
  if (!window) return nullptr;
  for (TWinSkinForm* formSkin : form_skins_)
    if (live_->Contains(formSkin) && formSkin->WindowHandle == window && formSkin->SkinState != kSkinDead)
      return formSkin;
  return nullptr;
}

void TSkinManage::RemoveFormSkin(HWND window) {
  if (ManagerState == kManagerDestroying) return;
  for (auto it = form_skins_.begin(); it != form_skins_.end(); ++it) {
    if (live_->Contains(*it) && (*it)->WindowHandle == window) {
      form_skins_.erase(it);
      return;
    }
  }
}

void TSkinManage::PurgeFormSkins() {
  if (ManagerState == kManagerDestroying) return;
  for (size_t i = form_skins_.size(); i-- > 0;) {
    if (i >= form_skins_.size()) continue;  // a freed object took others with it
    TWinSkinForm* formSkin = form_skins_[i];
    if (!live_->Contains(formSkin)) {
      form_skins_.erase(form_skins_.begin() + static_cast<std::ptrdiff_t>(i));
    } else if (formSkin->SkinState == kSkinDead && formSkin->ManagerTag == ManagerTag) {
      form_skins_.erase(form_skins_.begin() + static_cast<std::ptrdiff_t>(i));
      FreeFormSkin(formSkin, false);
    }
  }
}

}  // namespace skin
