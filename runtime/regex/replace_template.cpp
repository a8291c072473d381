#include "runtime/regex/replace_template.h"

#include <algorithm>

#include "runtime/text_limit.h"
#include "runtime/regex/engine_text.h"
#include "runtime/regex/regex.h"

namespace runtime {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsNameChar(char c) { return IsNameStart(c) || IsDigit(c); }

class TemplateExpander {
public:
  TemplateExpander(CRegex& engine, std::string_view replacementTemplate)
      : engine_(engine), template_(replacementTemplate) {}

  std::string Run() {
    while (pos_ < template_.size()) {
      const char c = template_[pos_];
      const bool expanded = (c == '$' && Dollar()) || (c == '\\' && Backslash());
      if (!expanded) out_ += template_[pos_++];
      CheckTextLength(out_.size());
    }
    return std::move(out_);
  }

private:
  char At(std::size_t i) const { return i < template_.size() ? template_[i] : '\0'; }

  // After "$" or "\": the match, the text before and after it, the highest group.
  bool Shared(char c) {
    switch (c) {
      case '&': out_ += engine_.Group(0); return true;
      case '`': out_ += engine_.TextBefore(); return true;
      case '\'': out_ += engine_.TextAfter(); return true;
      case '+': out_ += HighestGroup(); return true;
      default: return false;
    }
  }

  std::string HighestGroup() const {
    const int32_t count = engine_.GroupCount();
    return count > 1 ? engine_.Group(count - 1) : std::string();
  }

  // One digit, or two when the two-digit number names a group below the count.
  int32_t GroupNumber(std::size_t& i) const {
    const int32_t one = template_[i++] - '0';
    if (!IsDigit(At(i))) return one;
    const int32_t two = one * 10 + (template_[i] - '0');
    if (two >= engine_.GroupCount()) return one;
    ++i;
    return two;
  }

  bool Dollar() {
    std::size_t i = pos_ + 1;
    const char c = At(i);
    if (c == '$') {
      out_ += '$';
    } else if (c == '_') {
      out_ += engine_.Subject();
    } else if (IsDigit(c)) {
      out_ += engine_.Group(GroupNumber(i));
      pos_ = i;
      return true;
    } else if (c == '{') {
      return Braced();
    } else if (!Shared(c)) {
      return false;
    }
    pos_ += 2;
    return true;
  }

  // "${digits}" or "${name}"; pos_ is at "$".
  bool Braced() {
    std::size_t i = pos_ + 2;
    int32_t number = -1;
    if (IsDigit(At(i))) {
      number = 0;
      while (IsDigit(At(i))) number = std::min(number * 10 + (template_[i++] - '0'), 1000000);
    } else if (IsNameStart(At(i))) {
      const std::size_t first = i;
      while (IsNameChar(At(i))) ++i;
      number = engine_.NamedGroup(template_.substr(first, i - first));
    }
    if (number < 0 || At(i) != '}') return false;
    out_ += engine_.Group(number);
    pos_ = i + 1;
    return true;
  }

  bool Backslash() {
    std::size_t i = pos_ + 1;
    const char c = At(i);
    CaseConversion conversion;
    if (c == '$' || c == '\\') {
      out_ += c;
    } else if (IsDigit(c)) {
      out_ += engine_.Group(GroupNumber(i));
      pos_ = i;
      return true;
    } else if (CaseConversionOf(c, conversion) && IsDigit(At(i + 1))) {
      ++i;
      out_ += ConvertCase(engine_.Group(GroupNumber(i)), conversion);
      pos_ = i;
      return true;
    } else if (c == 'g' && At(i + 1) == '<') {
      return AngleNamed();
    } else if (!Shared(c)) {
      return false;
    }
    pos_ += 2;
    return true;
  }

  // "\g<name>"; pos_ is at the backslash.
  bool AngleNamed() {
    const std::size_t first = pos_ + 3;
    const std::size_t close = template_.find('>', first);
    if (close == std::string_view::npos) return false;
    out_ += engine_.NamedGroupText(template_.substr(first, close - first));
    pos_ = close + 1;
    return true;
  }

  CRegex& engine_;
  std::string_view template_;
  std::size_t pos_ = 0;
  std::string out_;
};

}  // namespace

std::string ExpandTemplate(CRegex& engine, std::string_view replacementTemplate) {
  return TemplateExpander(engine, replacementTemplate).Run();
}

bool IsLiteralTemplate(std::string_view replacementTemplate) {
  return replacementTemplate.find('$') == std::string_view::npos &&
         replacementTemplate.find('\\') == std::string_view::npos;
}

}  // namespace runtime
