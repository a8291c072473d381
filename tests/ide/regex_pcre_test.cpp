// The regular-expression highlighter against PCRE's own reading of a corpus
// of patterns: what PCRE accepts has no error token, its groups, names and
// references are the ones PCRE counts, and each escape token is one escape;
// what PCRE rejects shows an error token where PCRE says.
#include <gtest/gtest.h>
#include <pcre.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ide/regex_syntax.h"
#include "ide/syntax_tokens.h"

using namespace ide;
using K = TRegexSyntax::TokenKind;

namespace {

// The patterns are ASCII, so UTF-16 positions are byte offsets.
std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

struct Compiled {
  pcre* code = nullptr;
  int errorOffset = -1;
  std::string error;
  explicit Compiled(const std::string& pattern) {
    const char* message = nullptr;
    code = pcre_compile(pattern.c_str(), 0, &message, &errorOffset, nullptr);
    if (message) error = message;
  }
  ~Compiled() { pcre_free(code); }
  int Info(int what) const {
    int value = 0;
    pcre_fullinfo(code, nullptr, what, &value);
    return value;
  }
};

bool IsGroupKind(int kind) { return kind >= K::tkGroup && kind <= K::tkGroup6; }

// A group opening that captures: "(" alone, or one with a name.
bool Captures(const std::u16string& text) {
  return text == u"(" || (text.starts_with(u"(?<") && text != u"(?<=" && text != u"(?<!") ||
         text.starts_with(u"(?'") || text.starts_with(u"(?P<");
}
bool Named(const std::u16string& text) { return Captures(text) && text != u"("; }

// The group a reference token names, through PCRE's table of names.
int ReferencedGroup(const Compiled& compiled, const std::u16string& text) {
  if (text.starts_with(u"(?P=")) return pcre_get_stringnumber(compiled.code, Narrow(text.substr(4, text.size() - 5)).c_str());
  std::u16string body = text.substr(text[1] == u'g' || text[1] == u'k' ? 2 : 1);
  if (!body.empty() && (body[0] == u'{' || body[0] == u'<' || body[0] == u'\''))
    body = body.substr(1, body.size() - 2);
  if (!body.empty() && body[0] >= u'0' && body[0] <= u'9') return std::stoi(Narrow(body));
  return pcre_get_stringnumber(compiled.code, Narrow(body).c_str());
}

void CheckAccepted(const std::u16string& pattern, const Compiled& compiled) {
  TRegexSyntax h(nullptr);
  const std::vector<SyntaxToken> tokens = ScanSyntaxLine(h, pattern);
  int captures = 0, names = 0, highestReference = 0;
  std::vector<int> open;
  for (const SyntaxToken& token : tokens) {
    EXPECT_NE(token.kind, K::tkError) << "at " << token.start;
    if (IsGroupKind(token.kind) && token.text[0] == u'(') {
      captures += Captures(token.text);
      names += Named(token.text);
      open.push_back(token.kind);
    } else if (IsGroupKind(token.kind) && token.text == u")") {
      ASSERT_FALSE(open.empty()) << "at " << token.start;
      EXPECT_EQ(token.kind, open.back()) << "a group closes in another colour at " << token.start;
      open.pop_back();
    } else if (token.kind == K::tkReference) {
      const int group = ReferencedGroup(compiled, token.text);
      EXPECT_GT(group, 0) << Narrow(token.text);
      highestReference = std::max(highestReference, group);
    } else if (token.kind == K::tkEscape) {
      // An escape token is one whole escape: alone it is a valid pattern.
      const Compiled alone(Narrow(token.text));
      EXPECT_TRUE(alone.error.empty()) << Narrow(token.text) << ": " << alone.error;
    }
  }
  EXPECT_TRUE(open.empty());
  EXPECT_EQ(captures, compiled.Info(PCRE_INFO_CAPTURECOUNT));
  EXPECT_EQ(names, compiled.Info(PCRE_INFO_NAMECOUNT));
  EXPECT_EQ(highestReference, compiled.Info(PCRE_INFO_BACKREFMAX));
}

void CheckRejected(const std::u16string& pattern, const Compiled& compiled) {
  TRegexSyntax h(nullptr);
  const std::vector<SyntaxToken> tokens = ScanSyntaxLine(h, pattern);
  const auto marks = [&](const SyntaxToken& token) {
    return token.kind == K::tkError && token.start <= compiled.errorOffset &&
           compiled.errorOffset <= token.start + static_cast<int>(token.text.size());
  };
  EXPECT_TRUE(std::any_of(tokens.begin(), tokens.end(), marks))
      << "PCRE: " << compiled.error << " at " << compiled.errorOffset;
}

TEST(RegexPcreTest, AcceptedPatternsAreColouredAsPcreReadsThem) {
  const char16_t* patterns[] = {
      u"abc",
      u"a(b)c",
      u"(a(b)c)",
      u"(a|b)|c",
      u"(?:x)(y)",
      u"(?=a)(?!b)(?<=c)(?<!d)(?>e)",
      u"(?<year>\\d{4})-(?<month>\\d\\d)",
      u"(?'n'x)\\k'n'\\k<n>\\k{n}",
      u"(?P<id>\\w+)(?P=id)",
      u"(a)\\1",
      u"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)\\10\\3\\g2\\g{4}",
      u"x{2,3}y{4}z{5,}",
      u"a{x}{,3}{",
      u"[abc][^a-z][]a][^]a]",
      u"[[:alpha:]_][\\d\\]][\\x41-\\x5a]",
      u"\\Qa.b(\\E+",
      u"\\Q(*)",
      u"(?#comment (with more)x",
      u"(?i)abc(?-i)d",
      u"\\x41\\x{42}\\x\\cA\\0\\012\\t\\n\\e",
      u"\\bword\\B\\A\\z\\Z\\G",
      u"^a.*b$",
      u"a+?b*+c??d{2}+",
      u"(a)(?1)(?&n)(?<n>b)",
      u"a(?R)?z",
      u"((((((((deep))))))))",
      u"\\d\\D\\w\\W\\s\\S\\h\\H\\v\\V\\R\\X\\C",
      u"\\.\\*\\(\\)\\[\\]\\{\\}\\\\\\|\\/",
  };
  for (const char16_t* pattern : patterns) {
    SCOPED_TRACE(Narrow(pattern));
    const Compiled compiled(Narrow(pattern));
    ASSERT_TRUE(compiled.error.empty()) << compiled.error;
    CheckAccepted(pattern, compiled);
  }
}

// Errors of the pattern's form. A colouring scan does not judge meaning, so
// these stay out: a quantifier with nothing before it, a class range out of
// order, a look-behind of varying length, a reference to a group that is not
// there, and unknown option letters.
TEST(RegexPcreTest, RejectedPatternsAreMarkedWherePcreSays) {
  const char16_t* patterns[] = {
      u"(abc",       u"a(b(c)",   u"abc)",  u"(a))b",   u"[abc",     u"x[",      u"x[^",
      u"a\\",        u"(?P",      u"(?Px)", u"(?<name", u"(?'name",  u"(?#abc",  u"\\k",
      u"\\kx",       u"\\k<n",    u"\\g",   u"\\gx",    u"\\g{1",    u"\\c",     u"\\p{L",
      u"\\x{41",     u"a|b)",     u"(?P<n", u"(a|(b",
  };
  for (const char16_t* pattern : patterns) {
    SCOPED_TRACE(Narrow(pattern));
    const Compiled compiled(Narrow(pattern));
    ASSERT_FALSE(compiled.error.empty());
    CheckRejected(pattern, compiled);
  }
}

}  // namespace
