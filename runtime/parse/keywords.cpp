#include "keywords.h"

#include <algorithm>
#include <iterator>

#include "tokens.h"

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

}  // namespace

int FindKeyword(TextView word) {
  auto it = std::lower_bound(std::begin(kKeywords), std::end(kKeywords), word, WordBefore);
  return it != std::end(kKeywords) && TextView(it->word) == word ? it->token : 0;
}

bool IsBitWord(TextView word) { return word == QT("bit"); }
