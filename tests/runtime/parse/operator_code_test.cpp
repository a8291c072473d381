#include <gtest/gtest.h>

#include "parse/key_alias.h"
#include "parse/operator_code.h"
#include "support/text_util.h"

namespace {

struct CodeCase {
  const char* text;
  bool bitwise;
  char16_t code;
};

void ExpectCodes(std::initializer_list<CodeCase> cases) {
  for (const CodeCase& c : cases)
    EXPECT_EQ(OperatorCode(Widen(c.text), c.bitwise), c.code) << c.text << (c.bitwise ? " (bitwise)" : "");
}

}  // namespace

TEST(OperatorCode, CodesOfTheOperators) {
  ExpectCodes({
      {"<", false, u'<'},   {">", false, u'>'},   {"<=", false, u'l'},  {">=", false, u'g'},
      {"<>", false, u'!'},  {"!=", false, u'!'},  {"=~", false, u'~'},  {"!~", false, u'$'},
      {"=", false, u'='},   {"&", false, u'&'},   {"+", false, u'+'},   {"-", false, u'-'},
      {"*", false, u'*'},   {"/", false, u'/'},   {"^", false, u'^'},   {"div", false, u'd'},
      {"mod", false, u'm'}, {"and", false, u'a'}, {"or", false, u'o'},  {"xor", false, u'x'},
      {"not", false, u'n'}, {"in", false, u'i'},  {"<<", true, u'L'},   {">>", true, u'R'},
      {"and", true, u'A'},  {"or", true, u'O'},   {"xor", true, u'X'},  {"not", true, u'N'},
  });
  EXPECT_EQ(AssignmentCode(Widen("&=")), u'&');
  EXPECT_EQ(AssignmentCode(Widen("-=")), u'-');
}

TEST(OperatorCode, AliasedWordsTakeTheirKeywordsCode) {
  LoadKeyAliasText(Widen("pas=not\r\nsinon=xor\r\nrest=mod\r\nou=or\r\n"));
  ExpectCodes({
      {"pas", false, u'n'},
      {"pas", true, u'N'},
      {"ou", true, u'O'},
      {"ou", false, u'o'},
      {"sinon", false, u'x'},
      {"rest", false, u'm'},
  });
  ClearKeyAliases();
}
