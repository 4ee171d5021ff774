#pragma once
// The program's own pictures, drawn from code so they can be changed by editing shapes.
#include "art/canvas.h"

namespace art {

// The application icon at the given size (32 and 16): a folder with an arrow into it.
Canvas DrawAppIcon(int size);
// Menu image number i of the twelve 16 x 16 menu images.
Canvas DrawMenuImage(int i);
constexpr int kMenuImageCount = 12;
// The about box picture, 144 x 90.
Canvas DrawAboutPicture();

}  // namespace art
