#include <cstdint>

#include "regex/regex.h"
#include "regex/replace_template.h"

// Every entry that may run the callback keeps the engine alive while it runs:
// the callback may drop the last other reference to it.

std::string CRegex::ComputeReplacement() { return ExpandTemplate(*this, template_); }

// A copy runs, since the callback may replace itself.
std::string CRegex::CallbackText() {
  const MatchCallback callback = callback_;
  return callback(*this);
}

std::string CRegex::CurrentText() { return callback_ ? CallbackText() : Group(0); }

std::string CRegex::MatchText() {
  CBaseRef keep(this);
  return MatchNext() ? CurrentText() : std::string();
}

std::string CRegex::MatchAll() {
  CBaseRef keep(this);
  std::string joined;
  while (MatchNext()) joined += CurrentText();
  return joined;
}

// The callback may search on; what is replaced is the match current after it.
void CRegex::Replace() {
  CBaseRef keep(this);
  if (resultCount_ <= 0) return;
  const std::string replacement = callback_ ? CallbackText() : ComputeReplacement();
  if (resultCount_ <= 0) return;
  const int32_t begin = offsets_[0];
  const int32_t end = offsets_[1];
  CheckSubjectLength(subject_.size() - static_cast<std::size_t>(end - begin) + replacement.size());
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
  CBaseRef keep(this);
  std::string result;
  std::size_t copied = 0;
  bool replaced = false;
  while (MatchNext()) {
    const std::string replacement = callback_ ? CallbackText() : ComputeReplacement();
    if (resultCount_ <= 0) continue;
    const auto begin = static_cast<std::size_t>(offsets_[0] - 1);
    result.append(subject_, copied, begin - copied);
    result += replacement;
    copied = static_cast<std::size_t>(offsets_[1] - 1);
    CheckSubjectLength(result.size() + (subject_.size() - copied));
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
