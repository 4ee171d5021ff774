#include "framework/stdctrls.h"

#include <windowsx.h>

namespace fw {

const TClassInfo& TButton::StaticClassInfo() {
  static const TClassInfo info = ClassInfoBuilder<TButton>("TButton", &TWinControl::StaticClassInfo())
                                     .Str("Caption", &TButton::Caption, &TButton::SetCaption)
                                     .Bool("Default", &TButton::Default, &TButton::SetDefault)
                                     .Build();
  return info;
}
const TClassInfo& TCustomEdit::StaticClassInfo() {
  static const TClassInfo info =
      ClassInfoBuilder<TCustomEdit>("TCustomEdit", &TWinControl::StaticClassInfo())
          .Str("Text", &TCustomEdit::Text, &TCustomEdit::SetText)
          .Bool("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly)
          .Enum("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle, {"bsNone", "bsSingle"})
          .Build();
  return info;
}
FW_DEFINE_CLASS(TEdit, TCustomEdit)
const TClassInfo& TLabel::StaticClassInfo() {
  static const TClassInfo info =
      ClassInfoBuilder<TLabel>("TLabel", &TGraphicControl::StaticClassInfo())
          .Str("Caption", &TLabel::Caption, &TLabel::SetCaption)
          .Bool("Transparent", &TLabel::Transparent, &TLabel::SetTransparent)
          .Bool("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize)
          .Bool("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap)
          .Enum("Alignment", &TLabel::Alignment, &TLabel::SetAlignment,
                {"taLeftJustify", "taRightJustify", "taCenter"})
          .Build();
  return info;
}
const TClassInfo& TListBox::StaticClassInfo() {
  static const TClassInfo info =
      ClassInfoBuilder<TListBox>("TListBox", &TWinControl::StaticClassInfo())
          .Int("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex)
          .Int("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight)
          .Enum("BorderStyle", &TListBox::BorderStyle, &TListBox::SetBorderStyle, {"bsNone", "bsSingle"})
          .Object("Items", &TListBox::Items)
          .Build();
  return info;
}

// ---- TButton

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
  click_events_ = false;
}

void TButton::SetDefault(bool value) {
  if (value == default_) return;
  default_ = value;
  if (HWND h = HandleIfAllocated()) SendMessageA(h, BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClass = "BUTTON";
  p.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::WndProc(TMessage& msg) {
  if (msg.Msg == CN_COMMAND && HIWORD(msg.WParam) == BN_CLICKED) {
    Click();
    return;
  }
  TWinControl::WndProc(msg);
}

// ---- TCustomEdit

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetColor(clWindow);
  SetTabStop(true);
  click_events_ = false;
}

void TCustomEdit::SetReadOnly(bool value) {
  read_only_ = value;
  if (HWND h = HandleIfAllocated()) SendMessageA(h, EM_SETREADONLY, value, 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  RecreateWnd();
}

void TCustomEdit::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClass = "EDIT";
  p.Style |= ES_AUTOHSCROLL | ES_LEFT;
  if (read_only_) p.Style |= ES_READONLY;
  if (border_style_ == TBorderStyle::bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() { SendMessageA(HandleIfAllocated(), EM_LIMITTEXT, 0, 0); }

void TCustomEdit::DestroyWnd() { text_ = Text(); }

void TCustomEdit::WndProc(TMessage& msg) {
  if (msg.Msg == CN_COMMAND && HIWORD(msg.WParam) == EN_CHANGE) {
    if (OnChange) OnChange(this);
    return;
  }
  TWinControl::WndProc(msg);
}

// ---- TLabel

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);
}

void TLabel::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Invalidate();
}
void TLabel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}
void TLabel::SetAutoSize(bool value) {
  auto_size_ = value;
  AdjustBounds();
}
void TLabel::SetWordWrap(bool value) {
  word_wrap_ = value;
  AdjustBounds();
  Invalidate();
}
void TLabel::TextChanged() {
  AdjustBounds();
  Invalidate();
}
void TLabel::FontChanged() {
  AdjustBounds();
  Invalidate();
}

void TLabel::AdjustBounds() {
  if (!auto_size_) return;
  WindowDc dc(nullptr);
  SelectGuard sel(dc.get(), Font()->Handle());
  RECT r{0, 0, word_wrap_ ? width_ : 0, 0};
  std::string text = text_.empty() ? std::string(" ") : text_;
  DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &r,
            DT_CALCRECT | DT_EXPANDTABS | (word_wrap_ ? DT_WORDBREAK : 0));
  SetBounds(left_, top_, r.right, r.bottom);
}

void TLabel::Paint() {
  HDC dc = Canvas()->Handle();
  RECT r = ClientRect();
  if (!transparent_) {
    UniqueBrush brush(CreateSolidBrush(ColorToRGB(EffectiveColor())));
    FillRect(dc, &r, brush.get());
  }
  SelectGuard sel(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  UINT format = DT_EXPANDTABS | (word_wrap_ ? DT_WORDBREAK : 0);
  if (alignment_ == TAlignment::taCenter) format |= DT_CENTER;
  if (alignment_ == TAlignment::taRightJustify) format |= DT_RIGHT;
  if (!Enabled()) {
    OffsetRect(&r, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &r, format);
    OffsetRect(&r, -1, -1);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  } else {
    SetTextColor(dc, ColorToRGB(Font()->Color()));
  }
  DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &r, format);
}

// ---- TListBox

TListBox::TListBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TStrings>()) {
  SetBounds(0, 0, 121, 97);
  SetColor(clWindow);
  SetTabStop(true);
  click_events_ = false;
  items_->OnChanged = [this](TStrings::TChange change, int index) { ItemsChanged(change, index); };
}

void TListBox::ItemsChanged(TStrings::TChange change, int index) {
  HWND h = HandleIfAllocated();
  if (!h) return;
  switch (change) {
    case TStrings::TChange::Insert:
      SendMessageA(h, LB_INSERTSTRING, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(items_->Strings(index).c_str()));
      break;
    case TStrings::TChange::Delete:
      SendMessageA(h, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
      break;
    case TStrings::TChange::Set: {
      int sel = ItemIndex();
      SendMessageA(h, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
      SendMessageA(h, LB_INSERTSTRING, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(items_->Strings(index).c_str()));
      if (sel == index) SendMessageA(h, LB_SETCURSEL, static_cast<WPARAM>(sel), 0);
      break;
    }
    case TStrings::TChange::Clear:
      SendMessageA(h, LB_RESETCONTENT, 0, 0);
      break;
  }
}

int TListBox::ItemIndex() const {
  if (HWND h = HandleIfAllocated()) return static_cast<int>(SendMessageA(h, LB_GETCURSEL, 0, 0));
  return item_index_;
}

void TListBox::SetItemIndex(int index) {
  if (index < -1 || index >= items_->Count()) index = -1;
  item_index_ = index;
  if (HWND h = HandleIfAllocated()) SendMessageA(h, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TListBox::SetItemHeight(int height) {
  if (height <= 0) return;
  item_height_ = height;
  if (HWND h = HandleIfAllocated()) {
    SendMessageA(h, LB_SETITEMHEIGHT, 0, height);
    Invalidate();
  }
}

int TListBox::TopIndex() const {
  HWND h = HandleIfAllocated();
  return h ? static_cast<int>(SendMessageA(h, LB_GETTOPINDEX, 0, 0)) : 0;
}

void TListBox::SetBorderStyle(TBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  RecreateWnd();
}

RECT TListBox::ItemRect(int index) const {
  RECT r{};
  if (HWND h = HandleIfAllocated()) SendMessageA(h, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

int TListBox::ItemAtPos(POINT p, bool existing) const {
  HWND h = HandleIfAllocated();
  if (!h) return -1;
  RECT client;
  GetClientRect(h, &client);
  if (!PtInRect(&client, p)) return -1;
  for (int i = TopIndex(); i < items_->Count(); ++i) {
    RECT r = ItemRect(i);
    if (r.top >= client.bottom) break;
    if (PtInRect(&r, p)) return i;
  }
  return existing ? -1 : items_->Count();
}

void TListBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClass = "LISTBOX";
  p.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  if (border_style_ == TBorderStyle::bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::CreateWnd() {
  HWND h = HandleIfAllocated();
  SendMessageA(h, LB_SETITEMHEIGHT, 0, item_height_);
  for (const std::string& s : items_->Items())
    SendMessageA(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
  if (item_index_ >= 0) SendMessageA(h, LB_SETCURSEL, static_cast<WPARAM>(item_index_), 0);
}

void TListBox::DestroyWnd() { item_index_ = ItemIndex(); }

void TListBox::WndProc(TMessage& msg) {
  if (msg.Msg == CN_COMMAND) {
    switch (HIWORD(msg.WParam)) {
      case LBN_SELCHANGE:
        Click();
        return;
      case LBN_DBLCLK:
        DblClick();
        return;
    }
  }
  TWinControl::WndProc(msg);
}

}  // namespace fw
