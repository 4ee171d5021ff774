#pragma once
// TSkinData: the component a program puts on its main form to skin itself. It holds the raw skin
// file, loads it into skin objects, owns the skin-wide resources made from them, registers with the
// one skin manager of the process and asks it to skin or unskin the program's windows. Form and
// control skin objects read every skin value through it.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/handles.h"
#include "framework/imagelist.h"
#include "framework/strings.h"
#include "skin/data/skin_definition.h"

namespace fw {
class TControl;
}

namespace skin {

// Control families that are skinned; bit i of TSkinControlTypes is member i.
enum TSkinControlType : int {
  xcMainMenu,
  xcPopupMenu,
  xcMenuItem,
  xcToolbar,
  xcControlbar,
  xcCombo,
  xcCheckBox,
  xcRadioButton,
  xcProgress,
  xcScrollbar,
  xcEdit,
  xcButton,
  xcBitBtn,
  xcSpeedButton,
  xcSpin,
  xcPanel,
  xcGroupBox,
  xcStatusBar,
  xcTab,
  xcTrackBar,
  xcSystemMenu,
  xcFastReport,
};
using TSkinControlTypes = uint32_t;

enum TSkinOption : int {
  xoMDIScrollbar,
  xoMenuMerge,
  xoTransparent,
  xoPreview,
  xoParentBackGround,
  xoNoFocusRect,
  xoToolbarBK,
  xoToolbarButton,
  xoMDIChildBorder,
  xoMenuBG,
  xoCaptionButtonHint,
  xoFormScrollbar,
};
using TSkinOptions = uint32_t;

template <class E>
constexpr uint32_t SetOf(std::initializer_list<E> members) {
  uint32_t bits = 0;
  for (E m : members) bits |= 1u << static_cast<int>(m);
  return bits;
}
constexpr bool InSet(uint32_t set, int member) { return (set >> member) & 1u; }

// Every family except xcMenuItem and xcFastReport.
constexpr TSkinControlTypes kDefaultSkinControls =
    ((1u << (xcFastReport + 1)) - 1) & ~(1u << xcMenuItem) & ~(1u << xcFastReport);
constexpr TSkinOptions kDefaultSkinOptions = SetOf({xoPreview, xoToolbarBK, xoCaptionButtonHint});

enum class TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

class TSkinData;
using TOnFormSkin = std::function<void(fw::TObject* Sender, const std::string& aName, bool& DoSkin)>;
using TOnSkinForm = std::function<void(fw::TObject* Sender, HWND ahwnd, const std::string& aName)>;
using TOnSkinControl =
    std::function<void(fw::TObject* Sender, TSkinData* SkinData, fw::TControl* Form, fw::TControl* Control,
                       const std::string& ControlClass, fw::TComponent*& SkinnedControl)>;

// The 118 rows "class=kind" of the default Skin3rd list, in order.
const std::vector<std::string>& DefaultSkin3rd();

class TSkinData : public fw::TComponent {
  FW_CLASS()
 public:
  explicit TSkinData(fw::TComponent* owner);
  ~TSkinData() override;

  // Published properties.
  bool Active() const { return active_; }
  void SetActive(bool value);
  int32_t DisableTag = 99;
  TSkinControlTypes SkinControls = kDefaultSkinControls;
  TSkinOptions Options = kDefaultSkinOptions;
  const std::vector<std::string>& Skin3rd() const { return skin3rd_.Items(); }
  void SetSkin3rd(const std::vector<std::string>& rows) { skin3rd_.Assign(rows); }
  fw::TStrings* Skin3rdStrings() const { return &skin3rd_; }
  const std::string& SkinFile() const { return skin_file_; }
  void SetSkinFile(const std::string& path);
  std::string SkinStore() const { return "(none)"; }
  TSkinFormType SkinFormtype = TSkinFormType::sfMainform;
  std::string Version() const { return "5.40.07.15"; }
  bool MenuUpdate = true;
  bool MenuMerge = false;
  TOnFormSkin OnFormSkin;
  fw::TNotifyEvent OnSkinChanged;
  TOnSkinControl OnSkinControl;
  TOnSkinForm OnBeforeSkinForm;
  TOnSkinForm OnAfterSkinForm;

  // The stored "SkinStream": a signed 32-bit length, then that many bytes of skin file. Reading
  // loads the skin (short or negative data stores nothing).
  void ReadSkinStream(std::span<const uint8_t> data);
  std::vector<uint8_t> WriteSkinStream() const;

