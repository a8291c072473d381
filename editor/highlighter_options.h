// What a highlighter tells about itself beyond its attributes: how files are
// recognised for it, its comment markers and its title. The editor only
// keeps and copies these.
#pragma once
#include <cstdint>

#include "toolkit/core/component.h"

namespace editor {

class TCodeEditHighlighterOptions : public toolkit::Persistent {
 public:
  toolkit::String ClassName() const override { return u"TCodeEditHighlighterOptions"; }
  // From other options: all eight values.
  void Assign(const toolkit::Persistent* source) override;

  bool AutoDetectEnabled = false;
  std::uint32_t AutoDetectLineLimit = 0;
  toolkit::String AutoDetectMatchExpression;
  toolkit::String DefaultExtension;
  toolkit::String LineCommentarEnd;
  toolkit::String LineCommentarStart;
  toolkit::String Title;
  bool Visible = false;
};

}  // namespace editor
