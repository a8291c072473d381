#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "runtime/error.h"
#include "runtime/parse/grammar_tables.h"
#include "recording_actions.h"
#include "support/text_util.h"

using namespace runtime;

namespace {

using Lines = std::vector<std::string>;

struct TraceCase {
  const char* source;
  const char* trace;
};

void ExpectTraces(std::initializer_list<TraceCase> cases) {
  for (const TraceCase& c : cases) {
    RecordingActions actions;
    actions.Parse(c.source);
    EXPECT_EQ(actions.Trace(), c.trace) << c.source;
    EXPECT_EQ(actions.Errors(), Lines()) << c.source;
  }
}

struct ErrorCase {
  const char* source;
  Lines errors;
  Lines statements;
};

void ExpectErrors(std::initializer_list<ErrorCase> cases) {
  for (const ErrorCase& c : cases) {
    RecordingActions actions;
    actions.Parse(c.source);
    EXPECT_EQ(actions.Errors(), c.errors) << c.source;
    EXPECT_EQ(actions.Statements(), c.statements) << c.source;
  }
}

// "x = (1+(1+ ... 1))": three stack entries per level, 4 + 3 * levels in all.
std::string NestedSums(int levels) { return "x = " + Repeat("(1+", levels) + "1" + Repeat(")", levels) + ";"; }

}  // namespace

// 89 name, 87 target, 84 primary, 82 expr: the usual way from an identifier
// to an expression; 94 83 82 from a number.
TEST(Parser, CompoundStatementHeads) {
  ExpectTraces({
      {"if a then", "89 87 84 82 3 1"},
      {"elsif a then", "89 87 84 82 4 1"},
      {"else", "5 1"},
      {"case a is", "89 87 84 82 6 1"},
      {"when 1 do", "94 83 82 7 1"},
      {"loop", "8 1"},
      {"while a loop", "89 87 84 82 26 9 1"},
      {"while a do", "89 87 84 82 27 9 1"},
      {"for v in a loop", "89 87 84 82 26 10 1"},
      {"for k : v in a do", "89 87 84 82 27 11 1"},
      {"for v , i in a loop", "89 87 84 82 26 12 1"},
      {"for k : v , i in a loop", "89 87 84 82 26 13 1"},
      {"for i = 1 to 9 loop", "94 83 82 94 83 82 26 14 1"},
      {"for i = 1 to 9 step 2 do", "94 83 82 94 83 82 94 83 82 27 15 1"},
      {"try", "16 1"},
      {"except", "17 1"},
      {"finally", "18 1"},
      {"qel f(a, b)", "109 110 103 19 1"},
      {"class C()", "108 103 20 1"},
      {"class D = B(a)", "109 103 21 1"},
      {"class D = B(a, b)", "109 110 103 21 1"},
      {";", "23 1"},
      {"}", "24 1"},
      {"f() }", "89 111 104 51 25 1"},
  });
}

TEST(Parser, SimpleStatements) {
  ExpectTraces({
      {"end if;", "28 35 22 1"},
      {"end case;", "29 35 22 1"},
      {"end loop;", "30 35 22 1"},
      {"end do;", "31 35 22 1"},
      {"end try;", "32 35 22 1"},
      {"end qel;", "33 35 22 1"},
      {"end class;", "34 35 22 1"},
      {"exit;", "36 22 1"},
      {"exit when a;", "89 87 84 82 37 22 1"},
      {"next;", "38 22 1"},
      {"next when a;", "89 87 84 82 39 22 1"},
      {"return;", "40 22 1"},
      {"return a;", "89 87 84 82 41 22 1"},
      {"raise a;", "89 87 84 82 42 22 1"},
      {"use 'm';", "43 22 1"},
      {"use 'm' as m;", "44 22 1"},
      {"var x;", "45 22 1"},
      {"var x = 1;", "94 83 82 46 22 1"},
      {"var f(a) = a;", "109 103 47 89 87 84 82 48 22 1"},
      {"x = 1;", "89 87 94 83 82 49 22 1"},
      {"x += 1;", "89 87 94 83 82 50 22 1"},
      {"f(a, b: 1, 'c': 2);", "89 89 87 84 82 114 112 94 83 82 115 113 94 83 82 116 113 104 51 22 1"},
      {"? a;", "89 87 84 82 52 22 1"},
      {"?. a;", "89 87 84 82 53 22 1"},
      {"?, a;", "89 87 84 82 54 22 1"},
      {"?: a;", "89 87 84 82 55 22 1"},
  });
}

