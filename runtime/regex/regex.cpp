#include "runtime/regex/regex.h"

#include <climits>
#include <cstdint>
#include <pcre.h>

#include "runtime/text_limit.h"
#include "runtime/regex/engine_text.h"
#include "runtime/regex/regex_options.h"
#include "runtime/regex/replace_template.h"
#include "runtime/base/ref.h"

namespace runtime {

namespace {

void FreeCode(real_pcre* code) { pcre_free(code); }

}  // namespace

CRegex::~CRegex() = default;

void CRegex::DropCode() { code_.reset(); }

void CRegex::ChangePattern(std::string&& bytes, bool valid) {
  if (bytes == pattern_) {
    patternValid_ = patternValid_ || valid;
    return;
  }
  pattern_ = std::move(bytes);
  patternValid_ = valid;
  DropCode();
}

void CRegex::SetPattern(std::string bytes) { ChangePattern(std::move(bytes), false); }

void CRegex::SetPatternText(const Text& text) { ChangePattern(EngineBytes(text), kEngineBytesAreUtf8); }

void CRegex::SetOptions(uint8_t optionByte) {
  if (optionByte == optionByte_) return;
  optionByte_ = optionByte;
  DropCode();
}

// Positions are 32-bit and one past the end must still fit.
void CRegex::CheckSubjectLength(std::size_t length) {
  if (length > static_cast<std::size_t>(INT_MAX - 1)) RaiseSubjectTooLong(length);
}

void CRegex::ChangeSubject(std::string bytes, bool valid) {
  CheckSubjectLength(bytes.size());
  subject_ = std::move(bytes);
  StartWalk(valid);
}

void CRegex::StartWalk(bool valid) {
  subjectValid_ = valid;
  start_ = 1;
  segmentStart_ = 1;
  previousEnd_ = 1;
  resultCount_ = 0;
  stepsLeft_ = StepBudget(subject_.size());
}

void CRegex::SetSubject(std::string bytes) { ChangeSubject(std::move(bytes), false); }

void CRegex::SetSubjectText(TextView text) {
  EngineBytesInto(text, subject_);
  if (subject_.size() > static_cast<std::size_t>(INT_MAX - 1)) {
    const std::size_t length = subject_.size();
    std::string().swap(subject_);
    StartWalk(false);
    RaiseSubjectTooLong(length);
  }
  StartWalk(kEngineBytesAreUtf8);
}

void CRegex::SetTemplate(std::string bytes) {
  template_ = std::move(bytes);
  templateIsLiteral_ = IsLiteralTemplate(template_);
}

void CRegex::SetTemplateText(const Text& text) { SetTemplate(EngineBytes(text)); }

bool CRegex::Utf8Mode() const { return optionByte_ & regex_option::kUtf8; }

// qelu's subjects are UTF-8 in every mode; qel's only in UTF-8 mode.
bool CRegex::SubjectIsUtf8() const { return kEngineBytesAreUtf8 || Utf8Mode(); }

// pcre_compile reads up to a NUL, so a NUL inside would cut the pattern short.
void CRegex::Compile() {
  if (pattern_.empty()) RaiseEmptyPattern();
  DropCode();
  const std::size_t nul = pattern_.find('\0');
  if (nul != std::string::npos) RaiseCompileError(static_cast<int>(nul), "NUL character in the pattern");
  const char* message = nullptr;
  int offset = 0;
  if (!CompileCode(message, offset)) RaiseCompileError(offset, message);
}

bool CRegex::CompileCode(const char*& message, int& offset) {
  // Automatic callouts count the steps of each search.
  int options = CompileOptions(optionByte_) | PCRE_AUTO_CALLOUT;
  if (patternValid_) options |= PCRE_NO_UTF8_CHECK;
  real_pcre* code = pcre_compile(pattern_.c_str(), options, &message, &offset, nullptr);
  if (!code) return false;
  code_.reset(code, FreeCode);
  return true;
}

void CRegex::Precompile() {
  if (code_ || pattern_.empty() || pattern_.find('\0') != std::string::npos) return;
  const char* message = nullptr;
  int offset = 0;
  CompileCode(message, offset);
}

void CRegex::SharePattern(const CRegex& other) {
  pattern_ = other.pattern_;
  patternValid_ = other.patternValid_;
  optionByte_ = other.optionByte_;
  code_ = other.code_;
}

void CRegex::StartOver(const CRegex& other) {
  if (!code_ || code_ != other.code_) SharePattern(other);
  template_.clear();
  templateIsLiteral_ = true;
  execFlags_ = 0;
  callback_ = nullptr;
}

void CRegex::DropLargeSubject() {
  constexpr std::size_t kKeptBytes = 64 * 1024;
  if (subject_.capacity() <= kKeptBytes) return;
  std::string().swap(subject_);
  StartWalk(false);
}

bool CRegex::MatchNext() {
  segmentStart_ = previousEnd_;
  if (!code_) Compile();
  if (start_ - 1 > static_cast<int32_t>(subject_.size())) {
    resultCount_ = PCRE_ERROR_NOMATCH;
    return false;
  }
  const int rc = Exec();
  if (rc < 0) {
    resultCount_ = rc;
    if (rc == PCRE_ERROR_NOMATCH) return false;
    // PCRE's match limit lies beyond any budget; a search it stops all the
    // same has taken too many steps too.
    if (rc == kStepsUsedUp || rc == PCRE_ERROR_MATCHLIMIT) RaiseStepsUsedUp(StepBudget(subject_.size()));
    RaiseExecError(rc, offsets_[0]);
  }
  TakeMatch(rc);
  return true;
}

// PCRE skips its UTF-8 check only for a subject known to be valid and a start
// on a character's first byte; anything else it checks and refuses.
int CRegex::Exec() {
  const int offset = start_ - 1;
  const int length = static_cast<int>(subject_.size());
  int options = ExecOptions(execFlags_);
  if (subjectValid_ && (offset == length || !IsUtf8Continuation(subject_[offset]))) options |= PCRE_NO_UTF8_CHECK;
  const pcre_extra limits = ExecLimits(&stepsLeft_);
  const int rc = pcre_exec(code_.get(), &limits, subject_.data(), length, offset, options, offsets_.data(),
                           static_cast<int>(offsets_.size()));
  if (Utf8Mode() && rc >= PCRE_ERROR_NOMATCH) subjectValid_ = true;
  return rc;
}

// rc 0: more groups were set than the offsets hold, which then hold
// kMaxGroups pairs. Offsets become 1-based; an unset group's become 0.
void CRegex::TakeMatch(int rc) {
  if (offsets_[1] < offsets_[0]) {
    resultCount_ = PCRE_ERROR_NOMATCH;
    RaiseBackwardMatch();
  }
  resultCount_ = rc == 0 ? kMaxGroups : rc;
  for (int32_t i = 0; i < 2 * resultCount_; ++i) ++offsets_[i];
  const int32_t begin = offsets_[0];
  const int32_t end = offsets_[1];
  previousEnd_ = end;
  start_ = end == begin ? StartAfterEmptyMatch(end) : end;
}

// The same empty match must not be found again, and a search must never start
// inside a character: in qelu not even between the halves of a surrogate pair.
int32_t CRegex::StartAfterEmptyMatch(int32_t end) const {
  const std::size_t offset = static_cast<std::size_t>(end - 1);
  if (offset >= subject_.size() || !SubjectIsUtf8()) return end + 1;
  return static_cast<int32_t>(Utf8CharEnd(subject_, offset)) + 1;
}

// Bytes from..to-1 by 1-based positions; "" for a range outside the subject.
std::string CRegex::Slice(int32_t from, int32_t to) const {
  if (from < 1 || to < from || static_cast<std::size_t>(to - 1) > subject_.size()) return {};
  return subject_.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from));
}

