#include "editor/key_strokes.h"

namespace editor {

using toolkit::ShiftState;
using toolkit::ssAlt;
using toolkit::ssCtrl;
using toolkit::ssShift;

void TCodeEditKeyStroke::Assign(const toolkit::Persistent* source) {
  const auto* other = dynamic_cast<const TCodeEditKeyStroke*>(source);
  if (!other) {
    CollectionItem::Assign(source);
    return;
  }
  key_ = other->key_;
  shift_ = other->shift_;
  key2_ = other->key2_;
  shift2_ = other->shift2_;
  command_ = other->command_;
}

toolkit::String TCodeEditKeyStroke::DisplayName() const {
  toolkit::String name = CommandToCodeText(command_);
  name += u" - ";
  name += toolkit::ShortCutToText(ShortCut());
  if (ShortCut() != 0) {
    name += u' ';
    name += toolkit::ShortCutToText(ShortCut2());
  }
  return name;
}

void TCodeEditKeyStroke::CheckFree(toolkit::ShortCut first, toolkit::ShortCut second) const {
  const auto* strokes = dynamic_cast<const TCodeEditKeyStrokes*>(OwnerCollection());
  if (!strokes) return;
  for (int i = 0; i < strokes->Count(); ++i) {
    const TCodeEditKeyStroke* other = strokes->Items(i);
    if (other != this && other->ShortCut() == first && other->ShortCut2() == second)
      throw ECodeKeyError(u"Shortcut already exists");
  }
}

void TCodeEditKeyStroke::SetShortCut(toolkit::ShortCut value) {
  if (value != 0) CheckFree(value, ShortCut2());
  toolkit::ShortCutToKey(value, key_, shift_);
}

void TCodeEditKeyStroke::SetShortCut2(toolkit::ShortCut value) {
  // Dropping the second key can also collide with a single-key binding.
  if (ShortCut() != 0) CheckFree(ShortCut(), value);
  toolkit::ShortCutToKey(value, key2_, shift2_);
}

TCodeEditKeyStrokes::TCodeEditKeyStrokes(toolkit::Persistent* owner)
    : Collection(owner, [](toolkit::Collection* collection) { return new TCodeEditKeyStroke(collection); }) {}

TCodeEditKeyStroke* TCodeEditKeyStrokes::Add() { return static_cast<TCodeEditKeyStroke*>(Collection::Add()); }

TCodeEditKeyStroke* TCodeEditKeyStrokes::Items(int index) const {
  return static_cast<TCodeEditKeyStroke*>(Collection::Items(index));
}

void TCodeEditKeyStrokes::AddKey(TCodeEditorCommand command, std::uint16_t key, ShiftState shift) {
  TCodeEditKeyStroke* item = Add();
  try {
    item->SetShortCut(toolkit::MakeShortCut(key, shift));
    item->SetKey(key);
    item->SetShift(shift);
    item->SetCommand(command);
  } catch (...) {
    delete item;
    throw;
  }
}

int TCodeEditKeyStrokes::IndexOfKey(std::uint16_t key, ShiftState shift) const {
  for (int i = 0; i < Count(); ++i) {
    const TCodeEditKeyStroke* item = Items(i);
    if (item->Key() == key && item->Shift() == shift && item->Key2() == 0) return i;
  }
  return -1;
}

int TCodeEditKeyStrokes::IndexOfKeyPair(std::uint16_t key, ShiftState shift, std::uint16_t key2,
                                        ShiftState shift2) const {
  for (int i = 0; i < Count(); ++i) {
    const TCodeEditKeyStroke* item = Items(i);
    if (item->Key() == key && item->Shift() == shift && item->Key2() == key2 && item->Shift2() == shift2) return i;
  }
  return -1;
}

int TCodeEditKeyStrokes::IndexOfShortCuts(toolkit::ShortCut shortCut, toolkit::ShortCut shortCut2) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->ShortCut() == shortCut && Items(i)->ShortCut2() == shortCut2) return i;
  return -1;
}

