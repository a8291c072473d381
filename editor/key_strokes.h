// Key bindings: a collection of items each mapping one key, or a sequence of
// two, with their modifiers to an editor command.
#pragma once
#include <cstdint>

#include "editor/key_commands.h"
#include "toolkit/core/collection.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/core/shortcut.h"

namespace editor {

class ECodeKeyError : public toolkit::Exception {
 public:
  using toolkit::Exception::Exception;
};

class TCodeEditKeyStrokes;

class TCodeEditKeyStroke : public toolkit::CollectionItem {
 public:
  explicit TCodeEditKeyStroke(toolkit::Collection* collection) : CollectionItem(collection) {}

  toolkit::String ClassName() const override { return u"TCodeEditKeyStroke"; }
  void Assign(const toolkit::Persistent* source) override;
  // "ecCopy - Ctrl+C", with the second key's text after a blank.
  toolkit::String DisplayName() const override;

  TCodeEditorCommand Command() const { return command_; }
  void SetCommand(TCodeEditorCommand command) { command_ = command; }
  std::uint16_t Key() const { return key_; }
  void SetKey(std::uint16_t key) { key_ = key; }
  toolkit::ShiftState Shift() const { return shift_; }
  void SetShift(toolkit::ShiftState shift) { shift_ = shift; }
  std::uint16_t Key2() const { return key2_; }
  void SetKey2(std::uint16_t key) { key2_ = key; }
  toolkit::ShiftState Shift2() const { return shift2_; }
  void SetShift2(toolkit::ShiftState shift) { shift2_ = shift; }

  // Setting a pair of short-cuts that another item of the collection holds
  // raises ECodeKeyError and keeps the old keys.
  toolkit::ShortCut ShortCut() const { return toolkit::MakeShortCut(key_, shift_); }
  void SetShortCut(toolkit::ShortCut value);
  toolkit::ShortCut ShortCut2() const { return toolkit::MakeShortCut(key2_, shift2_); }
  void SetShortCut2(toolkit::ShortCut value);
  bool IsSequence() const { return key2_ != 0; }

 private:
  void CheckFree(toolkit::ShortCut first, toolkit::ShortCut second) const;

  std::uint16_t key_ = 0;
  toolkit::ShiftState shift_ = 0;
  std::uint16_t key2_ = 0;
  toolkit::ShiftState shift2_ = 0;
  TCodeEditorCommand command_ = ecNone;
};

class TCodeEditKeyStrokes : public toolkit::Collection {
 public:
  explicit TCodeEditKeyStrokes(toolkit::Persistent* owner);

  toolkit::String ClassName() const override { return u"TCodeEditKeyStrokes"; }
  TCodeEditKeyStroke* Add();
  TCodeEditKeyStroke* Items(int index) const;
  // Adds a single-key binding; a key already bound alone raises ECodeKeyError
  // and adds nothing.
  void AddKey(TCodeEditorCommand command, std::uint16_t key, toolkit::ShiftState shift);

  // The first matching item, or -1. IndexOfKey finds single-key bindings only.
  int IndexOfKey(std::uint16_t key, toolkit::ShiftState shift) const;
  int IndexOfKeyPair(std::uint16_t key, toolkit::ShiftState shift, std::uint16_t key2,
                     toolkit::ShiftState shift2) const;
  int IndexOfShortCuts(toolkit::ShortCut shortCut, toolkit::ShortCut shortCut2) const;

  // Replaces the bindings with the editor's default table.
  void LoadDefaultBindings();
};

}  // namespace editor
