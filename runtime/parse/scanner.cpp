#include "runtime/parse/scanner.h"

#include <algorithm>
#include <iterator>

#include "runtime/parse/char_class.h"
#include "runtime/parse/key_alias.h"
#include "runtime/parse/literal_match.h"
#include "runtime/parse/tokens.h"

namespace runtime {

namespace {

struct Keyword {
  const Char* word;
  int token;
};

// Ascending ordinal order of the words, for the halving search.
constexpr Keyword kKeywords[] = {
    {QT("and"), TK_AND},       {QT("as"), TK_AS},         {QT("atom"), TK_ATOM},
    {QT("bit"), TK_BIT_OP},    {QT("case"), TK_CASE},     {QT("class"), TK_CLASS},
    {QT("div"), TK_MUL_OP},    {QT("do"), TK_DO},         {QT("else"), TK_ELSE},
    {QT("elsif"), TK_ELSIF},   {QT("end"), TK_END_WORD},  {QT("except"), TK_EXCEPT},
    {QT("exit"), TK_EXIT},     {QT("false"), TK_FALSE},   {QT("finally"), TK_FINALLY},
    {QT("for"), TK_FOR},       {QT("if"), TK_IF},         {QT("in"), TK_IN},
    {QT("is"), TK_IS},         {QT("loop"), TK_LOOP},     {QT("mod"), TK_MUL_OP},
    {QT("new"), TK_NEW},       {QT("next"), TK_NEXT},     {QT("nil"), TK_NULL},
    {QT("not"), TK_NOT},       {QT("null"), TK_NULL},     {QT("or"), TK_OR},
    {QT("qel"), TK_QEL},       {QT("raise"), TK_RAISE},   {QT("return"), TK_RETURN},
    {QT("step"), TK_STEP},     {QT("then"), TK_THEN},     {QT("to"), TK_TO},
    {QT("true"), TK_TRUE},     {QT("try"), TK_TRY},       {QT("use"), TK_USE},
    {QT("var"), TK_VAR},       {QT("when"), TK_WHEN},     {QT("while"), TK_WHILE},
    {QT("xor"), TK_OR},
};

bool WordBefore(const Keyword& k, TextView word) { return TextView(k.word) < word; }

// The keyword's token, or 0 for a word that is not a keyword.
int FindKeyword(TextView word) {
  auto it = std::lower_bound(std::begin(kKeywords), std::end(kKeywords), word, WordBefore);
  return it != std::end(kKeywords) && TextView(it->word) == word ? it->token : 0;
}

// The prefix that turns the keyword after it into a bitwise operator.
bool IsBitWord(TextView word) { return word == QT("bit"); }

}  // namespace

void TScanner::SetText(Text text) {
  text_ = std::move(text);
  pos_ = 0;
  line_ = 1;
  column_ = 0;
  token_.clear();
}

int TScanner::Scan() {
  bool bitPending = false;
  for (;;) {
    token_.clear();
    if (pos_ >= text_.size()) return TK_END;
    const int token = ScanOne(bitPending);
    if (token != kNoToken) return token;
  }
}

int TScanner::ScanOne(bool& bitPending) {
  const int c = CharAt(text_, pos_);
  if (IsBlank(c)) return Drop(MatchBlanks(text_, pos_));
  if (IsDigit(c)) return Take(MatchNumber(text_, pos_), TK_NUMBER);
  if (IsLetter(c) || c == '_') return ScanWord(bitPending);
  switch (c) {
    case '\'':
    case '"':
    case '`': return TakeOrDrop(MatchString(text_, pos_), TK_STRING);
    case '@':
    case '$': return ScanQuoteLed(c, bitPending);
    case '/': return ScanSlash();
    case '%': return TakeOrDrop(MatchDelimitedRegex(text_, pos_), TK_REGEX);
    case '#': return ScanHash();
    case '.': return ScanDot();
    case '(':
    case ')':
    case ',':
    case ':':
    case ';':
    case '?':
    case '[':
    case ']':
    case '{':
    case '}': return Take(1, c);
    default: return ScanOperator(c);
  }
}

int TScanner::ScanOperator(int c) {
  const int next = Next();
  switch (c) {
    case '&': return next == '=' ? Take(2, TK_ASSIGN_OP) : Take(1, TK_CONCAT_OP);
    case '+': return next == '=' ? Take(2, TK_ASSIGN_OP) : Take(1, TK_ADD_OP);
    case '-':
      if (next == '=') return Take(2, TK_ASSIGN_OP);
      return next == '>' ? Take(2, TK_ARROW) : Take(1, TK_ADD_OP);
    case '*': return next == '=' ? Take(2, TK_ASSIGN_OP) : Take(1, TK_MUL_OP);
    case '^': return Take(1, TK_POW_OP);
    case '<':
      if (next == '<') return Take(2, TK_BIT_OP);
      return Take(next == '=' || next == '>' ? 2 : 1, TK_CMP_OP);
    case '>':
      if (next == '>') return Take(2, TK_BIT_OP);
      return Take(next == '=' ? 2 : 1, TK_CMP_OP);
    case '!': return next == '=' || next == '~' ? Take(2, TK_CMP_OP) : Drop(1);
    case '=': return next == '~' ? Take(2, TK_CMP_OP) : Take(1, TK_EQ);
    default: return Drop(1);
  }
}

int TScanner::ScanWord(bool& bitPending) {
  Take(1 + MatchWordTail(text_, pos_ + 1), TK_IDENT);
  return LookupWord(bitPending);
}

int TScanner::LookupWord(bool& bitPending) const {
  const TextView word = KeyAlias(token_);
  const int keyword = FindKeyword(word);
  if (!keyword) return TK_IDENT;
  if (bitPending) {
    bitPending = false;
    if (keyword == TK_NOT) return TK_BITNOT;
    return keyword == TK_AND || keyword == TK_OR ? TK_BIT_OP : TK_ERROR;
  }
  if (IsBitWord(word)) {
    bitPending = true;
    return kNoToken;
  }
  return keyword;
}

// "@" and "$" lead a date and a regex before a quote, and a word otherwise.
int TScanner::ScanQuoteLed(int c, bool& bitPending) {
  if (!IsQuote(Next())) return ScanWord(bitPending);
  if (c == '$') return TakeOrDrop(MatchQuotedRegex(text_, pos_), TK_REGEX);
  const size_t quoted = MatchQuoted(text_, pos_ + 1);
  return TakeOrDrop(quoted ? 1 + quoted : 0, TK_DATE);
}

int TScanner::ScanSlash() {
  if (Next() == '/') return Drop(MatchLineComment(text_, pos_));
  const size_t regex = MatchDelimitedRegex(text_, pos_);
  return regex ? Take(regex, TK_REGEX) : Take(1, TK_MUL_OP);
}

// An unterminated "#*" is no comment: only the "#" is dropped.
int TScanner::ScanHash() {
  if (Next() != '*') return Drop(MatchLineComment(text_, pos_));
  const size_t comment = MatchBlockComment(text_, pos_);
  return Drop(comment ? comment : 1);
}

int TScanner::ScanDot() {
  if (const size_t number = MatchNumber(text_, pos_)) return Take(number, TK_NUMBER);
  if (const size_t op = MatchDotOperator(text_, pos_)) return Take(op, TK_DOT_OP);
  return Take(1, '.');
}

int TScanner::Take(size_t length, int token) {
  token_.assign(text_, pos_, length);
  Advance(length);
  return token;
}

// A rule that did not match drops its first character.
int TScanner::TakeOrDrop(size_t length, int token) { return length ? Take(length, token) : Drop(1); }

int TScanner::Drop(size_t length) {
  Advance(length);
  return kNoToken;
}

int TScanner::Next() const { return CharAt(text_, pos_ + 1); }

void TScanner::Advance(size_t length) {
  for (const size_t end = pos_ + length; pos_ < end; ++pos_) {
    if (text_[pos_] == '\n') {
      ++line_;
      column_ = 0;
    } else {
      ++column_;
    }
  }
}

}  // namespace runtime
