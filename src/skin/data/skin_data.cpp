#include "skin/data/skin_data.h"

#include <cstring>
#include <limits>

#include "framework/application.h"
#include "framework/forms.h"
#include "skin/data/skin_file_io.h"
#include "skin/data/skin_load.h"
#include "skin/data/skin_manage.h"
#include "skin/data/system_info.h"
#include "skin/form/win_skin_form.h"

namespace skin {

const fw::TClassInfo& TSkinData::StaticClassInfo() {
  static const fw::TClassInfo info =
      fw::ClassInfoBuilder<TSkinData>("TSkinData", &fw::TComponent::StaticClassInfo())
          .Bool("Active", &TSkinData::Active, &TSkinData::SetActive)
          .Int("DisableTag", &TSkinData::GetDisableTag, &TSkinData::SetDisableTag)
          .Set("SkinControls", &TSkinData::GetSkinControls, &TSkinData::SetSkinControls,
               {"xcMainMenu", "xcPopupMenu", "xcMenuItem", "xcToolbar", "xcControlbar", "xcCombo",
                "xcCheckBox", "xcRadioButton", "xcProgress", "xcScrollbar", "xcEdit", "xcButton",
                "xcBitBtn", "xcSpeedButton", "xcSpin", "xcPanel", "xcGroupBox", "xcStatusBar", "xcTab",
                "xcTrackBar", "xcSystemMenu", "xcFastReport"})
          .Set("Options", &TSkinData::GetOptions, &TSkinData::SetOptions,
               {"xoMDIScrollbar", "xoMenuMerge", "xoTransparent", "xoPreview", "xoParentBackGround",
                "xoNoFocusRect", "xoToolbarBK", "xoToolbarButton", "xoMDIChildBorder", "xoMenuBG",
                "xoCaptionButtonHint", "xoFormScrollbar"})
          .Object("Skin3rd", &TSkinData::Skin3rdStrings, &TSkinData::SetSkin3rdStrings)
          .Str("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile)
          .Str("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore)
          .Enum("SkinFormtype", &TSkinData::GetSkinFormtype, &TSkinData::SetSkinFormtype,
                {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"})
          .Str("Version", &TSkinData::Version, &TSkinData::SetVersion)
          .Bool("MenuUpdate", &TSkinData::GetMenuUpdate, &TSkinData::SetMenuUpdate)
          .Bool("MenuMerge", &TSkinData::GetMenuMerge, &TSkinData::SetMenuMerge)
          .Build();
  return info;
}

TSkinData::TSkinData(fw::TComponent* owner) : fw::TComponent(owner) {
  skin3rd_.Assign(DefaultSkin3rd());
  menu_images_ = new fw::TImageList(this);
  menu_images_->SetName("MenuImages");
  if (fw::UniqueBitmap strip = MakeMenuGlyphStrip()) menu_images_->AddMasked(strip.get(), RGB(255, 255, 255));
  MaxWidth = GetSystemMetrics(SM_CXMAXIMIZED);
  MaxHeight = GetSystemMetrics(SM_CYMAXIMIZED);
  skin_.SkinEmpty = true;
  // Painters may ask for the face brush before any skin loads.
  back_brush_.reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
}

TSkinData::~TSkinData() {
  SetDestroying();
  if (TSkinManage* manager = SkinManager()) manager->UnregisterSkinData(this);
  DestroyComponents();  // MenuImages
  menu_images_ = nullptr;
}

bool TSkinData::Reading() const {
  if (ComponentState() & fw::csLoading) return true;
  if (Owner() && (Owner()->ComponentState() & fw::csLoading)) return true;
  // An owned component is being set up from its form's settings until the form's Loaded reaches it.
  return Owner() != nullptr && !loaded_;
}

void TSkinData::SetSkinFile(const std::string& path) {
  skin_.SkinEmpty = true;
  skin_file_ = path;
  std::vector<uint8_t> bytes;
  if (path.empty() || !ReadWholeFile(path, bytes)) return;  // missing: the previous objects stay
  skin_buffer_ = std::move(bytes);
  try {
    LoadSkin();
  } catch (...) {
    ReloadUsers();
    throw;
  }
  ApplySkin();
}

bool TSkinData::LoadSkin() {
  skin_.SkinEmpty = true;
  const ReadStatus status = LoadSkinFile(skin_buffer_, skin_);
  if (status == ReadStatus::OlderFormat) fw::ShowMessage(kOlderSkinMessage);
  if (status != ReadStatus::Ok) return false;
  MakeBackBrush();
  return true;
}

void TSkinData::ReadSkinStream(std::span<const uint8_t> data) {
  if (data.size() < 4) return;
  int32_t n = 0;
  std::memcpy(&n, data.data(), 4);
  if (n <= 0 || static_cast<uint64_t>(n) > data.size() - 4) return;
  skin_buffer_.assign(data.begin() + 4, data.begin() + 4 + n);
  LoadSkin();
}

std::vector<uint8_t> TSkinData::WriteSkinStream() const {
  const size_t size = skin_buffer_.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())
                          ? 0
                          : skin_buffer_.size();
  const auto n = static_cast<int32_t>(size);
  std::vector<uint8_t> out(4 + size);
  std::memcpy(out.data(), &n, 4);
  if (size > 0) std::memcpy(out.data() + 4, skin_buffer_.data(), size);
  return out;
}

void TSkinData::ApplySkin() {
  if (Reading()) return;
  if (!SkinManager()) Loaded();
  TSkinManage* manager = SkinManager();
  if (!manager) return;
  manager->PendingSkinData = this;
  manager->ReloadForms();
  if (manager->ManagerState == kManagerActive) manager->RequestAction(kActionRefresh, 250);
}

void TSkinData::ReloadUsers() {
  if (TSkinManage* manager = SkinManager()) {
    TSkinData* pending = manager->PendingSkinData;
    manager->PendingSkinData = this;
    manager->ReloadForms();
    manager->PendingSkinData = pending;
  }
}

void TSkinData::Loaded() {
  loaded_ = true;
  const SkinPlatform& platform = Platform();
  if (!platform.GetScrollBarInfo) SkinControls &= ~(1u << xcScrollbar);
  TSkinManage& manager = EnsureSkinManager();
  manager.RegisterSkinData(this);
  MakeSystemCaptionFont();
  if (SkinFormtype == TSkinFormType::sfMainform) {
    manager.InstallHook();
    if (active_) {
      if (SkinEmpty()) {
        active_ = false;
      } else {
        manager.PendingSkinData = this;
        manager.RequestAction(kActionSkinAll, 250);
      }
    }
    if (InSet(SkinControls, xcMainMenu))
      SkinControls &= ~(1u << xcMenuItem);
    else
      SkinControls &= ~(1u << xcSystemMenu);
    MakeAppIconBitmap();
  } else {
    manager.Enabled = true;
    manager.ManagerState += 1;
    auto* form = dynamic_cast<fw::TCustomForm*>(Owner());
    if (form && active_) manager.AddWindow(form->Handle());
  }
}

void TSkinData::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (Reading()) return;
  // A component that never saw Loaded (made at run time) registers first, as ApplySkin does.
  const bool scoped = SkinFormtype == TSkinFormType::sfMainform || SkinFormtype == TSkinFormType::sfOnlyThisForm;
  if (scoped && !SkinManager()) Loaded();
  switch (SkinFormtype) {
    case TSkinFormType::sfMainform: {
      if (value && SkinEmpty()) return;
      TSkinManage& manager = EnsureSkinManager();
      manager.PendingSkinData = this;
      if (value) {
        manager.RequestAction(kActionSkinAll, 250);
        manager.ManagerState = kManagerActive;
      } else {
        manager.RequestAction(kActionUnskinAll, 250);
      }
      break;
    }
    case TSkinFormType::sfOnlyThisForm: {
      TSkinManage& manager = EnsureSkinManager();
      manager.PendingSkinData = this;
      if (value && SkinEmpty()) return;
      manager.RequestAction(value ? kActionSkinAll : kActionUnskinAll, 250);
      break;
    }
    case TSkinFormType::sfDialog:
    case TSkinFormType::sfDLL:
      break;
  }
}

void TSkinData::FormSkinFilter(HWND window, const std::string& className, bool& DoSkin) {
  current_window_ = window;
  if (OnFormSkin) {
    OnFormSkin(this, className, DoSkin);
    return;
  }
  if (className == "SysMonthCal32")
    DoSkin = false;
  else if (InSet(SkinControls, xcFastReport) && className.rfind("Tfr", 0) == 0)
    DoSkin = false;
}

void TSkinData::SkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

COLORREF TSkinData::SkinColor(SkinColourIndex index) const {
  if (index < 0 || index >= kSkinColourCount) return 0;
  return static_cast<COLORREF>(ResolveColour(skin_.SkinColors[static_cast<size_t>(index)]));
}

void TSkinData::MakeBackBrush() { back_brush_.reset(CreateSolidBrush(SkinColor(kScButtonFace))); }

void TSkinData::MakeSystemCaptionFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = 340;  // the record without the padded-border field, accepted by every version
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0))
    caption_font_.reset(CreateFontIndirectA(&metrics.lfCaptionFont));
}

