#include "framework/extctrls.h"

namespace fw {

const TClassInfo& TShape::StaticClassInfo() {
  static const TClassInfo info = ClassInfoBuilder<TShape>("TShape", &TGraphicControl::StaticClassInfo())
                                     .Object("Brush", &TShape::Brush)
                                     .Object("Pen", &TShape::Pen)
                                     .Enum("Shape", &TShape::Shape, &TShape::SetShape,
                                           {"stRectangle", "stSquare", "stRoundRect", "stRoundSquare",
                                            "stEllipse", "stCircle"})
                                     .Build();
  return info;
}
const TClassInfo& TPanel::StaticClassInfo() {
  static const char* const kCuts[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
  (void)kCuts;
  static const TClassInfo info =
      ClassInfoBuilder<TPanel>("TPanel", &TWinControl::StaticClassInfo())
          .Str("Caption", &TPanel::Caption, &TPanel::SetCaption)
          .Enum("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner, {"bvNone", "bvLowered", "bvRaised", "bvSpace"})
          .Enum("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter, {"bvNone", "bvLowered", "bvRaised", "bvSpace"})
          .Int("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth)
          .Bool("ParentBackground", &TPanel::ParentBackground, &TPanel::SetParentBackground)
          .Build();
  return info;
}
const TClassInfo& TImage::StaticClassInfo() {
  static const TClassInfo info = ClassInfoBuilder<TImage>("TImage", &TGraphicControl::StaticClassInfo())
                                     .Object("Picture", &TImage::Picture)
                                     .Bool("Stretch", &TImage::Stretch, &TImage::SetStretch)
                                     .Bool("Center", &TImage::Center, &TImage::SetCenter)
                                     .Build();
  return info;
}
FW_DEFINE_CLASS(TBoundLabel, TLabel)
const TClassInfo& TLabeledEdit::StaticClassInfo() {
  static const TClassInfo info = ClassInfoBuilder<TLabeledEdit>("TLabeledEdit", &TCustomEdit::StaticClassInfo())
                                     .Object("EditLabel", &TLabeledEdit::EditLabel)
                                     .Int("LabelSpacing", &TLabeledEdit::LabelSpacing, &TLabeledEdit::SetLabelSpacing)
                                     .Build();
  return info;
}

// ---- TShape

TShape::TShape(TComponent* owner)
    : TGraphicControl(owner), brush_(std::make_unique<TBrush>()), pen_(std::make_unique<TPen>()) {
  SetBounds(0, 0, 65, 65);
  brush_->OnChange = [this] { Invalidate(); };
  pen_->OnChange = [this] { Invalidate(); };
}

void TShape::SetShape(TShapeType shape) {
  if (shape == shape_) return;
  shape_ = shape;
  Invalidate();
}

void TShape::Paint() {
  HDC dc = Canvas()->Handle();
  SelectGuard b(dc, brush_->Handle());
  SelectGuard p(dc, pen_->Handle());
  int inset = pen_->Width() / 2;
  int l = inset, t = inset, r = width_ - inset + (pen_->Width() == 0 ? 1 : 0), btm = height_ - inset;
  if (pen_->Width() % 2 == 0 && pen_->Width() > 0) {
    --r;
    --btm;
  }
  switch (shape_) {
    case TShapeType::stEllipse:
    case TShapeType::stCircle:
      Ellipse(dc, l, t, r, btm);
      break;
    case TShapeType::stRoundRect:
    case TShapeType::stRoundSquare:
      RoundRect(dc, l, t, r, btm, (r - l) / 4, (btm - t) / 4);
      break;
    default:
      Rectangle(dc, l, t, r, btm);
  }
}

// ---- TPanel

TPanel::TPanel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 41); }

void TPanel::SetBevelInner(TBevelCut cut) {
  bevel_inner_ = cut;
  Invalidate();
}
void TPanel::SetBevelOuter(TBevelCut cut) {
  bevel_outer_ = cut;
  Invalidate();
}
void TPanel::SetBevelWidth(int width) {
  if (width < 1) return;
  bevel_width_ = width;
  Invalidate();
}
void TPanel::SetParentBackground(bool value) {
  parent_background_ = value;
  Invalidate();
}

void TPanel::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.Style |= WS_CLIPCHILDREN;
  p.ExStyle |= WS_EX_CONTROLPARENT;
}

static void Frame3D(HDC dc, RECT& r, COLORREF top_left, COLORREF bottom_right, int width) {
  for (int i = 0; i < width; ++i) {
    UniquePen tl(CreatePen(PS_SOLID, 1, top_left)), br(CreatePen(PS_SOLID, 1, bottom_right));
    SelectGuard s1(dc, tl.get());
    MoveToEx(dc, r.left, r.bottom - 1, nullptr);
    LineTo(dc, r.left, r.top);
    LineTo(dc, r.right - 1, r.top);
    SelectGuard s2(dc, br.get());
    LineTo(dc, r.right - 1, r.bottom - 1);
    LineTo(dc, r.left - 1, r.bottom - 1);
    InflateRect(&r, -1, -1);
  }
}

void TPanel::PaintWindow(HDC dc) {
  RECT r = ClientRect();
  COLORREF hi = GetSysColor(COLOR_BTNHIGHLIGHT), sh = GetSysColor(COLOR_BTNSHADOW);
  auto bevel = [&](TBevelCut cut) {
    if (cut == TBevelCut::bvNone) return;
    if (cut == TBevelCut::bvSpace) {
      InflateRect(&r, -bevel_width_, -bevel_width_);
      return;
    }
    bool raised = cut == TBevelCut::bvRaised;
    Frame3D(dc, r, raised ? hi : sh, raised ? sh : hi, bevel_width_);
  };
  bevel(bevel_outer_);
  bevel(bevel_inner_);
  std::string caption = Text();
  if (!caption.empty()) {
    SelectGuard f(dc, Font()->Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font()->Color()));
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

// ---- TImage

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TBitmap>()) {
  SetBounds(0, 0, 105, 105);
  picture_->OnChange = [this] { Invalidate(); };
}
void TImage::SetStretch(bool value) {
  stretch_ = value;
  Invalidate();
}
void TImage::SetCenter(bool value) {
  center_ = value;
  Invalidate();
}
void TImage::Paint() {
  if (picture_->Empty()) return;
  if (stretch_) {
    Canvas()->StretchDraw(ClientRect(), *picture_);
  } else {
    int x = center_ ? (width_ - picture_->Width()) / 2 : 0;
    int y = center_ ? (height_ - picture_->Height()) / 2 : 0;
    Canvas()->Draw(x, y, *picture_);
  }
}

// ---- TLabeledEdit

TBoundLabel::TBoundLabel(TComponent* owner) : TLabel(owner) { SetAutoSize(true); }

TLabeledEdit::TLabeledEdit(TComponent* owner) : TCustomEdit(owner) {
  label_ = new TBoundLabel(this);
  label_->SetName("SubLabel");
  label_->OnResize = [this](TObject*) { PlaceLabel(); };
}

void TLabeledEdit::SetLabelSpacing(int spacing) {
  label_spacing_ = spacing;
  PlaceLabel();
}

void TLabeledEdit::SetParent(TWinControl* parent) {
  TCustomEdit::SetParent(parent);
  label_->SetParent(parent);
  PlaceLabel();
}

void TLabeledEdit::SetBounds(int left, int top, int width, int height) {
  TCustomEdit::SetBounds(left, top, width, height);
  PlaceLabel();
}

void TLabeledEdit::VisibleChanged() {
  TCustomEdit::VisibleChanged();
  label_->SetVisible(Visible());
}

void TLabeledEdit::PlaceLabel() {
  if (!label_) return;
  label_->SetBounds(left_, top_ - label_->Height() - label_spacing_, label_->Width(), label_->Height());
}

}  // namespace fw
