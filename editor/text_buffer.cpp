#include "editor/text_buffer.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "editor/line_cutter.h"
#include "editor/utf8_line_cutter.h"
#include "platform/codepage.h"
#include "platform/memory.h"

namespace editor {

using toolkit::Char;
using toolkit::Object;
using toolkit::String;
using toolkit::StringView;

namespace {

const Char* BreakText(LineBreakKind kind) {
  switch (kind) {
    case LineBreakKind::Lf:
      return u"\n";
    case LineBreakKind::Cr:
      return u"\r";
    case LineBreakKind::LineSeparator:
      return u"\x2028";
    case LineBreakKind::CrLf:
      break;
  }
  return u"\r\n";
}

TCodeEditStringRec NewLine() { return TCodeEditStringRec{nullptr, -1, 0, -1, 0, line_flags::kExpandedUnknown}; }

}  // namespace

TCodeEditStringList::TCodeEditStringList(WideGlyphExpansion expandWideGlyphs)
    : expandTabs_(BestExpandTabsRoutine(8)), expandWideGlyphs_(expandWideGlyphs) {
  SetLineBreak(BreakText(lineBreakKind_));
}

TCodeEditStringList::~TCodeEditStringList() {
  std::free(lines_);
  std::free(objects_);
}

void TCodeEditStringList::CheckIndex(int index, int last) const {
  if (index < 0 || index > last)
    throw ECodeEditStringList(toolkit::FormatText(u"Invalid stringlist index %d", index));
}

template <class Change>
void TCodeEditStringList::Updating(Change change) {
  BeginUpdate();
  try {
    change();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

String TCodeEditStringList::Get(int index) const { return String(LineView(index)); }

StringView TCodeEditStringList::LineView(int index) const {
  if (index < 0 || index >= count_) return {};
  const TCodeEditStringRec& line = Line(index);
  return StringView(line.text, static_cast<std::size_t>(line.length));
}

Object* TCodeEditStringList::GetObject(int index) const {
  if (index < 0 || index >= count_ || !objects_) return nullptr;
  return objects_[Slot(index)];
}

std::intptr_t TCodeEditStringList::LineRange(int index) const {
  if (index < 0 || index >= count_) return 0;
  return Line(index).range;
}

// Gap moves, growth and compaction: the mechanics every edit shares.

void TCodeEditStringList::MoveGapTo(int index) {
  const int gap = capacity_ - count_;
  if (index == gapStart_ || gap == 0) {
    gapStart_ = index;
    return;
  }
  const int from = index < gapStart_ ? index : gapStart_ + gap;
  const int to = index < gapStart_ ? index + gap : gapStart_;
  const int moved = index < gapStart_ ? gapStart_ - index : index - gapStart_;
  std::memmove(lines_ + to, lines_ + from, static_cast<std::size_t>(moved) * sizeof(*lines_));
  if (objects_) std::memmove(objects_ + to, objects_ + from, static_cast<std::size_t>(moved) * sizeof(*objects_));
  gapStart_ = index;
}

void TCodeEditStringList::Reallocate(int capacity) {
  MoveGapTo(count_);
  if (capacity == 0) {
    std::free(lines_);
    std::free(objects_);
    lines_ = nullptr;
    objects_ = nullptr;
    capacity_ = 0;
    return;
  }
  auto* lines = static_cast<TCodeEditStringRec*>(std::realloc(lines_, capacity * sizeof(*lines_)));
  if (!lines) throw std::bad_alloc();
  lines_ = lines;
  if (objects_) {
    auto* objects = static_cast<Object**>(std::realloc(objects_, capacity * sizeof(*objects_)));
    if (!objects) throw std::bad_alloc();
    objects_ = objects;
  }
  capacity_ = capacity;
}

void TCodeEditStringList::MakeRoom(int added) {
  if (count_ + added <= capacity_) return;
  if (added == 1) {
    Reallocate(capacity_ + (capacity_ > 64 ? capacity_ / 4 : 16));
  } else {
    Reallocate(count_ + added);
  }
}

void TCodeEditStringList::SetCapacity(int capacity) {
  if (capacity < count_) throw toolkit::ListError(toolkit::messages::kStringListCapacityError);
  if (capacity != capacity_) Reallocate(capacity);
}

void TCodeEditStringList::OpenLines(int index, int count) {
  MakeRoom(count);
  MoveGapTo(index);
  for (int i = 0; i < count; ++i) {
    lines_[index + i] = NewLine();
    if (objects_) objects_[index + i] = nullptr;
  }
  gapStart_ = index + count;
  count_ += count;
  LinesChanged();
}

void TCodeEditStringList::CloseLines(int index, int count) {
  for (int i = index; i < index + count; ++i) pool_.Release(static_cast<std::size_t>(Line(i).length));
  MoveGapTo(index);
  count_ -= count;
  LinesChanged();
}

void TCodeEditStringList::SetLineText(TCodeEditStringRec& line, StringView text) {
  Char* stored = nullptr;
  if (!text.empty()) {
    stored = pool_.Allocate(text.size());
    std::memcpy(stored, text.data(), text.size() * sizeof(Char));
  }
  pool_.Release(static_cast<std::size_t>(line.length));
  line.text = stored;
  line.length = static_cast<std::int32_t>(text.size());
}

// Every change forgets the longest line and the character offsets: offsets
// read inside an update bracket must not be those of an earlier state.
void TCodeEditStringList::LinesChanged() {
  longestLine_ = -1;
  charOffsetsValid_ = false;
}

void TCodeEditStringList::CompactTextIfWasteful() {
  if (!pool_.WantsCompaction()) return;
  LineTextPool fresh;
  fresh.Reserve(pool_.LiveCharacters());
  for (int i = 0; i < count_; ++i) {
    TCodeEditStringRec& line = Line(i);
    if (line.length == 0) continue;
    Char* stored = fresh.Allocate(static_cast<std::size_t>(line.length));
    std::memcpy(stored, line.text, static_cast<std::size_t>(line.length) * sizeof(Char));
    line.text = stored;
  }
  pool_ = std::move(fresh);
}

// The edits.

int TCodeEditStringList::Add(const String& text) {
  const int index = count_;
  Insert(index, text);
  return index;
}

void TCodeEditStringList::AddStrings(const toolkit::Strings& list) {
  const int added = list.Count();
  if (added == 0) return;
  Updating([&] {
    const int first = count_;
    const int wanted = (count_ + added + 15) / 16 * 16;
    if (wanted > capacity_) Reallocate(wanted);
    OpenLines(first, added);
    for (int i = 0; i < added; ++i) {
      SetLineText(Line(first + i), list.Get(i));
      if (Object* object = list.GetObject(i)) PutObject(first + i, object);
    }
    OnLinesInserted(this, first, added);
  });
}

void TCodeEditStringList::Insert(int index, const String& text) { InsertObject(index, text, nullptr); }

void TCodeEditStringList::InsertObject(int index, const String& text, Object* object) {
  CheckIndex(index, count_);
  Updating([&] {
    OpenLines(index, 1);
    SetLineText(Line(index), text);
    if (object) PutObject(index, object);
    OnLinesInserted(this, index, 1);
  });
}

void TCodeEditStringList::InsertEmptyLines(int index, int count) {
  CheckIndex(index, count_);
  if (count <= 0) return;
  Updating([&] {
    if (count_ + count > capacity_) Reallocate(count_ + count);
    OpenLines(index, count);
    OnLinesInserted(this, index, count);
  });
}

void TCodeEditStringList::Delete(int index) {
  CheckIndex(index, count_ - 1);
  Updating([&] {
    CloseLines(index, 1);
    CompactTextIfWasteful();
    OnLinesDeleted(this, index, 1);
  });
}

void TCodeEditStringList::RemoveLines(int index, int count) {
  CheckIndex(index, count_);
  if (count > count_ - index) count = count_ - index;
  if (count <= 0) return;
  Updating([&] {
    CloseLines(index, count);
    CompactTextIfWasteful();
    OnLinesDeleted(this, index, count);
  });
}

void TCodeEditStringList::Clear() {
  if (count_ == 0) return;
  Updating([&] {
    Reallocate(0);
    count_ = 0;
    gapStart_ = 0;
    pool_.Reset();
    LinesChanged();
    OnLinesCleared(this);
  });
}

void TCodeEditStringList::Exchange(int a, int b) {
  CheckIndex(a, count_ - 1);
  CheckIndex(b, count_ - 1);
  Updating([&] {
    std::swap(Line(a), Line(b));
    if (objects_) std::swap(objects_[Slot(a)], objects_[Slot(b)]);
    const int longest = longestLine_;
    LinesChanged();
    longestLine_ = longest == a ? b : longest == b ? a : longest;
  });
}

void TCodeEditStringList::Put(int index, const String& text) {
  if (index == count_) {
    Add(text);
    return;
  }
  CheckIndex(index, count_ - 1);
  Updating([&] {
    TCodeEditStringRec& line = Line(index);
    SetLineText(line, text);
    line.expandedLength = -1;
    line.flags = line_flags::kExpandedUnknown;
    LinesChanged();
    CompactTextIfWasteful();
    OnLinesReplaced(this, index, 1);
  });
}

void TCodeEditStringList::PutObject(int index, Object* object) {
  CheckIndex(index, count_ - 1);
  Updating([&] {
    if (!objects_) {
      if (!object) return;
      objects_ = static_cast<Object**>(std::calloc(static_cast<std::size_t>(capacity_), sizeof(*objects_)));
      if (!objects_) throw std::bad_alloc();
    }
    objects_[Slot(index)] = object;
  });
}

void TCodeEditStringList::SetLineRange(int index, std::intptr_t range) {
  CheckIndex(index, count_ - 1);
  Updating([&] { Line(index).range = range; });
}

void TCodeEditStringList::SetUpdateState(bool updating) {
  charOffsetsValid_ = false;
  if (updating) {
    OnChanging(this);
  } else {
    OnChange(this);
  }
}

// Expanded forms and offsets, computed on demand.

String TCodeEditStringList::ExpandedLine(int index) const {
  if (index < 0 || index >= count_) return {};
  TCodeEditStringRec& line = Line(index);
  const StringView text(line.text, static_cast<std::size_t>(line.length));
  if (line.flags & line_flags::kNoTabs) return String(text);
  if (text.empty()) {
    line.expandedLength = 0;
    line.flags = line_flags::kNoTabs;
    return {};
  }
  bool hasTabs = false;
  String expanded = expandTabs_(text, tabWidth_, hasTabs);
  const std::size_t columns = expandWideGlyphs_ ? expandWideGlyphs_(expanded).size() : expanded.size();
  line.expandedLength = static_cast<std::int32_t>(columns);
  line.flags = hasTabs ? line_flags::kHasTabs : line_flags::kNoTabs;
  return expanded;
}

// A line without tabs is its own expanded form: its length needs no copy
// unless wide glyphs are to be counted.
int TCodeEditStringList::ExpandedLineLength(int index) const {
  if (index < 0 || index >= count_) return 0;
  TCodeEditStringRec& line = Line(index);
  if (!(line.flags & line_flags::kExpandedUnknown)) return line.expandedLength;
  const StringView text(line.text, static_cast<std::size_t>(line.length));
  if (text.find(u'\t') != StringView::npos) {
    ExpandedLine(index);
    return line.expandedLength;
  }
  line.expandedLength = static_cast<std::int32_t>(expandWideGlyphs_ ? expandWideGlyphs_(String(text)).size() : text.size());
  line.flags = line_flags::kNoTabs;
  return line.expandedLength;
}

int TCodeEditStringList::LongestLineLength() const {
  if (count_ == 0) return 0;
  if (longestLine_ < 0) {
    int longest = 0;
    int length = -1;
    for (int i = 0; i < count_; ++i) {
      const int own = ExpandedLineLength(i);
      if (own > length) {
        longest = i;
        length = own;
      }
    }
    longestLine_ = longest;
  }
  return Line(longestLine_).expandedLength;
}

void TCodeEditStringList::ComputeCharOffsets() const {
  std::int32_t offset = 0;
  for (int i = 0; i < count_; ++i) {
    TCodeEditStringRec& line = Line(i);
    line.charOffset = offset;
    offset += line.length;
  }
  charOffsetsValid_ = true;
}

int TCodeEditStringList::LineCharOffset(int index) const {
  if (index < 0 || index >= count_) return 0;
  if (!charOffsetsValid_) ComputeCharOffsets();
  return Line(index).charOffset;
}

// Text as a whole.

String TCodeEditStringList::Text() const {
  if (count_ == 0) return {};
  const StringView lineBreak = streaming_ ? BreakText(lineBreakKind_) : u"\r\n";
  const int last = count_ - 1;
  const std::size_t size = static_cast<std::size_t>(LineCharOffset(last)) + static_cast<std::size_t>(last) * lineBreak.size() +
                           static_cast<std::size_t>(Line(last).length);
  String text(size, u'\0');
  Char* out = text.data();
  for (int i = 0; i < count_; ++i) {
    const TCodeEditStringRec& line = Line(i);
    if (line.length > 0) std::memcpy(out, line.text, static_cast<std::size_t>(line.length) * sizeof(Char));
    out += line.length;
    if (i < last) {
      std::memcpy(out, lineBreak.data(), lineBreak.size() * sizeof(Char));
      out += lineBreak.size();
    }
  }
  return text;
}

// Room for the records comes from a count of every break character, a
// bound that one simple pass finds (a CR LF counts twice); it is cut to the
// lines found afterwards, and the bound's untouched tail costs no memory.
void TCodeEditStringList::SetText(StringView text) {
  LoadLines(text.empty(), text.size(), CountBreakCharacters(text), [&] {
    return CutLines(text, [&](std::size_t start, std::size_t length) {
      TCodeEditStringRec& line = lines_[count_];
      gapStart_ = ++count_;
      line = NewLine();
      SetLineText(line, StringView(text.data() + start, length));
    });
  });
}

// Each line is decoded straight into the pool: the whole text never exists
// as UTF-16 outside it. Non-ASCII lines go through the platform's decoder.
void TCodeEditStringList::SetUtf8Text(std::string_view bytes) {
  String decoded;
  const Utf8BreakCount breaks = CountUtf8Breaks(bytes);
  LoadLines(bytes.empty(), breaks.CharacterBound(bytes.size()), breaks.BreakBound(), [&] {
    return CutUtf8Lines(bytes, [&](std::string_view text, bool ascii) {
      TCodeEditStringRec& line = lines_[count_];
      gapStart_ = ++count_;
      line = NewLine();
      if (text.empty()) return;
      if (!ascii) {
        // UTF-8 is always available: only other code pages can be missing.
        static_cast<void>(platform::DecodeCodePage(platform::kCodePageUtf8, text, decoded));
        SetLineText(line, decoded);
        return;
      }
      Char* stored = pool_.Allocate(text.size());
      WidenAscii(text, stored);
      line.text = stored;
      line.length = static_cast<std::int32_t>(text.size());
    });
  });
}

template <class Cut>
void TCodeEditStringList::LoadLines(bool empty, std::size_t characters, std::size_t breaks, Cut cut) {
  Updating([&] {
    Clear();
    // Lines removed one by one leave their objects' array behind.
    std::free(objects_);
    objects_ = nullptr;
    if (empty) {
      SetLineBreakKind(LineBreakKind::CrLf);
      return;
    }
    Reallocate(static_cast<int>(breaks + 1));
    platform::AdviseFilledSoon(lines_, static_cast<std::size_t>(capacity_) * sizeof(*lines_));
    pool_.Reserve(characters);
    // The gap follows the records as they are filled: a failure partway
    // leaves the lines cut so far.
    const BreaksSeen seen = cut();
    LinesChanged();
    Reallocate((count_ + 15) / 16 * 16);
    OnLinesInserted(this, 0, count_);
    if (seen.separator) {
      SetLineBreakKind(LineBreakKind::LineSeparator);
    } else if (seen.cr != seen.lf) {
      SetLineBreakKind(seen.cr ? LineBreakKind::Cr : LineBreakKind::Lf);
    } else {
      SetLineBreakKind(LineBreakKind::CrLf);
    }
  });
}

void TCodeEditStringList::LoadFromStream(toolkit::Stream& stream) {
  streaming_ = true;
  try {
    Strings::LoadFromStream(stream);
  } catch (...) {
    streaming_ = false;
    throw;
  }
  streaming_ = false;
}

void TCodeEditStringList::SaveToStream(toolkit::Stream& stream) const {
  streaming_ = true;
  try {
    Strings::SaveToStream(stream);
  } catch (...) {
    streaming_ = false;
    throw;
  }
  streaming_ = false;
}

void TCodeEditStringList::SetLineBreakKind(editor::LineBreakKind kind) {
  lineBreakKind_ = kind;
  SetLineBreak(BreakText(kind));
}

void TCodeEditStringList::SetTabWidth(int tabWidth) {
  if (tabWidth == tabWidth_) return;
  tabWidth_ = tabWidth;
  expandTabs_ = BestExpandTabsRoutine(tabWidth);
  longestLine_ = -1;
  for (int i = 0; i < count_; ++i) {
    TCodeEditStringRec& line = Line(i);
    line.expandedLength = -1;
    line.flags = line_flags::kExpandedUnknown;
  }
}

}  // namespace editor
