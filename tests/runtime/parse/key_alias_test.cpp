// qel has no key aliases; the corpus's key_aliases.out8 shows it reading
// such a script without them.
#ifndef QEL_ANSI
#include <gtest/gtest.h>

#include "runtime/error.h"
#include "runtime/parse/key_alias.h"
#include "scan_util.h"
#include "support/temp_folder.h"
#include "support/text_util.h"
#include "runtime/sys/sys_util.h"

using namespace runtime;

namespace {

std::string Pairs(std::string_view file) {
  std::string pairs;
  for (const CKeyAlias& pair : ReadKeyAliases(Widen(file))) {
    pairs += '<';
    pairs += Narrow(pair.name);
    pairs += '|';
    pairs += Narrow(pair.value);
    pairs += '>';
  }
  return pairs;
}

std::string Alias(std::string_view word) { return Narrow(KeyAlias(Widen(word))); }

class KeyAliasTest : public ::testing::Test {
protected:
  void SetUp() override { ClearKeyAliases(); }
  void TearDown() override { ClearKeyAliases(); }
};

class KeyAliasFileTest : public TempFolderTest {
protected:
  void TearDown() override {
    ClearKeyAliases();
    TempFolderTest::TearDown();
  }
};

}  // namespace

TEST(KeyAliasFile, Format) {
  struct {
    const char* file;
    const char* pairs;
  } cases[] = {
      {"si=if\r\nalors=then\r\n", "<si|if><alors|then>"},
      {"a=b=c\r\n", "<a|bc>"},
      {" x y = z \r", "< x y | z >"},
      {"noValue\r\n\r\n=v\r\n", "<noValue|><|><|v>"},
      {"a=b\r\nlast=kept", "<a|b><last|kept>"},
      {"a=b\nc=d\n", "<a|b><c|d>"},
      {"a=b\nc=d", "<a|b><c|d>"},
      {"a=\nb\r", "<a|><b|>"},
      {"a=b\r\r\nc=d\n\r\n", "<a|b><|><c|d><|>"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Pairs(c.file), c.pairs) << c.file;
}

TEST_F(KeyAliasTest, WordsScanAsTheirAliasesButKeepTheirText) {
  LoadKeyAliasText(Widen("si=if\r\nalors=then\r\nfin=end\r\n"));
  EXPECT_EQ(ScanAll("si x alors fin si"), "IF:si IDENT:x THEN:alors END:fin IF:si");
  EXPECT_EQ(Alias("if"), "if") << "a word without an alias stays";
}

TEST_F(KeyAliasTest, AnUnsortedFileStillFindsEveryName) {
  LoadKeyAliasText(Widen("zz=while\r\nmm=loop\r\naa=do\r\nqq=end\r\nbb=if\r\n"));
  EXPECT_EQ(ScanAll("zz mm aa qq bb"), "WHILE:zz LOOP:mm DO:aa END:qq IF:bb");
}

TEST_F(KeyAliasTest, TheFirstOfTwoPairsWithOneNameWins) {
  LoadKeyAliasText(Widen("x=first\r\na=b\r\nx=second\r\n"));
  EXPECT_EQ(Alias("x"), "first");
}

TEST_F(KeyAliasTest, AFileWithoutPairsKeepsTheTable) {
  LoadKeyAliasText(Widen("si=if\r\n"));
  LoadKeyAliasText(Widen(""));
  EXPECT_EQ(Alias("si"), "if");
  LoadKeyAliasText(Widen("x=y\r\n"));
  EXPECT_EQ(Alias("si"), "si") << "a file with pairs replaces the table";
}

TEST_F(KeyAliasTest, BitAndItsOperatorsMayBeAliased) {
  LoadKeyAliasText(Widen("bitweise=bit\r\nund=and\r\nnicht=not\r\nwenn=if\r\n"));
  EXPECT_EQ(ScanAll("a bitweise und b"), "IDENT:a BIT_OP:und IDENT:b");
  EXPECT_EQ(ScanAll("bitweise nicht a nicht b"), "BITNOT:nicht IDENT:a NOT:nicht IDENT:b");
  EXPECT_EQ(ScanAll("bit wenn"), "error:wenn");
}

TEST_F(KeyAliasFileTest, LoadsAFileWithAByteOrderMark) {
  WriteFile(u"key.ini", "\xEF\xBB\xBFsi=if\r\n");
  LoadKeyAliases(TextFromUtf16(Path(u"key.ini")));
  EXPECT_EQ(Alias("si"), "if");
}

TEST_F(KeyAliasFileTest, AMissingFileRaises) {
  EXPECT_THROW(LoadKeyAliases(TextFromUtf16(Path(u"missing.ini"))), EScriptError);
}

TEST_F(KeyAliasFileTest, LoadsAFileWithLineFeedsOnlyAndNoFinalLineEnd) {
  WriteFile(u"key.ini", "si=if\nalors=then\nfin=end");
  LoadKeyAliases(TextFromUtf16(Path(u"key.ini")));
  EXPECT_EQ(ScanAll("si x alors fin"), "IF:si IDENT:x THEN:alors END:fin");
}

#endif