// Every case assigns to x: "89 87" first, "81 49 22 1" last.
TEST(Parser, Operations) {
  ExpectTraces({
      {"x = a or b;", "89 87 89 87 84 82 89 87 84 82 56 81 49 22 1"},
      {"x = a xor b;", "89 87 89 87 84 82 89 87 84 82 56 81 49 22 1"},
      {"x = a and b;", "89 87 89 87 84 82 89 87 84 82 57 81 49 22 1"},
      {"x = not a;", "89 87 89 87 84 82 58 81 49 22 1"},
      {"x = a <= b;", "89 87 89 87 84 82 89 87 84 82 59 81 49 22 1"},
      {"x = a = b;", "89 87 89 87 84 82 89 87 84 82 60 81 49 22 1"},
      {"x = a in b;", "89 87 89 87 84 82 89 87 84 82 61 81 49 22 1"},
      {"x = a & b;", "89 87 89 87 84 82 89 87 84 82 62 81 49 22 1"},
      {"x = a - b;", "89 87 89 87 84 82 89 87 84 82 63 81 49 22 1"},
      {"x = a >> b;", "89 87 89 87 84 82 89 87 84 82 64 81 49 22 1"},
      {"x = bit not a;", "89 87 89 87 84 82 65 81 49 22 1"},
      {"x = a mod b;", "89 87 89 87 84 82 89 87 84 82 66 81 49 22 1"},
      {"x = a ^ b;", "89 87 89 87 84 82 89 87 84 82 67 81 49 22 1"},
      {"x = qel (a) { };", "89 87 109 103 68 { 24 } 81 49 22 1"},
      {"x = (a) { };", "89 87 109 103 69 { 24 } 81 49 22 1"},
      {"x = { };", "89 87 70 { 24 } 81 49 22 1"},
      {"x = (a, b) -> a;", "89 87 109 110 103 71 89 87 84 82 72 81 49 22 1"},
      {"x = a -> a;", "89 87 73 89 87 84 82 74 81 49 22 1"},
      {"x = -> 1;", "89 87 75 94 83 82 76 81 49 22 1"},
      {"x = qel f(1);", "89 87 89 94 83 82 114 112 104 77 81 49 22 1"},
      {"x = new [1];", "89 87 94 83 82 114 112 105 78 81 49 22 1"},
      {"x = var y;", "89 87 79 81 49 22 1"},
      {"x = a .+ 1;", "89 87 89 94 83 80 81 49 22 1"},
  });
}

TEST(Parser, PrimariesAndLiterals) {
  ExpectTraces({
      {"x = -12;", "89 87 95 83 82 49 22 1"},
      {"x = 's';", "89 87 96 83 82 49 22 1"},
      {"x = @'2020-01-01';", "89 87 97 83 82 49 22 1"},
      {"x = true;", "89 87 98 83 82 49 22 1"},
      {"x = false;", "89 87 99 83 82 49 22 1"},
      {"x = null;", "89 87 100 83 82 49 22 1"},
      {"x = nil;", "89 87 100 83 82 49 22 1"},
      {"x = /r/i;", "89 87 101 83 82 49 22 1"},
      {"x = [1, 2,];", "89 87 94 83 82 114 112 94 83 82 114 113 106 102 83 82 49 22 1"},
      {"x = [];", "89 87 111 105 102 83 82 49 22 1"},
      {"x = a?.b?;", "89 87 90 87 84 92 87 84 82 49 22 1"},
      {"x = a.b.'c';", "89 87 89 87 84 91 87 84 93 87 84 82 49 22 1"},
      {"x = a[1][2];", "89 87 89 87 94 83 82 107 88 94 83 82 107 88 84 82 49 22 1"},
      {"x = (a + b);", "89 87 89 87 84 82 89 87 84 82 63 86 82 49 22 1"},
      {"x = f(1).g;", "89 87 89 94 83 82 114 112 104 85 91 87 84 82 49 22 1"},
  });
}