void TSkinData::MakeAppIconBitmap() {
  const int cx = GetSystemMetrics(SM_CXSMICON);
  const int cy = GetSystemMetrics(SM_CYSMICON);
  HDC screen = GetDC(nullptr);
  fw::UniqueBitmap bitmap(CreateCompatibleBitmap(screen, cx, cy));
  fw::UniqueMemDc dc(CreateCompatibleDC(screen));
  ReleaseDC(nullptr, screen);
  if (!bitmap || !dc) return;
  {
    fw::SelectGuard select(dc.get(), bitmap.get());
    RECT r{0, 0, cx, cy};
    fw::UniqueBrush magenta(CreateSolidBrush(RGB(255, 0, 255)));
    FillRect(dc.get(), &r, magenta.get());
    HWND app = fw::Application ? fw::Application->Handle() : nullptr;
    HICON icon = nullptr;
    if (app) {
      icon = reinterpret_cast<HICON>(SendMessageA(app, WM_GETICON, ICON_SMALL, 0));
      if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(app, WM_GETICON, ICON_BIG, 0));
    }
    if (icon) {
      fw::UniqueHicon copy(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE)));
      DrawIconEx(dc.get(), 0, 0, copy ? copy.get() : icon, cx, cy, 0, nullptr, DI_NORMAL);
    }
  }
  app_icon_ = std::move(bitmap);
}

}  // namespace skin
