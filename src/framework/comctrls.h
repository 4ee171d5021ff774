#pragma once
// TToolBar (superclassed ToolbarWindow32) with TToolButton items: captions shown, no images,
// fixed button size, tool tips from the buttons' hints.
#include <vector>

#include "framework/wincontrol.h"

namespace fw {

class TToolBar;

// One button of a tool bar; windowless, its bounds follow the native button.
class TToolButton : public TGraphicControl {
  FW_CLASS()
 public:
  explicit TToolButton(TComponent* owner);
  ~TToolButton() override;
  void SetParent(TWinControl* parent) override;
  void SetText(const std::string& text) override;
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index) { image_index_ = index; }
  UINT Command() const { return command_; }
  int Index() const;
  TToolBar* ToolBar() const;

 private:
  int image_index_ = -1;
  UINT command_ = 0;
};

class TToolBar : public TWinControl {
  FW_CLASS()
 public:
  explicit TToolBar(TComponent* owner);

  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TToolButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }
  int ButtonWidth() const { return button_width_; }
  void SetButtonWidth(int width);
  int ButtonHeight() const { return button_height_; }
  void SetButtonHeight(int height);
  bool ShowCaptions() const { return show_captions_; }
  void SetShowCaptions(bool value);
  bool Flat() const { return flat_; }
  void SetFlat(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& msg) override;
  void FontChanged() override;

 private:
  friend class TToolButton;
  void AddButton(TToolButton* button);
  void RemoveButton(TToolButton* button);
  void RebuildButtons();
  void UpdateButtonBounds();
  void FitHeight();

  std::vector<TToolButton*> buttons_;
  int button_width_ = 23;
  int button_height_ = 22;
  bool show_captions_ = false;
  bool flat_ = false;
};

}  // namespace fw