std::string CRegex::Group(int32_t index) const {
  if (index < 0 || index >= resultCount_) return {};
  return Slice(offsets_[2 * index], offsets_[2 * index + 1]);
}

// PCRE reads the name up to a NUL, so a name holding one is no group's.
int32_t CRegex::NamedGroup(std::string_view name) {
  if (name.find('\0') != std::string_view::npos) return PCRE_ERROR_NOSUBSTRING;
  if (!code_) Compile();
  return pcre_get_stringnumber(code_.get(), std::string(name).c_str());
}

std::string CRegex::NamedGroupText(std::string_view name) { return Group(NamedGroup(name)); }

int32_t CRegex::CaptureCount() {
  if (!code_) Compile();
  int count = 0;
  pcre_fullinfo(code_.get(), nullptr, PCRE_INFO_CAPTURECOUNT, &count);
  return count;
}

// Each entry: the group number in two bytes, high byte first, then the name
// and a NUL, padded to the entry size.
std::vector<RegexGroupName> CRegex::NameTable() {
  if (!code_) Compile();
  int count = 0;
  int entrySize = 0;
  const unsigned char* table = nullptr;
  pcre_fullinfo(code_.get(), nullptr, PCRE_INFO_NAMECOUNT, &count);
  pcre_fullinfo(code_.get(), nullptr, PCRE_INFO_NAMEENTRYSIZE, &entrySize);
  pcre_fullinfo(code_.get(), nullptr, PCRE_INFO_NAMETABLE, &table);
  std::vector<RegexGroupName> names;
  for (int i = 0; i < count; ++i) {
    const unsigned char* entry = table + static_cast<std::ptrdiff_t>(i) * entrySize;
    names.push_back({(entry[0] << 8) | entry[1], std::string(reinterpret_cast<const char*>(entry + 2))});
  }
  return names;
}

