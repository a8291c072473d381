// CRegex: one PCRE pattern and the subject it walks match by match, for the
// regular-expression and match values and for the IDE's find and replace.
// Pattern, subject and template are held as the engine's bytes (UTF-8 in
// qelu, the text's own bytes in qel, see engine_text.h); positions are
// 1-based byte positions. The engine is counted: whoever keeps a match
// result keeps a reference, so the engine lives as long as its last result.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/base/base.h"
#include "runtime/text.h"

struct real_pcre;

namespace runtime {

struct RegexGroupName {
  int32_t number;
  std::string name;
};

class CRegex : public CBase {
public:
  // Gives the text that stands for the current match in MatchText, MatchAll
  // and Replace. It must not own the engine (that would be a cycle); what it
  // hands on to script code may.
  using MatchCallback = std::function<std::string(CRegex& engine)>;

  // Result counts are at most this many pairs of the 300-integer offsets.
  static constexpr int32_t kMaxGroups = 100;

  CRegex() = default;
  ~CRegex() override;

  // Bytes are taken as they are; in UTF-8 mode PCRE checks them first.
  void SetPattern(std::string bytes);
  // The build's text, converted by EngineBytes; qelu's needs no check.
  void SetPatternText(const Text& text);
  const std::string& Pattern() const { return pattern_; }
  void SetOptions(uint8_t optionByte);
  uint8_t Options() const { return optionByte_; }
  // regex_exec flags of the following searches.
  void SetExecFlags(uint8_t flags) { execFlags_ = flags; }

  // Starts the walk again from the beginning.
  void SetSubject(std::string bytes);
  void SetSubjectText(TextView text);
  const std::string& Subject() const { return subject_; }
  void SetTemplate(std::string bytes);
  void SetTemplateText(const Text& text);
  const std::string& Template() const { return template_; }
  // An empty callback removes it.
  void SetCallback(MatchCallback callback) { callback_ = std::move(callback); }

  // Runs by itself before the first search after a change; raises
  // "RE Compile() - ..." for an empty or a bad pattern.
  void Compile();
  // Compiles a good pattern now and raises nothing: a bad one raises when an
  // engine needs its code.
  void Precompile();
  // Takes another engine's pattern and options with its compiled code, so
  // that a pattern used again and again is compiled once.
  void SharePattern(const CRegex& other);
  // Makes an engine that is done with its walk as a new one that shared the
  // other's pattern: no template, callback or exec flags. Its next subject
  // reuses the subject's buffer.
  void StartOver(const CRegex& other);
  // Lets a subject's buffer go when it is large, for an engine kept unused.
  void DropLargeSubject();
  // Searches from where the last match ended; false when nothing is left.
  // Raises "RE Exec() - ..." when PCRE cannot finish the search, also when
  // the searches of this subject have used up their steps (exec_limits.h).
  bool MatchNext();

  // 1 + the highest group set by the last search; 0 before any search and
  // after a replacement; negative after a failed search.
  int32_t GroupCount() const { return resultCount_; }
  // Group 0 is the whole match. Groups that are not there, unset or asked
  // for by a negative number, give "".
  std::string Group(int32_t index) const;
  // The number of a named group, negative when the pattern has none.
  int32_t NamedGroup(std::string_view name);
  std::string NamedGroupText(std::string_view name);
  // Groups the pattern has, and its named groups in PCRE's order.
  int32_t CaptureCount();
  std::vector<RegexGroupName> NameTable();

  // Position and length of the match in bytes; 0 when there is none.
  int32_t MatchPos() const;
  int32_t MatchLength() const;
  // The same in code units of the subject as a Text: in qelu a byte
  // position maps to 1 + the UTF-16 code units before it.
  int32_t TextPosition(int32_t bytePos) const;
  int32_t TextMatchPos() const;
  int32_t TextMatchLength() const;

  // From the end of the previous match to the match; after a failed search,
  // to the end of the subject.
  std::string TextBefore() const;
  // From the end of the match to the end of the subject; "" without a match.
  std::string TextAfter() const;

  // The template expanded for the current match (replace_template.h).
  std::string ComputeReplacement();
  // The next match's text (the callback's when set); "" when none is left.
  std::string MatchText();
  // The texts of all remaining matches, joined.
  std::string MatchAll();
  // Puts the callback's text or the expanded template in place of the match.
  void Replace();
  // Replaces every remaining match; true when there was one.
  bool ReplaceAll();

private:
  void ChangePattern(std::string&& bytes, bool valid);
  void ChangeSubject(std::string bytes, bool valid);
  void StartWalk(bool valid);
  static void CheckSubjectLength(std::size_t length);
  void DropCode();
  bool CompileCode(const char*& message, int& offset);
  bool Utf8Mode() const;
  bool SubjectIsUtf8() const;
  int Exec();
  void TakeMatch(int rc);
  int32_t StartAfterEmptyMatch(int32_t end) const;
  std::string CurrentText();
  std::string CallbackText();
  std::string Slice(int32_t from, int32_t to) const;

  std::string pattern_;
  std::string subject_;
  std::string template_;
  // Whether the template stands for itself, so that it needs no expanding.
  bool templateIsLiteral_ = true;
  uint8_t optionByte_ = 0;
  uint8_t execFlags_ = 0;
  MatchCallback callback_;
  // Shared by the engines made from one pattern; PCRE only reads it.
  std::shared_ptr<real_pcre> code_;
  // Whether the bytes are known to be valid UTF-8 (made by EngineBytes in
  // qelu, or passed by PCRE's own check), so PCRE may skip its check.
  bool patternValid_ = false;
  bool subjectValid_ = false;
  int32_t start_ = 1;
  int32_t segmentStart_ = 1;
  int32_t previousEnd_ = 1;
  int32_t resultCount_ = 0;
  // What is left of the subject's budget of backtracking steps (exec_limits.h).
  std::int64_t stepsLeft_ = 0;
  std::array<int, 3 * kMaxGroups> offsets_{};
};

}  // namespace runtime