  bool LoadSkin();
  void ApplySkin();
  void FormSkinFilter(HWND window, const std::string& className, bool& DoSkin);
  void SkinChanged();
  // Caption-button hints; rect in screen coordinates.
  void ShowCaptionHint(const RECT& rect, const std::string& text);
  void HideCaptionHint();

  // The skin as loaded: objects, colour tables, SkinEmpty.
  const SkinDefinition& Skin() const { return skin_; }
  SkinDefinition& Skin() { return skin_; }
  bool SkinEmpty() const { return skin_.SkinEmpty; }
  COLORREF SkinColor(SkinColourIndex index) const;
  // Solid brush of ButtonFace, remade after each load.
  HBRUSH BackBrush() const { return back_brush_.get(); }
  HFONT SystemCaptionFont() const { return caption_font_.get(); }
  fw::TImageList* MenuImages() const { return menu_images_; }
  // The application's small icon on magenta (transparent in magenta); null until Loaded.
  HBITMAP AppIconBitmap() const { return app_icon_.get(); }
  HWND HintWindow() const;
  bool HintShown() const { return hint_shown_; }
  HWND CurrentWindow() const { return current_window_; }
  int32_t MaxWidth = 0;
  int32_t MaxHeight = 0;
  // Cleared by the form skin object while a form's menu changes: the frame is then not painted.
  bool FramePainting = true;

  // Bytes of the skin file held (from SkinFile or "SkinStream").
  const std::vector<uint8_t>& SkinBuffer() const { return skin_buffer_; }

  // While the owner's stored settings are being read (csLoading, or owned and not yet Loaded):
  // SetActive only stores, ApplySkin does nothing.
  bool Reading() const;

  // Accessors of the published field properties.
  int32_t GetDisableTag() const { return DisableTag; }
  void SetDisableTag(int32_t v) { DisableTag = v; }
  TSkinControlTypes GetSkinControls() const { return SkinControls; }
  void SetSkinControls(TSkinControlTypes v) { SkinControls = v; }
  TSkinOptions GetOptions() const { return Options; }
  void SetOptions(TSkinOptions v) { Options = v; }
  TSkinFormType GetSkinFormtype() const { return SkinFormtype; }
  void SetSkinFormtype(TSkinFormType v) { SkinFormtype = v; }
  bool GetMenuUpdate() const { return MenuUpdate; }
  void SetMenuUpdate(bool v) { MenuUpdate = v; }
  bool GetMenuMerge() const { return MenuMerge; }
  void SetMenuMerge(bool v) { MenuMerge = v; }
  void SetSkinStore(const std::string&) {}
  void SetVersion(const std::string&) {}
  void SetSkin3rdStrings(fw::TStrings* rows) {
    if (rows && rows != &skin3rd_) skin3rd_.Assign(rows->Items());
  }

 protected:
  void Loaded() override;

 private:
  void MakeBackBrush();
  void MakeAppIconBitmap();
  void MakeSystemCaptionFont();
  // A load that threw or failed leaves form skins pointing at remade objects: they reload.
  void ReloadUsers();

  bool active_ = false;
  bool loaded_ = false;  // Loaded has run
  mutable fw::TStrings skin3rd_;
  std::string skin_file_;
  std::vector<uint8_t> skin_buffer_;
  SkinDefinition skin_;
  fw::UniqueBrush back_brush_;
  fw::UniqueFont caption_font_;
  fw::TImageList* menu_images_ = nullptr;  // owned as a component
  fw::UniqueBitmap app_icon_;
  fw::UniqueHwnd hint_window_;
  std::string hint_text_;
  bool hint_shown_ = false;
  HWND current_window_ = nullptr;
};

// The built-in glyph strip holds four 16 x 16 glyphs in this order.
constexpr int kGlyphRestore = 0;
constexpr int kGlyphMaximize = 1;
constexpr int kGlyphMinimize = 2;
constexpr int kGlyphClose = 3;
// Whether pixel (x, y) of the strip (64 x 16) is black.
bool MenuGlyphPixel(int x, int y);

// The built-in 64 x 16 glyph strip "TAMBRIXMENU" (restore, maximize, minimize, close), one bit per
// pixel, black on white.
fw::UniqueBitmap MakeMenuGlyphStrip();

}  // namespace skin
