#include "number_pattern.h"

#include "format_error.h"
#include "pattern_text.h"

namespace {

constexpr size_t kMaxSections = 3;

[[noreturn]] void RaiseBadPattern(TextView pattern, std::string_view problem) {
  RaisePatternError("Number", pattern, problem);
}

void AddLiteral(NumberSection& s, TextView text) {
  if (s.tokens.empty() || s.tokens.back().kind != NumberSection::kLiteral)
    s.tokens.push_back({NumberSection::kLiteral, Text(), false, 0});
  s.tokens.back().text += text;
}

void AddDigit(NumberSection& s, bool zero, bool afterPoint) {
  s.tokens.push_back({NumberSection::kDigit, Text(), false, 0});
  if (afterPoint) {
    ++s.fractionPlaces;
    if (zero) s.forcedFraction = s.fractionPlaces;
  } else {
    ++s.wholePlaces;
    if (zero && s.forcedWhole == 0) s.forcedWhole = 1;
    else if (s.forcedWhole > 0) ++s.forcedWhole;
  }
}

bool IsExponentAt(TextView p, size_t i) {
  bool letter = p[i] == Char('E') || p[i] == Char('e');
  return letter && i + 1 < p.size() && (p[i + 1] == Char('+') || p[i + 1] == Char('-'));
}

// Reads "E+00" at i; returns the index after it.
size_t AddExponent(NumberSection& s, TextView p, size_t i) {
  NumberSection::Token t{NumberSection::kExponent, Text(1, p[i]), p[i + 1] == Char('+'), 0};
  for (i += 2; i < p.size() && p[i] == Char('0'); ++i) ++t.exponentDigits;
  s.tokens.push_back(std::move(t));
  s.scientific = true;
  return i;
}

NumberSection ParseSection(TextView section, TextView pattern) {
  NumberSection s;
  s.empty = section.empty();
  bool afterPoint = false;
  for (size_t i = 0; i < section.size();) {
    Char c = section[i];
    if (IsPatternQuote(c)) {
      size_t close = ClosingQuote(section, i);
      if (close == TextView::npos) RaiseBadPattern(pattern, "quote not closed");
      AddLiteral(s, section.substr(i + 1, close - i - 1));
      i = close + 1;
    } else if (s.scientific) {
      AddLiteral(s, section.substr(i++, 1));
    } else if (c == Char('0') || c == Char('#')) {
      AddDigit(s, c == Char('0'), afterPoint);
      ++i;
    } else if (c == Char('.')) {
      if (!afterPoint) s.tokens.push_back({NumberSection::kPoint, Text(), false, 0});
      afterPoint = true;
      ++i;
    } else if (c == Char(',')) {
      s.grouped = true;
      ++i;
    } else if (IsExponentAt(section, i)) {
      i = AddExponent(s, section, i);
    } else {
      AddLiteral(s, section.substr(i++, 1));
    }
  }
  return s;
}

// Splits at ";" outside quotes; a quote left open runs to the end.
std::vector<TextView> SplitSections(TextView pattern) {
  std::vector<TextView> parts;
  size_t start = 0;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (IsPatternQuote(pattern[i])) {
      size_t close = ClosingQuote(pattern, i);
      if (close == TextView::npos) break;
      i = close;
    } else if (pattern[i] == Char(';')) {
      parts.push_back(pattern.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(pattern.substr(start));
  return parts;
}

}  // namespace

std::vector<NumberSection> ParseNumberPattern(TextView pattern) {
  std::vector<TextView> parts = SplitSections(pattern);
  if (parts.size() > kMaxSections) RaiseBadPattern(pattern, "more than three sections");
  std::vector<NumberSection> sections;
  for (TextView part : parts) sections.push_back(ParseSection(part, pattern));
  return sections;
}
