#include <gtest/gtest.h>

#include "runtime/parse/scanner.h"
#include "runtime/parse/tokens.h"
#include "scan_util.h"
#include "support/text_util.h"

using namespace runtime;

namespace {

struct ScanCase {
  const char* source;
  const char* tokens;
};

void ExpectTokens(const ScanCase* begin, const ScanCase* end) {
  for (const ScanCase* c = begin; c != end; ++c) EXPECT_EQ(ScanAll(c->source), c->tokens) << "source: " << c->source;
}

#define EXPECT_SCANS(cases) ExpectTokens(std::begin(cases), std::end(cases))

}  // namespace

TEST(Scanner, Keywords) {
  ScanCase cases[] = {
      {"and as atom bit and case class div do else elsif end except exit",
       "AND:and AS:as ATOM:atom BIT_OP:and CASE:case CLASS:class MUL_OP:div DO:do ELSE:else ELSIF:elsif END:end "
       "EXCEPT:except EXIT:exit"},
      {"false finally for if in is loop mod new next nil not null or qel raise",
       "FALSE:false FINALLY:finally FOR:for IF:if IN:in IS:is LOOP:loop MUL_OP:mod NEW:new NEXT:next NULL:nil "
       "NOT:not NULL:null OR:or QEL:qel RAISE:raise"},
      {"return step then to true try use var when while xor",
       "RETURN:return STEP:step THEN:then TO:to TRUE:true TRY:try USE:use VAR:var WHEN:when WHILE:while OR:xor"},
      {"If END Nil ands _if if_ if1", "IDENT:If IDENT:END IDENT:Nil IDENT:ands IDENT:_if IDENT:if_ IDENT:if1"},
  };
  EXPECT_SCANS(cases);
}

TEST(Scanner, BitPrefix) {
  ScanCase cases[] = {
      {"a bit and b bit or c bit xor d", "IDENT:a BIT_OP:and IDENT:b BIT_OP:or IDENT:c BIT_OP:xor IDENT:d"},
      {"bit not a", "BITNOT:not IDENT:a"},
      {"bit if", "error:if"},
      {"bit bit and", "error:bit AND:and"},
      {"bit foo", "IDENT:foo"},
      {"bit (", "("},
      {"a bit", "IDENT:a"},
      {"bit // why\n  #* not here # and", "BIT_OP:and"},
      {"bitand", "IDENT:bitand"},
  };
  EXPECT_SCANS(cases);
}

TEST(Scanner, OperatorsTakeTheLongestMatch) {
  ScanCase cases[] = {
      {"a<b", "IDENT:a CMP_OP:< IDENT:b"},
      {"a<<b", "IDENT:a BIT_OP:<< IDENT:b"},
      {"a==b", "IDENT:a EQ:= EQ:= IDENT:b"},
      {"<= >= <> != =~ !~ > <", "CMP_OP:<= CMP_OP:>= CMP_OP:<> CMP_OP:!= CMP_OP:=~ CMP_OP:!~ CMP_OP:> CMP_OP:<"},
      {"<<= >>= <<<", "BIT_OP:<< EQ:= BIT_OP:>> EQ:= BIT_OP:<< CMP_OP:<"},
      {"&= += -= *= /= ^=", "ASSIGN_OP:&= ASSIGN_OP:+= ASSIGN_OP:-= ASSIGN_OP:*= MUL_OP:/ EQ:= POW_OP:^ EQ:="},
      {"& + - * ^ -> ->>", "CONCAT_OP:& ADD_OP:+ ADD_OP:- MUL_OP:* POW_OP:^ ARROW:-> ARROW:-> CMP_OP:>"},
      {"( ) , : ; ? [ ] { } .", "( ) , : ; ? [ ] { } ."},
      {"a.b ?.x a..b", "IDENT:a . IDENT:b ? . IDENT:x IDENT:a . . IDENT:b"},
      {"a.+b a.==.c a.!#%&*+-/<=>?\\^|~b a.,", "IDENT:a DOT_OP:.+ IDENT:b IDENT:a DOT_OP:.== . IDENT:c "
                                             "IDENT:a DOT_OP:.!#%&*+-/<=>?\\^|~ IDENT:b IDENT:a . ,"},
  };
  EXPECT_SCANS(cases);
}

TEST(Scanner, NumberLiterals) {
  ScanCase cases[] = {
      {"0 12 007 1.5 .5 1e3 1E+3 2.5e-3", "NUMBER:0 NUMBER:12 NUMBER:007 NUMBER:1.5 NUMBER:.5 NUMBER:1e3 NUMBER:1E+3 "
                                          "NUMBER:2.5e-3"},
      {"1.abc 1. 1.e5", "NUMBER:1 . IDENT:abc NUMBER:1 . NUMBER:1 . IDENT:e5"},
      {"1e 1e+ 1ex", "NUMBER:1 IDENT:e NUMBER:1 IDENT:e ADD_OP:+ NUMBER:1 IDENT:ex"},
      {"0x1F 0XaB 0x 0xg 0x1.5", "NUMBER:0x1F NUMBER:0XaB NUMBER:0 IDENT:x NUMBER:0 IDENT:xg NUMBER:0x1 NUMBER:.5"},
      {"0b101 0B1 0b 0b2 0b1e5 0x1e5", "NUMBER:0b101 NUMBER:0B1 NUMBER:0 IDENT:b NUMBER:0 IDENT:b2 NUMBER:0b1 "
                                       "IDENT:e5 NUMBER:0x1e5"},
      {"1..2 1.2.3 12abc -12", "NUMBER:1 . NUMBER:.2 NUMBER:1.2 NUMBER:.3 NUMBER:12 IDENT:abc ADD_OP:- NUMBER:12"},
  };
  EXPECT_SCANS(cases);
}

