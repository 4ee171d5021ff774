#pragma once
// TImageList: images of one size (16 x 16 by default) in a common-controls image list, from a
// bitmap strip or added one by one at run time.
#include <windows.h>
#include <commctrl.h>

#include "framework/component.h"
#include "framework/handles.h"
#include "framework/types.h"

namespace fw {

class TImageList : public TComponent {
  FW_CLASS()
 public:
  explicit TImageList(TComponent* owner);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Changing the size empties the list.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  int Count() const;
  HIMAGELIST Handle() const { return handle_.get(); }

  // Adds the images of a strip (its width a multiple of Width); pixels of `mask_color` stay
  // transparent. Returns the index of the first image added, or -1.
  int AddMasked(HBITMAP strip, COLORREF mask_color);
  int AddIcon(HICON icon);
  void Clear();
  void Draw(HDC dc, int x, int y, int index, bool enabled = true) const;

 private:
  void Create();

  int width_ = 16;
  int height_ = 16;
  UniqueImageList handle_;
};

}  // namespace fw
