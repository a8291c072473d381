// The class-id registry: for each id the streamer class that reads its
// records and the node class its records fill. Units register their ids
// before any image is loaded; ids 0-4 (the base containers) are present from
// the start.
//
// A node factory makes the node with all fields at their zero value; it may
// read ahead in the record (Body, CImageReader::View) when the class fixes
// something at construction, such as whether a list owns its items.
#pragma once
#include <cstdint>
#include <memory>

#include "base/base.h"
#include "image/byte_cursor.h"
#include "image/streamer.h"

using StreamerFactory = std::unique_ptr<CStreamer> (*)();
using NodeFactory = CBase* (*)(CStreamer& record);

struct StreamerClass {
  StreamerFactory newStreamer = nullptr;
  NodeFactory newNode = nullptr;
};

template <class S>
std::unique_ptr<CStreamer> NewStreamer() { return std::make_unique<S>(); }
template <class N>
CBase* NewPlainNode(CStreamer&) { return new N(); }

// Ids run from 0 to kMaxClassId; registering an id again replaces its classes.
inline constexpr int32_t kMaxClassId = 0xFFFF;
void RegisterStreamer(StreamerFactory streamerClass, NodeFactory nodeClass, int32_t id);
// Null for an id without classes.
const StreamerClass* FindStreamerClass(int32_t id);

// A streamer for the record, attached to its body, with its new node; an
// unregistered id is a bad format.
std::unique_ptr<CStreamer> CreateStreamer(int32_t id, CImageReader& reader, int32_t record, ByteCursor body);