int32_t CRegex::MatchPos() const { return resultCount_ > 0 ? offsets_[0] : 0; }

int32_t CRegex::MatchLength() const { return resultCount_ > 0 ? offsets_[1] - offsets_[0] : 0; }

#ifdef QEL_ANSI
int32_t CRegex::TextPosition(int32_t bytePos) const { return bytePos; }
#else
int32_t CRegex::TextPosition(int32_t bytePos) const {
  return bytePos < 1 ? 0 : 1 + Utf16UnitsBefore(subject_, static_cast<std::size_t>(bytePos - 1));
}
#endif

int32_t CRegex::TextMatchPos() const { return resultCount_ > 0 ? TextPosition(offsets_[0]) : 0; }

int32_t CRegex::TextMatchLength() const {
  return resultCount_ > 0 ? TextPosition(offsets_[1]) - TextPosition(offsets_[0]) : 0;
}

std::string CRegex::TextBefore() const {
  const int32_t end = resultCount_ > 0 ? offsets_[0] : static_cast<int32_t>(subject_.size()) + 1;
  return Slice(segmentStart_, end);
}

std::string CRegex::TextAfter() const {
  return resultCount_ > 0 ? Slice(offsets_[1], static_cast<int32_t>(subject_.size()) + 1) : std::string();
}

// Every entry that may run the callback keeps the engine alive while it runs:
// the callback may drop the last other reference to it.

std::string CRegex::ComputeReplacement() {
  return templateIsLiteral_ ? template_ : ExpandTemplate(*this, template_);
}

// A copy runs, since the callback may replace itself.
std::string CRegex::CallbackText() {
  const MatchCallback callback = callback_;
  return callback(*this);
}

std::string CRegex::CurrentText() { return callback_ ? CallbackText() : Group(0); }

std::string CRegex::MatchText() {
  const Ref<CRegex> keep = Retain(this);
  return MatchNext() ? CurrentText() : std::string();
}

std::string CRegex::MatchAll() {
  const Ref<CRegex> keep = Retain(this);
  std::string joined;
  while (MatchNext()) {
    const std::string text = CurrentText();
    CheckTextLength(uint64_t(joined.size()) + text.size());
    joined += text;
  }
  return joined;
}

// The callback may search on; what is replaced is the match current after it.
void CRegex::Replace() {
  const Ref<CRegex> keep = Retain(this);
  if (resultCount_ <= 0) return;
  const std::string replacement = callback_ ? CallbackText() : ComputeReplacement();
  if (resultCount_ <= 0) return;
  const int32_t begin = offsets_[0];
  const int32_t end = offsets_[1];
  CheckTextLength(subject_.size() - static_cast<std::size_t>(end - begin) + replacement.size());
  subject_.replace(static_cast<std::size_t>(begin - 1), static_cast<std::size_t>(end - begin), replacement);
  const int32_t growth = static_cast<int32_t>(replacement.size()) - (end - begin);
  start_ += growth;
  previousEnd_ = end + growth;
  resultCount_ = 0;
  subjectValid_ = false;
}

// The result is built in one pass beside the subject, which stays as it was
// for the searches, the groups and "$_" until every match is replaced.
bool CRegex::ReplaceAll() {
  const Ref<CRegex> keep = Retain(this);
  std::string result;
  std::size_t copied = 0;
  bool replaced = false;
  while (MatchNext()) {
    const std::string replacement = callback_ ? CallbackText() : ComputeReplacement();
    if (resultCount_ <= 0) continue;
    const auto begin = static_cast<std::size_t>(offsets_[0] - 1);
    CheckTextLength(uint64_t(result.size()) + (begin - copied) + replacement.size() +
                    (subject_.size() - static_cast<std::size_t>(offsets_[1] - 1)));
    result.append(subject_, copied, begin - copied);
    result += replacement;
    copied = static_cast<std::size_t>(offsets_[1] - 1);
    replaced = true;
  }
  if (!replaced) return false;
  const auto growth = static_cast<int32_t>(static_cast<std::int64_t>(result.size()) - static_cast<std::int64_t>(copied));
  result.append(subject_, copied, std::string::npos);
  subject_ = std::move(result);
  start_ += growth;
  previousEnd_ += growth;
  subjectValid_ = false;
  return true;
}

}  // namespace runtime
