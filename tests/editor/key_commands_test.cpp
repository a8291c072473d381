#include <gtest/gtest.h>

#include <set>

#include "editor/key_commands.h"

using namespace editor;

namespace {

TEST(KeyCommandsTest, CodeAndDisplayTexts) {
  struct Case {
    const char16_t* code;
    const char16_t* display;
  };
  const Case cases[] = {
      {u"ecSelWordLeft", u"Select Word Left"}, {u"ecGotoMarker3", u"Goto Bookmark 3"},
      {u"ecGotoXY", u"Goto XY"},               {u"ecDeleteBOL", u"Delete BOL"},
      {u"ecSelectAll", u"Select All"},         {u"ecSetMarker0", u"Set Bookmark 0"},
      {u"ecSelGotoXY", u"Select Goto XY"},     {u"ecLeft", u"Left"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(toolkit::ToUtf8(test.code));
    EXPECT_EQ(CodeTextToDisplayText(test.code), test.display);
    EXPECT_EQ(DisplayTextToCodeText(test.display), test.code);
  }
  // Texts that are not of the other kind pass unchanged.
  EXPECT_EQ(CodeTextToDisplayText(u"Left"), u"Left");
  EXPECT_EQ(DisplayTextToCodeText(u"ecLeft"), u"ecLeft");
}

TEST(KeyCommandsTest, EveryIdentifierSurvivesTheDisplayTextRoundTrip) {
  int count = 0;
  std::set<TCodeEditorCommand> seen;
  ForEachCommandIdent([&](const toolkit::String& identifier) {
    ++count;
    SCOPED_TRACE(toolkit::ToUtf8(identifier));
    const TCodeEditorCommand command = CodeTextToCommand(identifier);
    EXPECT_TRUE(seen.insert(command).second) << "each identifier names its own command";
    EXPECT_EQ(DisplayTextToCommand(CodeTextToDisplayText(identifier)), command);
    toolkit::String back;
    ASSERT_TRUE(CommandToIdentifier(command, back));
    EXPECT_EQ(back, identifier);
  });
  EXPECT_EQ(count, kCommandIdentCount);
  int displayCount = 0;
  ForEachCommandDisplayText([&](const toolkit::String&) { ++displayCount; });
  EXPECT_EQ(displayCount, kCommandIdentCount);
}

TEST(KeyCommandsTest, LookUps) {
  EXPECT_EQ(DisplayTextToCommand(CodeTextToDisplayText(u"ecGotoMarker7")), 308);
  EXPECT_EQ(CodeTextToCommand(u"ECUNDO"), ecUndo);
  EXPECT_EQ(CodeTextToCommand(u"ecNoSuchThing"), ecNone);
  EXPECT_EQ(DisplayTextToCommand(u"No Such Thing"), ecNone);
  EXPECT_EQ(CommandToCodeText(1005), u"1005");
  EXPECT_EQ(CommandToCodeText(ecUserFirst), u"ecUserFirst");
  TCodeEditorCommand command = 0;
  EXPECT_FALSE(IdentifierToCommand(u"ECUNDO", command)) << "the exact look-up keeps case";
  EXPECT_TRUE(IdentifierToCommand(u"ecString", command));
  EXPECT_EQ(command, ecString);
  toolkit::String identifier;
  EXPECT_FALSE(CommandToIdentifier(999, identifier));
}

}  // namespace
