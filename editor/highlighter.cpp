#include "editor/highlighter.h"

#include <algorithm>
#include <typeinfo>

#include "editor/unicode_text.h"

namespace editor {

TCodeCustomHighlighter::TCodeCustomHighlighter(toolkit::Component* owner)
    : Component(owner), changeHooks_(this) {
  attributes_.SetSorted(true);
  attributes_.SetDuplicates(toolkit::Duplicates::Error);
}

TCodeCustomHighlighter::~TCodeCustomHighlighter() {
  for (int i = attributes_.Count() - 1; i >= 0; --i) delete attributes_.GetObject(i);
}

void TCodeCustomHighlighter::Assign(const toolkit::Persistent* source) {
  const auto* other = dynamic_cast<const TCodeCustomHighlighter*>(source);
  if (!other) {
    Component::Assign(source);
    return;
  }
  if (other == this) return;
  for (int i = 0; i < CountAttributes(); ++i) {
    TCodeHighlighterAttributes* own = AttributeAt(i);
    for (int j = 0; j < other->CountAttributes(); ++j) {
      const TCodeHighlighterAttributes* theirs = other->AttributeAt(j);
      if (theirs->Name() == own->Name()) {
        own->Assign(theirs);
        break;
      }
    }
  }
  if (typeid(*other) == typeid(*this)) SetSampleText(other->SampleText());
  SetDefaultFilter(other->DefaultFilter());
  SetEnabled(other->Enabled());
}

int TCodeCustomHighlighter::CountAttributes() const { return attributes_.Count(); }

TCodeHighlighterAttributes* TCodeCustomHighlighter::AttributeAt(int index) const {
  if (index < 0 || index >= attributes_.Count()) return nullptr;
  return static_cast<TCodeHighlighterAttributes*>(attributes_.GetObject(index));
}

void TCodeCustomHighlighter::RegisterAttribute(TCodeHighlighterAttributes* attribute) {
  try {
    attributes_.AddObject(attribute->Name(), attribute);
  } catch (...) {
    delete attribute;
    throw;
  }
}

void TCodeCustomHighlighter::NotifyAttributeChange(toolkit::Object* sender) {
  if (ComponentState() & toolkit::csLoading) return;
  // A hook that notifies again must not change the sender the rest of this round sees.
  struct SenderScope {
    TCodeNotifyEventChain& chain;
    toolkit::Object* outer;
    ~SenderScope() { chain.SetSender(outer); }
  } scope{changeHooks_, changeHooks_.Sender()};
  changeHooks_.SetSender(sender);
  changeHooks_.FireAll();
}

void TCodeCustomHighlighter::BindAttributeChanges(const toolkit::NotifyEvent& handler) {
  for (int i = CountAttributes() - 1; i >= 0; --i) {
    TCodeHighlighterAttributes* attribute = AttributeAt(i);
    attribute->OnChange = handler;
    attribute->KeepAsDefaults();
  }
}

void TCodeCustomHighlighter::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  NotifyAttributeChange(nullptr);
}

void TCodeCustomHighlighter::Loaded() {
  Component::Loaded();
  NotifyAttributeChange(nullptr);
}

void TCodeCustomHighlighter::PrepareLine(const toolkit::String& text, int lineNumber) {
  casedText_ = text;
  if (caseSensitive_) {
    scannedText_.clear();
  } else {
    scannedText_ = LowerCaseText(text);
  }
  run_ = 0;
  expandedRun_ = 0;
  oldRun_ = run_;
  tokenPos_ = 0;
  expandedTokenPos_ = 0;
  identStart_ = 0;
  identLength_ = 0;
  lineNumber_ = lineNumber;
}

void TCodeCustomHighlighter::StartLine(const toolkit::String& text, int lineNumber) {
  expandedText_.clear();
  hasExpanded_ = false;
  PrepareLine(text, lineNumber);
  Next();
}

