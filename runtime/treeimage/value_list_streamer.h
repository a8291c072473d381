// Value lists (id 24): named lists of value nodes, read as named lists (id 3).
// Name tables and parameter lists hold variables only; their holders ask for
// that while the records load, before the lists finish.
#pragma once
#include <cstdint>

#include "image/named_list_streamer.h"

class CValueListStreamer : public CNamedListStreamer {
public:
  void RequireVariables() { variablesOnly_ = true; }

protected:
  bool AcceptsItem(CBase* item) const override;

private:
  bool variablesOnly_ = false;
};

CBase* NewValueListNode(CStreamer& record);
// The streamer of a value-list record; any other record is a bad format.
CValueListStreamer& ValueListStreamerOf(const CStreamer& holder, int32_t record);
