#include <gtest/gtest.h>

#include "editor/key_strokes.h"

using namespace editor;
using toolkit::ssAlt;
using toolkit::ssCtrl;
using toolkit::ssShift;

namespace {

constexpr std::uint16_t kUp = 0x26, kBack = 0x08, kF1 = 0x70;

TEST(KeyStrokesTest, DefaultBindings) {
  TCodeEditKeyStrokes strokes(nullptr);
  strokes.LoadDefaultBindings();
  EXPECT_EQ(strokes.Count(), 82);
  struct Case {
    std::uint16_t key;
    toolkit::ShiftState shift;
    TCodeEditorCommand command;
  };
  const Case cases[] = {
      {kUp, 0, ecUp},
      {kUp, ssShift, ecSelUp},
      {kUp, ssCtrl, ecScrollUp},
      {kBack, ssShift | ssAlt, ecRedo},
      {kF1, 0, ecContextHelp},
      {u'7', ssCtrl, ecGotoMarker0 + 7},
      {u'0', ssShift | ssCtrl, ecSetMarker0},
      {u'B', ssShift | ssCtrl, ecMatchBracket},
  };
  for (const Case& test : cases) {
    const int index = strokes.IndexOfKey(test.key, test.shift);
    ASSERT_GE(index, 0) << test.command;
    EXPECT_EQ(strokes.Items(index)->Command(), test.command);
  }
  EXPECT_EQ(strokes.IndexOfKey(u'Q', ssCtrl), -1);
  EXPECT_EQ(strokes.Items(0)->DisplayName(), u"ecUp - Up ");
  // Loading again replaces rather than adds.
  strokes.LoadDefaultBindings();
  EXPECT_EQ(strokes.Count(), 82);
}

TEST(KeyStrokesTest, TwoKeySequencesAreFoundOnlyAsPairs) {
  TCodeEditKeyStrokes strokes(nullptr);
  strokes.AddKey(ecCopy, u'K', ssCtrl);
  TCodeEditKeyStroke* sequence = strokes.Add();
  sequence->SetCommand(ecSelectAll);
  // The second key first: Ctrl+K alone is taken.
  EXPECT_THROW(sequence->SetShortCut(toolkit::MakeShortCut(u'K', ssCtrl)), ECodeKeyError);
  sequence->SetShortCut2(toolkit::MakeShortCut(u'A', 0));
  sequence->SetShortCut(toolkit::MakeShortCut(u'K', ssCtrl));
  EXPECT_TRUE(sequence->IsSequence());
  EXPECT_EQ(strokes.IndexOfKey(u'K', ssCtrl), 0);
  EXPECT_EQ(strokes.IndexOfKeyPair(u'K', ssCtrl, u'A', 0), 1);
  EXPECT_EQ(strokes.IndexOfKeyPair(u'K', ssCtrl, u'B', 0), -1);
  EXPECT_EQ(strokes.IndexOfShortCuts(toolkit::scCtrl | u'K', u'A'), 1);
  EXPECT_EQ(sequence->DisplayName(), u"ecSelectAll - Ctrl+K A");
}

TEST(KeyStrokesTest, ConflictingShortCutsAreRefusedAndKeepTheOldKeys) {
  TCodeEditKeyStrokes strokes(nullptr);
  strokes.AddKey(ecCopy, u'C', ssCtrl);
  strokes.AddKey(ecCut, u'X', ssCtrl);
  TCodeEditKeyStroke* cut = strokes.Items(1);
  try {
    cut->SetShortCut(toolkit::scCtrl | u'C');
    FAIL();
  } catch (const ECodeKeyError& error) {
    EXPECT_EQ(error.Message(), u"Shortcut already exists");
  }
  EXPECT_EQ(cut->ShortCut(), toolkit::scCtrl | u'X');
  cut->SetShortCut(toolkit::scCtrl | u'X');  // its own short-cut is no conflict
  cut->SetShortCut(0);                       // nor is none

  // A second key makes a different binding; taking the other's pair fails.
  cut->SetShortCut2(u'A');
  cut->SetShortCut(toolkit::scCtrl | u'C');
  EXPECT_THROW(cut->SetShortCut2(0), ECodeKeyError);
  EXPECT_EQ(cut->ShortCut2(), u'A');
}

TEST(KeyStrokesTest, AddKeyOfABoundKeyAddsNothing) {
  TCodeEditKeyStrokes strokes(nullptr);
  strokes.AddKey(ecCopy, u'C', ssCtrl);
  EXPECT_THROW(strokes.AddKey(ecPaste, u'C', ssCtrl), ECodeKeyError);
  EXPECT_EQ(strokes.Count(), 1);
  EXPECT_EQ(strokes.Items(0)->Command(), ecCopy);
}

TEST(KeyStrokesTest, AssignCopiesEveryBindingInOrder) {
  TCodeEditKeyStrokes source(nullptr);
  source.LoadDefaultBindings();
  TCodeEditKeyStrokes copy(nullptr);
  copy.AddKey(ecUndo, u'Q', ssCtrl);
  copy.Assign(&source);
  ASSERT_EQ(copy.Count(), source.Count());
  for (int i = 0; i < source.Count(); ++i) {
    EXPECT_EQ(copy.Items(i)->ShortCut(), source.Items(i)->ShortCut());
    EXPECT_EQ(copy.Items(i)->Command(), source.Items(i)->Command());
  }
}

}  // namespace
