#pragma once
// Drag and drop between framework controls: started by BeginDrag (automatically on a press for
// controls with DragMode dmAutomatic), followed with the mouse captured by the source's window,
// ended by the release (drop on an accepting target) or Escape (cancel).
#include <windows.h>

#include "framework/messages.h"

namespace fw {

class TControl;
class TWinControl;

class DragManager {
 public:
  static void Begin(TControl* source, bool immediate, int threshold);
  static TControl* Source();
  static bool Started();
  static void Finish(bool drop);
  static void Cancel();
  // A control that goes away stops being the drag's source or target.
  static void Forget(TControl* control);
  // Takes the mouse and key messages of the drag's window while a drag is pending; true when the
  // message was consumed.
  static bool Filter(TWinControl* window, TMessage& msg);
  // The control under a screen point (windowless children included), or null.
  static TControl* FindDragTarget(POINT screen);
};

}  // namespace fw