void TCodeCustomHighlighter::StartLineExpanded(const toolkit::String& text, const toolkit::String& expanded,
                                               int lineNumber) {
  expandedText_ = expanded;
  hasExpanded_ = true;
  PrepareLine(text, lineNumber);
  Next();
}

void TCodeCustomHighlighter::Next() {
  if (run_ == oldRun_) return;
  expandedTokenPos_ = expandedRun_;
  if (hasExpanded_) {
    const int length = static_cast<int>(expandedText_.size());
    // Fillers are stepped over uncounted, never beyond the expanded line.
    for (int steps = run_ - oldRun_; steps > 0 && expandedRun_ < length; ++expandedRun_)
      if (expandedText_[static_cast<std::size_t>(expandedRun_)] != kWideGlyphFiller) --steps;
  }
  oldRun_ = run_;
}

void TCodeCustomHighlighter::SkipToLineEnd() {
  while (!ScanFinished()) Next();
}

bool TCodeCustomHighlighter::TokenEquals(toolkit::StringView text) const {
  if (static_cast<int>(text.size()) != identLength_) return false;
  const toolkit::StringView scanned = ScanText();
  if (identStart_ < 0 || identStart_ + identLength_ > static_cast<int>(scanned.size())) return false;
  return scanned.substr(static_cast<std::size_t>(identStart_), static_cast<std::size_t>(identLength_)) == text;
}

bool TCodeCustomHighlighter::PastLineEnd(int index) const {
  if (index < 0) return false;
  if (index >= LineLength()) return true;
  const toolkit::Char c = casedText_[static_cast<std::size_t>(index)];
  return c == u'\n' || c == u'\r';
}

int TCodeCustomHighlighter::Clamped(int index) const { return std::clamp(index, 0, LineLength()); }

toolkit::String TCodeCustomHighlighter::TokenText() const {
  const int start = Clamped(tokenPos_);
  const int end = std::max(start, Clamped(run_));
  return casedText_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

toolkit::String TCodeCustomHighlighter::TokenTextExpanded() const {
  if (!hasExpanded_) return TokenText();
  const int length = static_cast<int>(expandedText_.size());
  const int start = std::clamp(expandedTokenPos_, 0, length);
  const int end = std::clamp(expandedRun_, start, length);
  return expandedText_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

int TCodeCustomHighlighter::TokenStartExpanded() const { return hasExpanded_ ? expandedTokenPos_ : tokenPos_; }

bool TCodeCustomHighlighter::ReadFromRegistry(const toolkit::SettingsStore& store, toolkit::SettingsRoot root,
                                              toolkit::StringView key) {
  if (!store.KeyExists(root, key)) return false;
  bool ok = true;
  for (int i = 0; i < CountAttributes(); ++i) ok = AttributeAt(i)->ReadFromRegistry(store, root, key) && ok;
  return ok;
}

bool TCodeCustomHighlighter::WriteToRegistry(toolkit::SettingsStore& store, toolkit::SettingsRoot root,
                                             toolkit::StringView key) const {
  if (!store.CreateKey(root, key)) return false;
  bool ok = true;
  for (int i = 0; i < CountAttributes(); ++i) ok = AttributeAt(i)->WriteToRegistry(store, root, key) && ok;
  return ok;
}

bool TCodeCustomHighlighter::IsIdentifierChar(toolkit::Char c) const {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || c == u'_' || (c >= u'a' && c <= u'z');
}

bool TCodeCustomHighlighter::IsBlankChar(toolkit::Char c) const {
  if (c <= u' ') return true;
  return !IsIdentifierChar(c) && !IsWordSeparator(c);
}

bool TCodeCustomHighlighter::IsWordSeparator(toolkit::Char c) const {
  return c <= 0x2F || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x5E) || c == 0x60 ||
         (c >= 0x7B && c <= 0x7E) || c == 0xA7 || c == 0xB0 || c == 0xB4;
}

}  // namespace editor
