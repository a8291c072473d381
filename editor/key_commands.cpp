#include "editor/key_commands.h"

namespace editor {

namespace {

struct CommandIdent {
  TCodeEditorCommand command;
  const toolkit::Char* identifier;
};

// Searches by name go through this order.
const CommandIdent kCommandIdents[kCommandIdentCount] = {
    {ecNone, u"ecNone"},
    {ecLeft, u"ecLeft"},
    {ecRight, u"ecRight"},
    {ecUp, u"ecUp"},
    {ecDown, u"ecDown"},
    {ecWordLeft, u"ecWordLeft"},
    {ecWordRight, u"ecWordRight"},
    {ecLineStart, u"ecLineStart"},
    {ecLineEnd, u"ecLineEnd"},
    {ecPageUp, u"ecPageUp"},
    {ecPageDown, u"ecPageDown"},
    {ecPageLeft, u"ecPageLeft"},
    {ecPageRight, u"ecPageRight"},
    {ecPageTop, u"ecPageTop"},
    {ecPageBottom, u"ecPageBottom"},
    {ecEditorTop, u"ecEditorTop"},
    {ecEditorBottom, u"ecEditorBottom"},
    {ecGotoXY, u"ecGotoXY"},
    {ecSelLeft, u"ecSelLeft"},
    {ecSelRight, u"ecSelRight"},
    {ecSelUp, u"ecSelUp"},
    {ecSelDown, u"ecSelDown"},
    {ecSelWordLeft, u"ecSelWordLeft"},
    {ecSelWordRight, u"ecSelWordRight"},
    {ecSelLineStart, u"ecSelLineStart"},
    {ecSelLineEnd, u"ecSelLineEnd"},
    {ecSelPageUp, u"ecSelPageUp"},
    {ecSelPageDown, u"ecSelPageDown"},
    {ecSelPageLeft, u"ecSelPageLeft"},
    {ecSelPageRight, u"ecSelPageRight"},
    {ecSelPageTop, u"ecSelPageTop"},
    {ecSelPageBottom, u"ecSelPageBottom"},
    {ecSelEditorTop, u"ecSelEditorTop"},
    {ecSelEditorBottom, u"ecSelEditorBottom"},
    {ecSelGotoXY, u"ecSelGotoXY"},
    {ecSelWord, u"ecSelWord"},
    {ecSelectAll, u"ecSelectAll"},
    {ecDeleteLastChar, u"ecDeleteLastChar"},
    {ecDeleteChar, u"ecDeleteChar"},
    {ecDeleteWord, u"ecDeleteWord"},
    {ecDeleteLastWord, u"ecDeleteLastWord"},
    {ecDeleteBOL, u"ecDeleteBOL"},
    {ecDeleteEOL, u"ecDeleteEOL"},
    {ecDeleteLine, u"ecDeleteLine"},
    {ecClearAll, u"ecClearAll"},
    {ecLineBreak, u"ecLineBreak"},
    {ecInsertLine, u"ecInsertLine"},
    {ecChar, u"ecChar"},
    {ecImeStr, u"ecImeStr"},
    {ecUndo, u"ecUndo"},
    {ecRedo, u"ecRedo"},
    {ecCut, u"ecCut"},
    {ecCopy, u"ecCopy"},
    {ecPaste, u"ecPaste"},
    {ecScrollUp, u"ecScrollUp"},
    {ecScrollDown, u"ecScrollDown"},
    {ecScrollLeft, u"ecScrollLeft"},
    {ecScrollRight, u"ecScrollRight"},
    {ecInsertMode, u"ecInsertMode"},
    {ecOverwriteMode, u"ecOverwriteMode"},
    {ecToggleMode, u"ecToggleMode"},
    {ecBlockIndent, u"ecBlockIndent"},
    {ecBlockUnindent, u"ecBlockUnindent"},
    {ecTab, u"ecTab"},
    {ecShiftTab, u"ecShiftTab"},
    {ecMatchBracket, u"ecMatchBracket"},
    {ecCommentBlock, u"ecCommentBlock"},
    {ecNormalSelect, u"ecNormalSelect"},
    {ecColumnSelect, u"ecColumnSelect"},
    {ecLineSelect, u"ecLineSelect"},
    {ecAutoCompletion, u"ecAutoCompletion"},
    {ecUserFirst, u"ecUserFirst"},
    {ecContextHelp, u"ecContextHelp"},
    {ecGotoMarker0, u"ecGotoMarker0"},
    {static_cast<TCodeEditorCommand>(ecGotoMarker0 + 1), u"ecGotoMarker1"},
    {static_cast<TCodeEditorCommand>(ecGotoMarker0 + 2), u"ecGotoMarker2"},
    {static_cast<TCodeEditorCommand>(ecGotoMarker0 + 3), u"ecGotoMarker3"},
    {static_cast<TCodeEditorCommand>(ecGotoMarker0 + 4), u"ecGotoMarker4"},
    {static_cast<TCodeEditorCommand>(ecGotoMarker0 + 5), u"ecGotoMarker5"},
    {static_cast<TCodeEditorCommand>(ecGotoMarker0 + 6), u"ecGotoMarker6"},
    {static_cast<TCodeEditorCommand>(ecGotoMarker0 + 7), u"ecGotoMarker7"},
    {static_cast<TCodeEditorCommand>(ecGotoMarker0 + 8), u"ecGotoMarker8"},
    {static_cast<TCodeEditorCommand>(ecGotoMarker0 + 9), u"ecGotoMarker9"},
    {ecSetMarker0, u"ecSetMarker0"},
    {static_cast<TCodeEditorCommand>(ecSetMarker0 + 1), u"ecSetMarker1"},
    {static_cast<TCodeEditorCommand>(ecSetMarker0 + 2), u"ecSetMarker2"},
    {static_cast<TCodeEditorCommand>(ecSetMarker0 + 3), u"ecSetMarker3"},
    {static_cast<TCodeEditorCommand>(ecSetMarker0 + 4), u"ecSetMarker4"},
    {static_cast<TCodeEditorCommand>(ecSetMarker0 + 5), u"ecSetMarker5"},
    {static_cast<TCodeEditorCommand>(ecSetMarker0 + 6), u"ecSetMarker6"},
    {static_cast<TCodeEditorCommand>(ecSetMarker0 + 7), u"ecSetMarker7"},
    {static_cast<TCodeEditorCommand>(ecSetMarker0 + 8), u"ecSetMarker8"},
    {static_cast<TCodeEditorCommand>(ecSetMarker0 + 9), u"ecSetMarker9"},
    {ecUpperCase, u"ecUpperCase"},
    {ecLowerCase, u"ecLowerCase"},
    {ecToggleCase, u"ecToggleCase"},
    {ecTitleCase, u"ecTitleCase"},
    {ecUpperCaseBlock, u"ecUpperCaseBlock"},
    {ecLowerCaseBlock, u"ecLowerCaseBlock"},
    {ecToggleCaseBlock, u"ecToggleCaseBlock"},
    {ecString, u"ecString"},
};

bool IsDigitOrCapital(toolkit::Char c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z'); }

toolkit::String ReplaceAll(toolkit::String text, toolkit::StringView from, toolkit::StringView to) {
  for (std::size_t at = text.find(from); at != toolkit::String::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

toolkit::String Trimmed(toolkit::StringView text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && text[first] <= u' ') ++first;
  while (last > first && text[last - 1] <= u' ') --last;
  return toolkit::String(text.substr(first, last - first));
}

bool StartsWithEc(toolkit::StringView text) { return text.size() >= 2 && text[0] == u'e' && text[1] == u'c'; }

}  // namespace

bool CommandToIdentifier(TCodeEditorCommand command, toolkit::String& identifier) {
  for (const CommandIdent& entry : kCommandIdents)
    if (entry.command == command) {
      identifier = entry.identifier;
      return true;
    }
  return false;
}

bool IdentifierToCommand(toolkit::StringView identifier, TCodeEditorCommand& command) {
  for (const CommandIdent& entry : kCommandIdents)
    if (identifier == entry.identifier) {
      command = entry.command;
      return true;
    }
  return false;
}

toolkit::String CommandToCodeText(TCodeEditorCommand command) {
  toolkit::String identifier;
  if (CommandToIdentifier(command, identifier)) return identifier;
  return toolkit::IntToString(command);
}

toolkit::String CodeTextToDisplayText(toolkit::StringView text) {
  if (!StartsWithEc(text)) return toolkit::String(text);
  const toolkit::StringView rest = text.substr(2);
  toolkit::String spaced;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (i > 0 && IsDigitOrCapital(rest[i]) && !IsDigitOrCapital(rest[i - 1])) spaced += u' ';
    spaced += rest[i];
  }
  return ReplaceAll(ReplaceAll(Trimmed(spaced), u"Sel ", u"Select "), u"Marker ", u"Bookmark ");
}

toolkit::String DisplayTextToCodeText(toolkit::StringView text) {
  if (StartsWithEc(text)) return toolkit::String(text);
  toolkit::String code(text);
  if (code.find(u"Select All") == toolkit::String::npos) code = ReplaceAll(code, u"Select ", u"Sel ");
  code = ReplaceAll(code, u"Bookmark ", u"Marker ");
  code = ReplaceAll(code, u" ", u"");
  return u"ec" + code;
}

TCodeEditorCommand CodeTextToCommand(toolkit::StringView text) {
  for (const CommandIdent& entry : kCommandIdents)
    if (toolkit::CompareTextIgnoringCase(text, entry.identifier) == 0) return entry.command;
  return ecNone;
}

TCodeEditorCommand DisplayTextToCommand(toolkit::StringView text) {
  return CodeTextToCommand(DisplayTextToCodeText(text));
}

void ForEachCommandIdent(const std::function<void(const toolkit::String&)>& callback) {
  for (const CommandIdent& entry : kCommandIdents) callback(entry.identifier);
}

void ForEachCommandDisplayText(const std::function<void(const toolkit::String&)>& callback) {
  for (const CommandIdent& entry : kCommandIdents) callback(CodeTextToDisplayText(entry.identifier));
}

}  // namespace editor
