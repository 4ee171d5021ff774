#include "skin/form/frame_painter.h"
