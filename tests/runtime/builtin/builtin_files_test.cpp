// The file built-ins: "load", "save", "hash", "find", "copy", "move",
// "size" and the file form of "time".
#include <algorithm>
#include <string>
#include <vector>

#include "builtin_call.h"
#include "platform/files.h"
#include "platform/filesystem.h"
#include "support/temp_folder.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/value_node.h"

using namespace runtime;

namespace {

class BuiltinFiles : public TempFolderTest {
protected:
  Value PathOf(std::u16string_view name) const {
    Value path;
    path.SetText(TextFromUtf16(Path(name)));
    return path;
  }
  std::string Shown(std::u16string_view name) const { return Utf8(Path(name)); }
  bool Exists(std::u16string_view name) const {
    std::string bytes;
    return platform::ReadWholeFile(Path(name), bytes);
  }
};

// The members of a "find" result: "name=value" when named, else the value.
std::vector<std::string> Listed(const Value& found) {
  EXPECT_EQ(found.Type(), varCountedObject);
  std::vector<std::string> entries;
  CObjectValue* list = ScriptObjectOf(found);
  for (int32_t i = 0; list && i < list->MemberCount(); ++i) {
    CValue* member = list->Members()->At(i);
    const std::string value = Utf8(ToUtf16(member->ValueRef()));
    entries.push_back(member->Name().empty() ? value : Utf8(Utf16FromText(member->Name())) + "=" + value);
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

}  // namespace

TEST_F(BuiltinFiles, SaveWritesMakingFoldersAndAppendsAndLoadReadsBack) {
  const Value path = PathOf(u"new\\deeper\\f.txt");
  CallBuiltin("save", path, {Txt("one\r\n")});
  CallBuiltin("save", path, {Txt("two"), {"append", Bool(true)}});
  EXPECT_EQ(ReadFile(u"new\\deeper\\f.txt"), "one\r\ntwo");
  EXPECT_TRUE(SameValue(CallBuiltin("load", path), Txt("one\r\ntwo")));
  CallBuiltin("save", path, {Txt("three")});
  EXPECT_EQ(ReadFile(u"new\\deeper\\f.txt"), "three");
}

TEST_F(BuiltinFiles, LoadReportsTheCodePageUsedToAVariable) {
  WriteFile(u"marked.txt", "\xEF\xBB\xBFhi");
  CValue* codePage = NewVariable(Int(0));
  const Value text = CallBuiltin("load", PathOf(u"marked.txt"), {codePage});
#ifdef QEL_ANSI
  EXPECT_TRUE(SameValue(text, Ansi("\xEF\xBB\xBFhi", 0)));
  EXPECT_TRUE(SameValue(codePage->ValueRef(), Int(0)));
#else
  EXPECT_TRUE(SameValue(text, Txt("hi")));
  EXPECT_TRUE(SameValue(codePage->ValueRef(), Raw(varWord, 65001)));
#endif
  codePage->Release();
}

TEST_F(BuiltinFiles, HashGivesDigestsOfTheBytesOrTheText) {
  WriteFile(u"h.txt", "abc");
  const Value path = PathOf(u"h.txt");
  EXPECT_TRUE(SameValue(CallBuiltin("hash", path), Txt("900150983cd24fb0d6963f7d28e17f72")));
  EXPECT_TRUE(SameValue(CallBuiltin("hash", path, {Int(2)}), Txt("a9993e364706816aba3e25717850c26c9cd0d89d")));
  EXPECT_TRUE(SameValue(CallBuiltin("hash", path, {Int(-1)}), Txt("abc")));
  const std::string error = BuiltinError("hash", PathOf(u"missing.txt"));
  EXPECT_EQ(error.rfind("Open \"", 0), 0u) << error;
  EXPECT_NE(error.find("missing.txt\" failed: "), std::string::npos) << error;
}

TEST_F(BuiltinFiles, FindListsFilesOrFoldersAsANewObject) {
  WriteFile(u"a.txt", "1");
  WriteFile(u"b.txt", "22");
  WriteFile(u"c.log", "");
  ASSERT_TRUE(platform::FolderCreate(Path(u"sub")));
  WriteFile(u"sub\\d.txt", "333");
  const std::string a = Shown(u"a.txt"), b = Shown(u"b.txt"), d = Shown(u"sub\\d.txt");
  EXPECT_EQ(Listed(CallBuiltin("find", PathOf(u"*.txt"))), (std::vector<std::string>{a, b}));
  EXPECT_EQ(Listed(CallBuiltin("find", PathOf(u"*.txt"), {Bool(true)})), (std::vector<std::string>{a, b, d}));
  EXPECT_EQ(Listed(CallBuiltin("find", PathOf(u"*.txt"), {{"size", Bool(true)}, {"sub", Bool(true)}})),
            (std::vector<std::string>{a + "=1", b + "=2", d + "=3"}));
  EXPECT_EQ(Listed(CallBuiltin("find", PathOf(u"*\\"))), (std::vector<std::string>{Shown(u"sub")}));
  EXPECT_EQ(Listed(CallBuiltin("find", PathOf(u"none\\*.txt"))), (std::vector<std::string>{}));
}

TEST_F(BuiltinFiles, CopyGoesToEveryDestinationOverwriting) {
  WriteFile(u"src.txt", "new");
  WriteFile(u"old.txt", "old content");
  CallBuiltin("copy", PathOf(u"src.txt"), {PathOf(u"one.txt"), PathOf(u"old.txt")});
  EXPECT_EQ(ReadFile(u"one.txt"), "new");
  EXPECT_EQ(ReadFile(u"old.txt"), "new");
  EXPECT_EQ(BuiltinError("copy", PathOf(u"missing.txt"), {PathOf(u"two.txt")}), "no error");
  EXPECT_FALSE(Exists(u"two.txt"));
}

TEST_F(BuiltinFiles, MoveRenamesAndWithoutADestinationDeletes) {
  WriteFile(u"a.txt", "a");
  CallBuiltin("move", PathOf(u"a.txt"), {{"dest", PathOf(u"b.txt")}});
  EXPECT_FALSE(Exists(u"a.txt"));
  EXPECT_EQ(ReadFile(u"b.txt"), "a");
  CallBuiltin("move", PathOf(u"b.txt"), {Txt("")});
  EXPECT_FALSE(Exists(u"b.txt"));
  WriteFile(u"c.txt", "c");
  CallBuiltin("move", PathOf(u"c.txt"));
  EXPECT_FALSE(Exists(u"c.txt"));
  ASSERT_TRUE(platform::FolderCreate(Path(u"empty")));
  CallBuiltin("move", PathOf(u"empty"));
  EXPECT_FALSE(platform::FolderRemove(Path(u"empty"))) << "the empty folder is gone already";
  EXPECT_EQ(BuiltinError("move", PathOf(u"missing.txt"), {Txt("123")}), "no error") << "a digit text names a file";
}

TEST_F(BuiltinFiles, SizeAndTimesOfAFile) {
  WriteFile(u"f.txt", "12345");
  const Value path = PathOf(u"f.txt");
  EXPECT_TRUE(SameValue(CallBuiltin("size", path), Raw(varLongWord, 5)));
  for (int32_t kind : {0, 1}) {
    const Value time = CallBuiltin("time", path, {Int(kind)});
    ASSERT_EQ(time.Type(), varDate);
    EXPECT_GT(time.AsDoubleRaw(), 45000) << "after 2023";
    EXPECT_LT(time.AsDoubleRaw(), 110000) << "before 2200";
  }
}
