// ICodeEditBufferPlugin: what the editor asks of an object that lays its
// buffer lines out as display rows (word wrap). Reference-counted: the editor
// holds one reference while the plug-in is on, and the last release frees it.
#pragma once
#include "editor/positions.h"

namespace editor {

class ICodeEditBufferPlugin {
 public:
  virtual int AddRef() = 0;
  virtual int Release() = 0;

  virtual DisplayPos ToDisplayPosition(BufferPos position) const = 0;
  virtual BufferPos ToBufferPosition(DisplayPos position) const = 0;
  virtual int TotalRows() const = 0;
  virtual int LengthOfRow(int row) const = 0;
  // Each answers the change in the number of rows (rows removed for a deletion).
  virtual int NoteLinesInserted(int index, int count) = 0;
  virtual int NoteLinesDeleted(int index, int count) = 0;
  virtual int NoteLinesReplaced(int index, int count) = 0;
  virtual void NoteDisplayChange() = 0;
  virtual void RewrapAll() = 0;

 protected:
  virtual ~ICodeEditBufferPlugin() = default;
};

}  // namespace editor