TEST(Parser, PrecedenceAndAssociativity) {
  struct {
    const char* source;
    const char* shape;
  } cases[] = {
      {"x = 1 + 2 * 3;", "[[x = [1 + [2 * 3]]] ;]"},
      {"x = 2 ^ 3 ^ 2;", "[[x = [[2 ^ 3] ^ 2]] ;]"},
      {"x = a - b - c;", "[[x = [[a - b] - c]] ;]"},
      {"x = a mod b div c;", "[[x = [[a mod b] div c]] ;]"},
      {"x = a & b & c;", "[[x = [[a & b] & c]] ;]"},
      {"x = a or b and c;", "[[x = [a or [b and c]]] ;]"},
      {"x = not a = b;", "[[x = [not [a = b]]] ;]"},
      {"x = not a and b;", "[[x = [[not a] and b]] ;]"},
      {"x = not a or not b;", "[[x = [[not a] or [not b]]] ;]"},
      {"x = a < b & c;", "[[x = [a < [b & c]]] ;]"},
      {"x = a & b + c;", "[[x = [a & [b + c]]] ;]"},
      {"x = a + b bit and c;", "[[x = [a + [b and c]]] ;]"},
      {"x = a bit and b * c;", "[[x = [a and [b * c]]] ;]"},
      {"x = bit not a * b;", "[[x = [not [a * b]]] ;]"},
      {"x = bit not a << b;", "[[x = [[not a] << b]] ;]"},
      {"x = bit not a + b;", "[[x = [[not a] + b]] ;]"},
      {"x = a -> a + b;", "[[x = [a -> [a + b]]] ;]"},
      {"x = a + y -> b;", "[[x = [a + [y -> b]]] ;]"},
      {"x = y -> a or b;", "[[x = [y -> [a or b]]] ;]"},
      {"x = a = b;", "[[x = [a = b]] ;]"},
  };
  for (const auto& c : cases) {
    RecordingActions actions;
    actions.Parse(c.source);
    EXPECT_EQ(actions.Statements(), Lines{c.shape}) << c.source;
  }
}

// A syntax error abandons the statement; the offending token starts the next
// one unless it started the abandoned one. An error within three shifts of
// the last drops its token quietly.
TEST(Parser, SyntaxErrorsAreReportedAndParsingGoesOn) {
  ExpectErrors({
      {"if a < b < c then x = 1;", {"syntax error[<]", "syntax error[then]"}, {"[[x = 1] ;]"}},
      {"x = a = b in c; y = 1;", {"syntax error[in]", "syntax error[;]"}, {";", "[[y = 1] ;]"}},
      {"x = (y); z = 1;", {"syntax error[;]"}, {";", "[[z = 1] ;]"}},
      {"x;", {"syntax error[;]"}, {";"}},
      {"x = -y;", {"syntax error[y]", "syntax error[;]"}, {";"}},
      {"then x = 1;", {"syntax error[then]"}, {"[[x = 1] ;]"}},
      {"x = 1 y = 2;", {"syntax error[y]"}, {"[[y = 2] ;]"}},
      {"x = 1 ) ) ) y = 2;", {"syntax error[)]"}, {"[[y = 2] ;]"}},
      {"atom; y = 1;", {"syntax error[atom]"}, {";", "[[y = 1] ;]"}},
      {"x = a bit if; y = 1;", {"syntax error[if]"}, {";", "[[y = 1] ;]"}},
      {"exit x;", {"syntax error[x]", "syntax error[;]"}, {";"}},
      {"class D = B.C(a) x = 1;", {"syntax error[.]", "syntax error[x]"}, {"[[x = 1] ;]"}},
      {"x = 1; y = 2", {}, {"[[x = 1] ;]"}},
  });
}

TEST(Parser, AbandonedStatementsHandTheirValuesToTheActions) {
  struct {
    const char* source;
    Lines abandoned;
  } cases[] = {
      {"x = 1 + ;", {"x = 1 +"}},
      {"f = (a) -> ; y = 1;", {"f = [( a )] ->"}},
      {"if a < b < c then", {"if a < b", "c"}},
      {"x = 1; y = 2", {"y = 2"}},
      {"x = 1;", {}},
  };
  for (const auto& c : cases) {
    RecordingActions actions;
    actions.Parse(c.source);
    EXPECT_EQ(actions.Abandoned(), c.abandoned) << c.source;
  }
}

// Lines count on through nested parses; columns start at 1 on every line.
TEST(Parser, SyntaxErrorsComeWithTheirPlace) {
  RecordingActions actions;
  actions.Parse("x = 1;\n  ) y = 2;\nf = {\n ? 1 +;\n};\nthen");
  EXPECT_EQ(actions.Errors(), (Lines{"syntax error[)]", "syntax error[;]", "syntax error[then]"}));
  EXPECT_EQ(actions.ErrorPlaces(), (Lines{"2,3", "4,7", "6,1"}));
}

