#pragma once
// Standard controls: TButton, TEdit, TListBox (superclassed BUTTON, EDIT, LISTBOX) and TLabel
// (windowless text).
#include <memory>

#include "framework/strings.h"
#include "framework/wincontrol.h"

namespace fw {

class TButton : public TWinControl {
  FW_CLASS()
 public:
  explicit TButton(TComponent* owner);
  // The default button is pressed by Enter anywhere in its form.
  bool Default() const { return default_; }
  void SetDefault(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& msg) override;

 private:
  bool default_ = false;
};

class TCustomEdit : public TWinControl {
  FW_CLASS()
 public:
  explicit TCustomEdit(TComponent* owner);
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool value);
  TBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TBorderStyle style);
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& msg) override;

 private:
  bool read_only_ = false;
  TBorderStyle border_style_ = TBorderStyle::bsSingle;
};

class TEdit : public TCustomEdit {
  FW_CLASS()
 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

class TLabel : public TGraphicControl {
  FW_CLASS()
 public:
  explicit TLabel(TComponent* owner);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool value);

 protected:
  void Paint() override;
  void TextChanged() override;
  void FontChanged() override;

 private:
  void AdjustBounds();

  bool transparent_ = false;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool auto_size_ = false;
  bool word_wrap_ = false;
};

class TListBox : public TWinControl {
  FW_CLASS()
 public:
  explicit TListBox(TComponent* owner);

  TStrings* Items() const { return items_.get(); }
  int ItemIndex() const;
  void SetItemIndex(int index);
  int ItemHeight() const { return item_height_; }
  void SetItemHeight(int height);
  int TopIndex() const;
  TBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TBorderStyle style);
  // Index of the entry at a client point; outside every entry: -1 when `existing`, else Count.
  int ItemAtPos(POINT p, bool existing) const;
  RECT ItemRect(int index) const;
  void Clear() { items_->Clear(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& msg) override;

 private:
  void ItemsChanged(TStrings::TChange change, int index);

  std::unique_ptr<TStrings> items_;
  int item_index_ = -1;
  int item_height_ = 13;
  TBorderStyle border_style_ = TBorderStyle::bsSingle;
};

}  // namespace fw
