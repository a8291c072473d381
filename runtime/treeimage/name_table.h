// Block name tables as images hold them: any member of the trie family, a
// trie of variables (id 2) or a named list (id 3) or value list (id 24) of
// them, owning its items or not. A block finds its names in an owning named
// list, so the table read is rebuilt as one: same names, same items, in the
// record's order.
#pragma once
#include "base/list.h"
#include "image/streamer.h"

// The streamer of the table's record, after that record has finished; the
// caller owns the list returned. Any item that is not a variable is a bad
// format.
CNamedList* BlockNamesOf(const CStreamer& table);
