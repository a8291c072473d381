// Dragging between controls: one drag at a time, pending until the mouse has
// moved beyond the threshold, then offered to the control under the mouse.
#pragma once
#include "toolkit/core/geometry.h"

namespace toolkit {

class Control;

class DragTracker {
 public:
  static void Begin(Control* source, bool immediate, int threshold, Point screenStart);
  static void Move(Point screen);
  // Drops on the accepting target when drop is true; ends the drag either way.
  static void Finish(bool drop);
  // A control going away leaves any drag it takes part in.
  static void Forget(Control* control);
  static Control* Source();
  // True once the threshold was passed (or the drag began immediately).
  static bool Active();
  static Control* Target();
};

// The control at a screen point: the deepest visible one, windowed or not.
Control* FindControlAt(Point screen);

}  // namespace toolkit
