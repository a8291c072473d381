#include "regex/regex.h"

#include <pcre.h>

#include <climits>

#include "regex/engine_text.h"
#include "regex/exec_limits.h"
#include "regex/regex_errors.h"
#include "regex/regex_options.h"

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
  subjectValid_ = valid;
  start_ = 1;
  segmentStart_ = 1;
  previousEnd_ = 1;
  resultCount_ = 0;
  stepsLeft_ = StepBudget(subject_.size());
}

void CRegex::SetSubject(std::string bytes) { ChangeSubject(std::move(bytes), false); }

void CRegex::SetSubjectText(TextView text) { ChangeSubject(EngineBytes(text), kEngineBytesAreUtf8); }

void CRegex::SetTemplateText(const Text& text) { template_ = EngineBytes(text); }

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
