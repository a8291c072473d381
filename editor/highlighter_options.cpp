#include "editor/highlighter_options.h"

namespace editor {

void TCodeEditHighlighterOptions::Assign(const toolkit::Persistent* source) {
  const auto* other = dynamic_cast<const TCodeEditHighlighterOptions*>(source);
  if (!other) {
    Persistent::Assign(source);
    return;
  }
  AutoDetectEnabled = other->AutoDetectEnabled;
  AutoDetectLineLimit = other->AutoDetectLineLimit;
  AutoDetectMatchExpression = other->AutoDetectMatchExpression;
  DefaultExtension = other->DefaultExtension;
  LineCommentarEnd = other->LineCommentarEnd;
  LineCommentarStart = other->LineCommentarStart;
  Title = other->Title;
  Visible = other->Visible;
}

}  // namespace editor
