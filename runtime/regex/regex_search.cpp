#include <pcre.h>

#include "regex/exec_limits.h"
#include "regex/regex.h"
#include "regex/regex_errors.h"
#include "regex/regex_options.h"
#include "regex/utf8_walk.h"

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
    if (rc == kStepsUsedUp) RaiseStepsUsedUp(StepBudget(subject_.size()));
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
