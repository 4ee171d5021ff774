#include "framework/imagelist.h"

namespace fw {

const TClassInfo& TImageList::StaticClassInfo() {
  static const TClassInfo info = ClassInfoBuilder<TImageList>("TImageList", &TComponent::StaticClassInfo())
                                     .Int("Width", &TImageList::Width, &TImageList::SetWidth)
                                     .Int("Height", &TImageList::Height, &TImageList::SetHeight)
                                     .Int("Count", &TImageList::Count)
                                     .Build();
  return info;
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) { Create(); }

void TImageList::Create() {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  handle_.reset(ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 4, 4));
}

void TImageList::SetSize(int width, int height) {
  if (width <= 0 || height <= 0 || (width == width_ && height == height_)) return;
  width_ = width;
  height_ = height;
  Create();
}

int TImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_.get()) : 0; }

int TImageList::AddMasked(HBITMAP strip, COLORREF mask_color) {
  if (!handle_ || !strip) return -1;
  return ImageList_AddMasked(handle_.get(), strip, mask_color);
}

int TImageList::AddIcon(HICON icon) {
  if (!handle_ || !icon) return -1;
  return ImageList_ReplaceIcon(handle_.get(), -1, icon);
}

void TImageList::Clear() {
  if (handle_) ImageList_Remove(handle_.get(), -1);
}

void TImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const {
  if (!handle_ || index < 0 || index >= Count()) return;
  if (enabled) {
    ImageList_Draw(handle_.get(), index, dc, x, y, ILD_TRANSPARENT);
  } else {
    IMAGELISTDRAWPARAMS p{};
    p.cbSize = sizeof(p);
    p.himl = handle_.get();
    p.i = index;
    p.hdcDst = dc;
    p.x = x;
    p.y = y;
    p.rgbBk = CLR_NONE;
    p.rgbFg = CLR_DEFAULT;
    p.fStyle = ILD_TRANSPARENT | ILD_BLEND50;
    ImageList_DrawIndirect(&p);
  }
}

}  // namespace fw