TEST(Parser, StackOverflowIsReportedAndParsingGoesOn) {
  RecordingActions actions;
  actions.Parse("x = " + Repeat("(", 1100) + "1" + Repeat(")", 1100) + "; y = 2;");
  EXPECT_EQ(actions.Errors(), (Lines{"yyparse stack overflow", "syntax error[)]"}));
  EXPECT_EQ(actions.ErrorPlaces().front(), "-");
  EXPECT_EQ(actions.Statements().back(), "[[y = 2] ;]");
  ASSERT_FALSE(actions.Abandoned().empty());
  EXPECT_EQ(actions.Abandoned().front().substr(0, 7), "x = ( (");
}

TEST(Parser, TheStackHoldsExactly1024Entries) {
  RecordingActions fits;
  fits.Parse(NestedSums(340));
  EXPECT_EQ(fits.Errors(), Lines());
  RecordingActions overflows;
  overflows.Parse(NestedSums(341));
  ASSERT_FALSE(overflows.Errors().empty());
  EXPECT_EQ(overflows.Errors().front(), "yyparse stack overflow");
}

TEST(Parser, FunctionLiteralsAreParsedNested) {
  RecordingActions actions;
  actions.Parse("f = { ? 1; }; g = { h = (a) { return a; }; ? 2 }; x = 3;");
  EXPECT_EQ(actions.Statements(), (Lines{">[[? 1] ;]", "[[f = {...}] ;]", ">>[[return a] ;]", ">[[h = {...}] ;]",
                                         "[[g = {...}] ;]", "[[x = 3] ;]"}));
  EXPECT_EQ(actions.Errors(), Lines());
}

TEST(Parser, AFunctionLiteralLeftOpenEndsWithTheText) {
  RecordingActions actions;
  actions.Parse("f = { ? 1;");
  EXPECT_EQ(actions.Trace(), "89 87 70 { 94 83 82 52 22 1 eof 81");
  EXPECT_EQ(actions.Statements(), Lines{">[[? 1] ;]"});
  EXPECT_EQ(actions.Abandoned(), Lines{"f = {...}"});
  EXPECT_EQ(actions.Errors(), Lines());
}

TEST(Parser, TooDeepANestingOfFunctionLiteralsIsRefused) {
  const int levels = TParser::kNestingLimit + 3;
  RecordingActions actions;
  actions.Parse(Repeat("f = { ", levels) + Repeat("}; ", levels) + "x = 1;");
  ASSERT_FALSE(actions.Errors().empty());
  EXPECT_EQ(actions.Errors().front(), "yyparse stack overflow");
  EXPECT_EQ(actions.Statements().back(), "[[x = 1] ;]");
}

TEST(Parser, AnExceptionFromAnActionLeavesTheParse) {
  class ThrowingActions : public RecordingActions {
  public:
    void Reduce(int rule, const TRuleValues& values, TParseValue& result) override {
      if (grammar::RuleRoutineName(rule) == std::string_view("BuildString")) throw EScriptError(QT("B not found"));
      RecordingActions::Reduce(rule, values, result);
    }
    void ParseAgain(std::string_view source) { Parse(source); }
  } actions;
  EXPECT_THROW(actions.ParseAgain("f = { x = 's'; };"), EScriptError);
  actions.ParseAgain("y = 1;");
  EXPECT_EQ(actions.Statements().back(), ">[[y = 1] ;]") << "the parse starts afresh; the recorder's depth stays";
}

TEST(Parser, AProgram) {
  RecordingActions actions;
  actions.Parse(
      "qel fib(n)\n"
      "  if n < 2 then return n; end if;\n"
      "  return fib(n - 1) + fib(n - 2);\n"
      "end qel;\n"
      "for i = 1 to 10 loop ?. fib(i); end loop;\n");
  EXPECT_EQ(actions.Statements(),
            (Lines{"[qel fib [( n )]]", "[if [n < 2] then]", "[[return n] ;]", "[[end if] ;]",
                   "[[return [[fib ( [n - 1] )] + [fib ( [n - 2] )]]] ;]", "[[end qel] ;]", "[for i = 1 to 10 loop]",
                   "[[? . [fib ( i )]] ;]", "[[end loop] ;]"}));
  EXPECT_EQ(actions.Errors(), Lines());
}
