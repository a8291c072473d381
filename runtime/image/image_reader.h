// Rebuilds a program tree from a compiled image. Records are descrambled,
// then every node is made, then every record is loaded, the references
// checked, and the records finished, each after the records it holds. The
// nodes outlive the reader; a load that fails frees everything it made.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/base/base.h"
#include "runtime/image/container.h"
#include "runtime/image/reference_graph.h"
#include "runtime/image/streamer.h"

namespace runtime {

class CImageReader {
public:
  CImageReader() = default;
  CImageReader(const CImageReader&) = delete;
  CImageReader& operator=(const CImageReader&) = delete;
  ~CImageReader();

  // The root node (record 1) of the image at the end of the bytes, with one
  // reference for the caller.
  CBase* Load(std::string bytes);

  struct RecordView {
    int32_t classId;
    ByteCursor body;
  };
  // A record's class id and descrambled body (1-based number); a number
  // outside the image is a bad format.
  RecordView View(int32_t record) const;
  // The node of a record referred to from the holder's record.
  CBase* Resolve(int32_t holder, int32_t record, ReferenceKind kind, bool (*isClass)(CBase*));
  // The streamer of a record (1-based), for readers that check what other
  // records hold before the records finish.
  CStreamer& StreamerOf(int32_t record) const;

private:
  struct RecordSpan {
    int32_t classId;
    std::size_t offset;
    std::size_t size;
  };

  void ReadRecordTable(ByteCursor& payload, std::size_t payloadStart, ImageForm form);
  void CreateRecords();
  void FinishRecords();
  CBase* HandOverRoot();
  void Abandon();

  std::string bytes_;
  std::vector<RecordSpan> spans_;
  std::vector<std::unique_ptr<CStreamer>> streamers_;
  std::optional<ReferenceGraph> graph_;
};

}  // namespace runtime
