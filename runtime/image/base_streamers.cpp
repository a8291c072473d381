#include "image/base_streamers.h"

#include "image/list_streamer.h"
#include "image/named_list_streamer.h"
#include "image/trie_streamer.h"
#include "image/var_levels_streamer.h"

std::span<const BaseStreamer> BaseStreamers() {
  static const BaseStreamer streamers[] = {
      {kBaseClassId, {NewStreamer<CStreamer>, NewPlainNode<CBase>}},
      {kListClassId, {NewStreamer<CListStreamer>, NewListNode}},
      {kTrieClassId, {NewStreamer<CTrieStreamer>, NewPlainNode<CTrie>}},
      {kNamedListClassId, {NewStreamer<CNamedListStreamer>, NewNamedListNode}},
      {kVarLevelsClassId, {NewStreamer<CVarLevelsStreamer>, NewVarLevelsNode}},
  };
  return streamers;
}
