#pragma once
// TShape (filled rectangle), TPanel (bevelled container), TImage (a bitmap, stretched if asked)
// and TLabeledEdit (an edit with its label above).
#include <memory>

#include "framework/stdctrls.h"

namespace fw {

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
  FW_CLASS()
 public:
  explicit TShape(TComponent* owner);
  TBrush* Brush() const { return brush_.get(); }
  TPen* Pen() const { return pen_.get(); }
  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType shape);

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TBrush> brush_;
  std::unique_ptr<TPen> pen_;
  TShapeType shape_ = TShapeType::stRectangle;
};

class TPanel : public TWinControl {
  FW_CLASS()
 public:
  explicit TPanel(TComponent* owner);
  TBevelCut BevelInner() const { return bevel_inner_; }
  void SetBevelInner(TBevelCut cut);
  TBevelCut BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(TBevelCut cut);
  int BevelWidth() const { return bevel_width_; }
  void SetBevelWidth(int width);
  bool ParentBackground() const { return parent_background_; }
  void SetParentBackground(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(HDC dc) override;
  bool HostsGraphicControls() const override { return true; }

 private:
  TBevelCut bevel_inner_ = TBevelCut::bvNone;
  TBevelCut bevel_outer_ = TBevelCut::bvRaised;
  int bevel_width_ = 1;
  bool parent_background_ = false;
};

class TImage : public TGraphicControl {
  FW_CLASS()
 public:
  explicit TImage(TComponent* owner);
  // The bitmap shown (the design's picture).
  TBitmap* Picture() const { return picture_.get(); }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TBitmap> picture_;
  bool stretch_ = false;
  bool center_ = false;
};

// The label that belongs to a TLabeledEdit; it follows the edit's position.
class TBoundLabel : public TLabel {
  FW_CLASS()
 public:
  explicit TBoundLabel(TComponent* owner);
};

class TLabeledEdit : public TCustomEdit {
  FW_CLASS()
 public:
  explicit TLabeledEdit(TComponent* owner);
  TBoundLabel* EditLabel() const { return label_; }
  int LabelSpacing() const { return label_spacing_; }
  void SetLabelSpacing(int spacing);
  void SetParent(TWinControl* parent) override;
  void SetBounds(int left, int top, int width, int height) override;
  // Puts the label above the edit (also after the label's font or caption changed).
  void PlaceLabel();

 protected:
  void VisibleChanged() override;

 private:
  TBoundLabel* label_ = nullptr;
  int label_spacing_ = 3;
};

}  // namespace fw
