#include "framework/comctrls.h"

#include <commctrl.h>

#include <algorithm>

namespace fw {

namespace {
UINT g_next_button_command = 0x6000;  // apart from menu commands
}

const TClassInfo& TToolButton::StaticClassInfo() {
  static const TClassInfo info = ClassInfoBuilder<TToolButton>("TToolButton", &TGraphicControl::StaticClassInfo())
                                     .Str("Caption", &TToolButton::Caption, &TToolButton::SetCaption)
                                     .Int("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex)
                                     .Build();
  return info;
}
const TClassInfo& TToolBar::StaticClassInfo() {
  static const TClassInfo info = ClassInfoBuilder<TToolBar>("TToolBar", &TWinControl::StaticClassInfo())
                                     .Int("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth)
                                     .Int("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight)
                                     .Bool("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions)
                                     .Bool("Flat", &TToolBar::Flat, &TToolBar::SetFlat)
                                     .Build();
  return info;
}

// ---- TToolButton

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) {
  command_ = g_next_button_command++;
  SetBounds(0, 0, 23, 22);
}

TToolButton::~TToolButton() {
  if (TToolBar* bar = ToolBar()) bar->RemoveButton(this);
}

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

int TToolButton::Index() const {
  TToolBar* bar = ToolBar();
  if (!bar) return -1;
  auto it = std::find(bar->buttons_.begin(), bar->buttons_.end(), this);
  return it == bar->buttons_.end() ? -1 : static_cast<int>(it - bar->buttons_.begin());
}

void TToolButton::SetParent(TWinControl* parent) {
  if (TToolBar* old = ToolBar()) old->RemoveButton(this);
  TGraphicControl::SetParent(parent);
  if (TToolBar* bar = ToolBar()) bar->AddButton(this);
}

void TToolButton::SetText(const std::string& text) {
  TGraphicControl::SetText(text);
  if (TToolBar* bar = ToolBar()) bar->RebuildButtons();
}

// ---- TToolBar

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 29);
  SetAlign(TAlign::alTop);
  click_events_ = false;
}

void TToolBar::AddButton(TToolButton* button) {
  if (std::find(buttons_.begin(), buttons_.end(), button) == buttons_.end()) buttons_.push_back(button);
  RebuildButtons();
}

void TToolBar::RemoveButton(TToolButton* button) {
  buttons_.erase(std::remove(buttons_.begin(), buttons_.end(), button), buttons_.end());
  if (!(ComponentState() & csDestroying)) RebuildButtons();
}

void TToolBar::SetButtonWidth(int width) {
  button_width_ = width;
  RebuildButtons();
}
void TToolBar::SetButtonHeight(int height) {
  button_height_ = height;
  RebuildButtons();
}
void TToolBar::SetShowCaptions(bool value) {
  show_captions_ = value;
  RebuildButtons();
}
void TToolBar::SetFlat(bool value) {
  if (value == flat_) return;
  flat_ = value;
  if (HWND h = HandleIfAllocated()) {
    LONG style = GetWindowLongA(h, GWL_STYLE);
    SetWindowLongA(h, GWL_STYLE, value ? style | TBSTYLE_FLAT : style & ~TBSTYLE_FLAT);
    Invalidate();
  }
}

void TToolBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.BaseClass = TOOLBARCLASSNAMEA;
  p.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | CCS_TOP;
  if (flat_) p.Style |= TBSTYLE_FLAT;
}

void TToolBar::CreateWnd() {
  HWND h = HandleIfAllocated();
  SendMessageA(h, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(h, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
  RebuildButtons();
}

void TToolBar::FontChanged() {
  TWinControl::FontChanged();
  RebuildButtons();
}

void TToolBar::RebuildButtons() {
  HWND h = HandleIfAllocated();
  if (!h) return;
  while (SendMessageA(h, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageA(h, TB_DELETEBUTTON, 0, 0);
  SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
  for (TToolButton* b : buttons_) {
    TBBUTTON tb{};
    tb.idCommand = static_cast<int>(b->Command());
    tb.iBitmap = I_IMAGENONE;
    tb.fsState = static_cast<BYTE>(b->Enabled() ? TBSTATE_ENABLED : 0);
    if (!b->Visible()) tb.fsState |= TBSTATE_HIDDEN;
    tb.fsStyle = BTNS_BUTTON;
    std::string caption = show_captions_ ? b->Caption() : std::string();
    // The string must end with a second zero when handed over by pointer.
    caption.push_back('\0');
    tb.iString = reinterpret_cast<INT_PTR>(caption.c_str());
    SendMessageA(h, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&tb));
  }
  SendMessageA(h, TB_SETBUTTONSIZE, 0, MAKELPARAM(button_width_, button_height_));
  FitHeight();
  UpdateButtonBounds();
  Invalidate();
}

void TToolBar::FitHeight() {
  HWND h = HandleIfAllocated();
  if (!h || buttons_.empty()) return;
  RECT r{};
  SendMessageA(h, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
  int wanted = r.bottom + 2;  // the buttons' height and the bar's top edge
  if (wanted > 2 && wanted != height_) SetBounds(left_, top_, width_, wanted);
}

void TToolBar::UpdateButtonBounds() {
  HWND h = HandleIfAllocated();
  if (!h) return;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    RECT r{};
    SendMessageA(h, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
    buttons_[i]->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
}

void TToolBar::WndProc(TMessage& msg) {
  if (msg.Msg == CN_COMMAND) {
    UINT id = LOWORD(msg.WParam);
    for (TToolButton* b : std::vector<TToolButton*>(buttons_))
      if (b->Command() == id) {
        b->Click();
        return;
      }
  }
  TWinControl::WndProc(msg);
  if (msg.Msg == WM_SIZE) UpdateButtonBounds();
}

}  // namespace fw