namespace {

// Virtual-key codes of the default table.
enum : std::uint16_t {
  vkBack = 0x08,
  vkTab = 0x09,
  vkReturn = 0x0D,
  vkPrior = 0x21,
  vkNext = 0x22,
  vkEnd = 0x23,
  vkHome = 0x24,
  vkLeft = 0x25,
  vkUp = 0x26,
  vkRight = 0x27,
  vkDown = 0x28,
  vkInsert = 0x2D,
  vkDelete = 0x2E,
  vkF1 = 0x70,
};

constexpr ShiftState kNone = 0;
constexpr ShiftState kShiftCtrl = ssShift | ssCtrl;

struct DefaultBinding {
  std::uint16_t key;
  ShiftState shift;
  TCodeEditorCommand command;
};

constexpr DefaultBinding kDefaultBindings[] = {
    {vkUp, kNone, ecUp},
    {vkUp, ssShift, ecSelUp},
    {vkUp, ssCtrl, ecScrollUp},
    {vkDown, kNone, ecDown},
    {vkDown, ssShift, ecSelDown},
    {vkDown, ssCtrl, ecScrollDown},
    {vkLeft, kNone, ecLeft},
    {vkLeft, ssShift, ecSelLeft},
    {vkLeft, ssCtrl, ecWordLeft},
    {vkLeft, kShiftCtrl, ecSelWordLeft},
    {vkRight, kNone, ecRight},
    {vkRight, ssShift, ecSelRight},
    {vkRight, ssCtrl, ecWordRight},
    {vkRight, kShiftCtrl, ecSelWordRight},
    {vkNext, kNone, ecPageDown},
    {vkNext, ssShift, ecSelPageDown},
    {vkNext, ssCtrl, ecPageBottom},
    {vkNext, kShiftCtrl, ecSelPageBottom},
    {vkPrior, kNone, ecPageUp},
    {vkPrior, ssShift, ecSelPageUp},
    {vkPrior, ssCtrl, ecPageTop},
    {vkPrior, kShiftCtrl, ecSelPageTop},
    {vkHome, kNone, ecLineStart},
    {vkHome, ssShift, ecSelLineStart},
    {vkHome, ssCtrl, ecEditorTop},
    {vkHome, kShiftCtrl, ecSelEditorTop},
    {vkEnd, kNone, ecLineEnd},
    {vkEnd, ssShift, ecSelLineEnd},
    {vkEnd, ssCtrl, ecEditorBottom},
    {vkEnd, kShiftCtrl, ecSelEditorBottom},
    {vkInsert, kNone, ecToggleMode},
    {vkInsert, ssCtrl, ecCopy},
    {vkDelete, ssShift, ecCut},
    {vkInsert, ssShift, ecPaste},
    {vkDelete, kNone, ecDeleteChar},
    {vkBack, kNone, ecDeleteLastChar},
    {vkBack, ssShift, ecDeleteLastChar},
    {vkBack, ssCtrl, ecDeleteLastWord},
    {vkBack, ssAlt, ecUndo},
    {vkBack, ssShift | ssAlt, ecRedo},
    {vkReturn, kNone, ecLineBreak},
    {vkReturn, ssShift, ecLineBreak},
    {vkTab, kNone, ecTab},
    {vkTab, ssShift, ecShiftTab},
    {vkF1, kNone, ecContextHelp},
    {u'A', ssCtrl, ecSelectAll},
    {u'C', ssCtrl, ecCopy},
    {u'V', ssCtrl, ecPaste},
    {u'X', ssCtrl, ecCut},
    {u'I', kShiftCtrl, ecBlockIndent},
    {u'U', kShiftCtrl, ecBlockUnindent},
    {u'M', ssCtrl, ecLineBreak},
    {u'N', ssCtrl, ecInsertLine},
    {u'T', ssCtrl, ecDeleteWord},
    {u'Y', ssCtrl, ecDeleteLine},
    {u'Y', kShiftCtrl, ecDeleteEOL},
    {u'Z', ssCtrl, ecUndo},
    {u'Z', kShiftCtrl, ecRedo},
};

constexpr DefaultBinding kDefaultSelectionModes[] = {
    {u'N', kShiftCtrl, ecNormalSelect},
    {u'C', kShiftCtrl, ecColumnSelect},
    {u'L', kShiftCtrl, ecLineSelect},
    {u'B', kShiftCtrl, ecMatchBracket},
};

}  // namespace

void TCodeEditKeyStrokes::LoadDefaultBindings() {
  BeginUpdate();
  try {
    Clear();
    for (const DefaultBinding& binding : kDefaultBindings) AddKey(binding.command, binding.key, binding.shift);
    for (int digit = 0; digit <= 9; ++digit)
      AddKey(static_cast<TCodeEditorCommand>(ecGotoMarker0 + digit), static_cast<std::uint16_t>(u'0' + digit), ssCtrl);
    for (int digit = 0; digit <= 9; ++digit)
      AddKey(static_cast<TCodeEditorCommand>(ecSetMarker0 + digit), static_cast<std::uint16_t>(u'0' + digit),
             kShiftCtrl);
    for (const DefaultBinding& binding : kDefaultSelectionModes) AddKey(binding.command, binding.key, binding.shift);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

}  // namespace editor
