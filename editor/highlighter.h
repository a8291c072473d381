// The base of the editor's syntax highlighters. The editor scans a line with
// StartLine (which scans the first token), reads the current token with
// TokenText, TokenStyle, TokenClass and TokenStart, and calls Next until
// ScanFinished; LineEndState then gives the state to keep for the line, and
// RestoreState (ClearState for the first line) comes before the next line.
// A subclass scans one token in Next, setting TokenPos and Run, and then
// calls the base Next.
#pragma once
#include <cstdint>

#include "editor/highlighter_attributes.h"
#include "editor/highlighter_options.h"
#include "editor/method_chain.h"
#include "editor/tab_expansion.h"
#include "toolkit/core/string_list.h"

namespace editor {

// What a highlighter keeps at a line's end: a pointer-sized value.
using TCodeRangeState = std::intptr_t;

class TCodeCustomHighlighter : public toolkit::Component {
 public:
  explicit TCodeCustomHighlighter(toolkit::Component* owner);
  ~TCodeCustomHighlighter() override;

  toolkit::String ClassName() const override { return u"TCodeCustomHighlighter"; }
  // From another highlighter: the attributes with the same names, its
  // sample text when it is of the same class, DefaultFilter and Enabled.
  void Assign(const toolkit::Persistent* source) override;

  virtual int CountAttributes() const;
  // In name order; null outside 0..count-1.
  virtual TCodeHighlighterAttributes* AttributeAt(int index) const;
  // The attribute for a common token class (numbered by the subclass).
  virtual TCodeHighlighterAttributes* CommonAttribute(int index) const = 0;
  virtual toolkit::String DefaultFilter() const { return defaultFilter_; }
  virtual bool IsDefaultFilterStored() const { return true; }
  virtual void SetDefaultFilter(const toolkit::String& filter) { defaultFilter_ = filter; }
  virtual toolkit::String SampleText() const { return {}; }
  virtual void SetSampleText(const toolkit::String&) {}
  virtual unsigned FeatureSet() const { return 2; }
  virtual toolkit::String LanguageTitle() const { return u"<Unknown>"; }
  virtual toolkit::String DisplayLanguageTitle() const { return u"<Unknown>"; }
  virtual toolkit::String KeywordsOfKind(int) const { return {}; }
  virtual bool IsReservedWord(const toolkit::String&) const { return false; }

  // The scan protocol.
  virtual void StartLine(const toolkit::String& text, int lineNumber);
  // The expanded text has tabs expanded and wide characters followed by
  // kWideGlyphFiller; the expanded token positions refer to it.
  virtual void StartLineExpanded(const toolkit::String& text, const toolkit::String& expanded, int lineNumber);
  virtual void Next();
  virtual bool ScanFinished() const = 0;
  virtual bool TokenEquals(toolkit::StringView text) const;
  virtual bool PastLineEnd(int index) const;
  virtual toolkit::String TokenText() const;
  virtual toolkit::String TokenTextExpanded() const;
  virtual int TokenStart() const { return tokenPos_; }
  virtual int TokenStartExpanded() const;
  // Null for plain text.
  virtual TCodeHighlighterAttributes* TokenStyle() const = 0;
  virtual int TokenClass() const = 0;
  virtual TCodeRangeState LineEndState() const { return 0; }
  virtual void RestoreState(TCodeRangeState) {}
  virtual void ClearState() {}
  // Calls Next until the scan has passed the line's end.
  void SkipToLineEnd();
  int LineNumber() const { return lineNumber_; }

  virtual bool ApplySetting(int) { return false; }
  virtual void FillSettingNames(toolkit::Strings& names) const { names.Clear(); }

  // Every attribute under key; false when the key is missing or any
  // attribute could not be read (the others are read all the same).
  virtual bool ReadFromRegistry(const toolkit::SettingsStore& store, toolkit::SettingsRoot root,
                                toolkit::StringView key);
  virtual bool WriteToRegistry(toolkit::SettingsStore& store, toolkit::SettingsRoot root,
                               toolkit::StringView key) const;

  virtual bool IsIdentifierChar(toolkit::Char c) const;
  virtual bool IsBlankChar(toolkit::Char c) const;
  virtual bool IsWordSeparator(toolkit::Char c) const;

  // The highlighter owns the attribute from here on, also when a second
  // attribute of one name raises the string list's duplicate error.
  void RegisterAttribute(TCodeHighlighterAttributes* attribute);
  void AddChangeHook(const toolkit::NotifyEvent& handler) { changeHooks_.AddHandler(handler); }
  void RemoveChangeHook(const toolkit::NotifyEvent& handler) { changeHooks_.RemoveHandler(handler); }
  // Fires the change hooks with sender, except while loading.
  void NotifyAttributeChange(toolkit::Object* sender);
  // Every attribute fires handler on change and keeps its values as defaults.
  void BindAttributeChanges(const toolkit::NotifyEvent& handler);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  TCodeEditHighlighterOptions& Options() { return options_; }
  const TCodeEditHighlighterOptions& Options() const { return options_; }
  bool CaseSensitive() const { return caseSensitive_; }

 protected:
  void Loaded() override;
  // Sets up the line for scanning; case-insensitive highlighters scan it in lower case.
  virtual void PrepareLine(const toolkit::String& text, int lineNumber);
  void SetCaseSensitive(bool caseSensitive) { caseSensitive_ = caseSensitive; }
  // The text the subclass scans (lower case when not case-sensitive).
  toolkit::StringView ScanText() const { return caseSensitive_ ? casedText_ : scannedText_; }
  int LineLength() const { return static_cast<int>(casedText_.size()); }
  // The current identifier, as a place in the scanned text, for TokenEquals.
  void SetIdentifier(int start, int length) {
    identStart_ = start;
    identLength_ = length;
  }

  int tokenPos_ = 0;
  int run_ = 0;

 private:
  // The token's bounds clamped to the line.
  int Clamped(int index) const;

  toolkit::StringList attributes_;
  TCodeNotifyEventChain changeHooks_;
  bool enabled_ = true;
  TCodeEditHighlighterOptions options_;
  toolkit::String casedText_;
  bool caseSensitive_ = false;
  toolkit::String defaultFilter_;
  toolkit::String expandedText_;
  bool hasExpanded_ = false;
  int expandedTokenPos_ = 0;
  toolkit::String scannedText_;
  int lineNumber_ = 0;
  int identStart_ = 0;
  int identLength_ = 0;
  int expandedRun_ = 0;
  int oldRun_ = 0;
};

}  // namespace editor