TEST(Scanner, Strings) {
  ScanCase cases[] = {
      {"'a' \"b\" `c`", "STRING:'a' STRING:\"b\" STRING:`c`"},
      {"'it''s' \"say \"\"hi\"\"\" `a``b`", "STRING:'it''s' STRING:\"say \"\"hi\"\"\" STRING:`a``b`"},
      {"'a\"b`c' ''", "STRING:'a\"b`c' STRING:''"},
      {"`a`w`b` `a`w `a`w`b", "STRING:`a`w`b` STRING:`a` IDENT:w STRING:`a` IDENT:w IDENT:b"},
      {"'a''b''", "STRING:'a''b'"},
      {"'line\nbreak'", "STRING:'line\nbreak'"},
  };
  EXPECT_SCANS(cases);
}

TEST(Scanner, UnterminatedLiteralsFallBack) {
  ScanCase cases[] = {
      {"x = 'abc", "IDENT:x EQ:= IDENT:abc"},
      {"\"a b", "IDENT:a IDENT:b"},
      {"'a", "IDENT:a"},
      {"'", ""},
      {"@'2020-01-01", "NUMBER:2020 ADD_OP:- NUMBER:01 ADD_OP:- NUMBER:01"},
      {"$'ab", "IDENT:ab"},
      {"/ab", "MUL_OP:/ IDENT:ab"},
      {"%ab", "IDENT:ab"},
      {"a #*never closed", "IDENT:a MUL_OP:* IDENT:never IDENT:closed"},
  };
  EXPECT_SCANS(cases);
  EXPECT_EQ(ScanAll(std::string("'a\0b' x", 7)), "IDENT:a IDENT:b IDENT:x") << "NUL ends no string";
}

TEST(Scanner, DatesAndRegularExpressions) {
  ScanCase cases[] = {
      {"@'2020-01-01' @\"1 Jan\" @`x`", "DATE:@'2020-01-01' DATE:@\"1 Jan\" DATE:@`x`"},
      {"a/b/c", "IDENT:a REGEX:/b/c"},
      {"a / b / c", "IDENT:a MUL_OP:/ IDENT:b MUL_OP:/ IDENT:c"},
      {"x /= 2", "IDENT:x MUL_OP:/ EQ:= NUMBER:2"},
      {"/a b/", "MUL_OP:/ IDENT:a IDENT:b MUL_OP:/"},
      {"/[a-z]+/gi /x/Ab", "REGEX:/[a-z]+/gi REGEX:/x/ IDENT:Ab"},
      {"%a/b%i 5 % 3", "REGEX:%a/b%i NUMBER:5 NUMBER:3"},
      {"$'a b'i $\"x\"\"y\" $`z`", "REGEX:$'a b'i REGEX:$\"x\"\"y\" REGEX:$`z`"},
      {"/*x*/", "REGEX:/*x*/"},
  };
  EXPECT_SCANS(cases);
}

TEST(Scanner, Words) {
  ScanCase cases[] = {
      {"_a a_1 a$ a@b $x @y $ @", "IDENT:_a IDENT:a_1 IDENT:a$ IDENT:a@b IDENT:$x IDENT:@y IDENT:$ IDENT:@"},
      {"@@'x' a$'y'", "IDENT:@@ STRING:'x' IDENT:a$ STRING:'y'"},
      {"a\xc3\xa9" "b", "IDENT:a IDENT:b"},
#ifndef QEL_ANSI
      {"\xe6\x97\xa5\xe6\x9c\xac x\xe6\x97\xa5 \xe6\x97\xa5" "1", "IDENT:\xe6\x97\xa5\xe6\x9c\xac IDENT:x\xe6\x97\xa5 "
                                                                  "IDENT:\xe6\x97\xa5" "1"},
#endif
  };
  EXPECT_SCANS(cases);
}

TEST(Scanner, CommentsBlanksAndUnknownCharacters) {
  ScanCase cases[] = {
      {"a // b c\nd", "IDENT:a IDENT:d"},
      {"a # b c\nd #", "IDENT:a IDENT:d"},
      {"a #* b\n c # d", "IDENT:a IDENT:d"},
      {"a#*#b", "IDENT:a IDENT:b"},
      {"a\t\r\n\x01 b", "IDENT:a IDENT:b"},
      {"a ! | ~ \\ b", "IDENT:a IDENT:b"},
  };
  EXPECT_SCANS(cases);
  EXPECT_EQ(ScanAll(std::string("a\0b", 3)), "IDENT:a IDENT:b") << "NUL is dropped, not an end";
}

TEST(Scanner, CountsLinesAndColumnsOfConsumedText) {
  TScanner scanner;
  scanner.SetText(Widen("ab\n  'x\ny' // c\n\n'open\nz"));
  struct Step {
    int token;
    const char* text;
    size_t position;
    int line;
    int column;
  } steps[] = {
      {TK_IDENT, "ab", 2, 1, 2},
      {TK_STRING, "'x\ny'", 10, 3, 2},
      {TK_IDENT, "open", 22, 5, 5},
      {TK_IDENT, "z", 24, 6, 1},
      {TK_END, "", 24, 6, 1},
      {TK_END, "", 24, 6, 1},
  };
  for (const Step& step : steps) {
    EXPECT_EQ(scanner.Scan(), step.token) << step.text;
    EXPECT_EQ(Narrow(scanner.TokenText()), step.text);
    EXPECT_EQ(scanner.Position(), step.position) << step.text;
    EXPECT_EQ(scanner.Line(), step.line) << step.text;
    EXPECT_EQ(scanner.Column(), step.column) << step.text;
  }
}
