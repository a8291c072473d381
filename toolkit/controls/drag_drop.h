// Drag and drop between windows, of this program or others: a target a
// window registers, a source that steers the drag, and the effects they agree
// on. The backend runs the drag (OLE on Windows, a planned path headless).
#pragma once
#include <cstdint>

#include "toolkit/controls/data_object.h"
#include "toolkit/core/geometry.h"
#include "toolkit/graphics/backend.h"

namespace toolkit {

// What a window that accepts drops implements. keys are the mouse message
// key bits (mkLButton, mkShift, ..., mkAlt); effect comes in as the
// effects the source allows and goes out as what the target would do. The
// data object is valid until DragLeave or Drop returns.
class DropTarget {
 public:
  virtual ~DropTarget() = default;
  virtual void DragEnter(DataObject& data, std::uint32_t keys, Point screen, DropEffects& effect) = 0;
  virtual void DragOver(std::uint32_t keys, Point screen, DropEffects& effect) = 0;
  virtual void DragLeave() = 0;
  virtual void Drop(DataObject& data, std::uint32_t keys, Point screen, DropEffects& effect) = 0;
};

enum class DragAction { Continue, Drop, Cancel };

// What steers a drag this program started.
class DropSource {
 public:
  virtual ~DropSource() = default;
  // Escape cancels; releasing every mouse button drops.
  virtual DragAction QueryContinueDrag(bool escapePressed, std::uint32_t keys);
  // Answers true to let the platform show its standard cursors.
  virtual bool GiveFeedback(DropEffects effect);
};

}  // namespace toolkit
