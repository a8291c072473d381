// The editor's command numbers with their identifiers ("ecSelWordLeft") and
// display texts ("Select Word Left"), as key bindings and the options dialog
// show them.
#pragma once
#include <cstdint>
#include <functional>

#include "toolkit/core/text.h"

namespace editor {

using TCodeEditorCommand = std::uint16_t;

inline constexpr TCodeEditorCommand ecNone = 0;
inline constexpr TCodeEditorCommand ecLeft = 1;
inline constexpr TCodeEditorCommand ecRight = 2;
inline constexpr TCodeEditorCommand ecUp = 3;
inline constexpr TCodeEditorCommand ecDown = 4;
inline constexpr TCodeEditorCommand ecWordLeft = 5;
inline constexpr TCodeEditorCommand ecWordRight = 6;
inline constexpr TCodeEditorCommand ecLineStart = 7;
inline constexpr TCodeEditorCommand ecLineEnd = 8;
inline constexpr TCodeEditorCommand ecPageUp = 9;
inline constexpr TCodeEditorCommand ecPageDown = 10;
inline constexpr TCodeEditorCommand ecPageLeft = 11;
inline constexpr TCodeEditorCommand ecPageRight = 12;
inline constexpr TCodeEditorCommand ecPageTop = 13;
inline constexpr TCodeEditorCommand ecPageBottom = 14;
inline constexpr TCodeEditorCommand ecEditorTop = 15;
inline constexpr TCodeEditorCommand ecEditorBottom = 16;
inline constexpr TCodeEditorCommand ecGotoXY = 17;
// A selecting movement is its movement + ecSelection.
inline constexpr TCodeEditorCommand ecSelection = 100;
inline constexpr TCodeEditorCommand ecSelLeft = 101;
inline constexpr TCodeEditorCommand ecSelRight = 102;
inline constexpr TCodeEditorCommand ecSelUp = 103;
inline constexpr TCodeEditorCommand ecSelDown = 104;
inline constexpr TCodeEditorCommand ecSelWordLeft = 105;
inline constexpr TCodeEditorCommand ecSelWordRight = 106;
inline constexpr TCodeEditorCommand ecSelLineStart = 107;
inline constexpr TCodeEditorCommand ecSelLineEnd = 108;
inline constexpr TCodeEditorCommand ecSelPageUp = 109;
inline constexpr TCodeEditorCommand ecSelPageDown = 110;
inline constexpr TCodeEditorCommand ecSelPageLeft = 111;
inline constexpr TCodeEditorCommand ecSelPageRight = 112;
inline constexpr TCodeEditorCommand ecSelPageTop = 113;
inline constexpr TCodeEditorCommand ecSelPageBottom = 114;
inline constexpr TCodeEditorCommand ecSelEditorTop = 115;
inline constexpr TCodeEditorCommand ecSelEditorBottom = 116;
inline constexpr TCodeEditorCommand ecSelGotoXY = 117;
inline constexpr TCodeEditorCommand ecSelWord = 198;
inline constexpr TCodeEditorCommand ecSelectAll = 199;
inline constexpr TCodeEditorCommand ecCopy = 201;
inline constexpr TCodeEditorCommand ecScrollUp = 211;
inline constexpr TCodeEditorCommand ecScrollDown = 212;
inline constexpr TCodeEditorCommand ecScrollLeft = 213;
inline constexpr TCodeEditorCommand ecScrollRight = 214;
inline constexpr TCodeEditorCommand ecInsertMode = 221;
inline constexpr TCodeEditorCommand ecOverwriteMode = 222;
inline constexpr TCodeEditorCommand ecToggleMode = 223;
inline constexpr TCodeEditorCommand ecNormalSelect = 231;
inline constexpr TCodeEditorCommand ecColumnSelect = 232;
inline constexpr TCodeEditorCommand ecLineSelect = 233;
inline constexpr TCodeEditorCommand ecMatchBracket = 250;
inline constexpr TCodeEditorCommand ecCommentBlock = 251;
inline constexpr TCodeEditorCommand ecGotoMarker0 = 301;
inline constexpr TCodeEditorCommand ecGotoMarker9 = 310;
inline constexpr TCodeEditorCommand ecSetMarker0 = 351;
inline constexpr TCodeEditorCommand ecSetMarker9 = 360;
inline constexpr TCodeEditorCommand ecContextHelp = 490;
inline constexpr TCodeEditorCommand ecDeleteLastChar = 501;
inline constexpr TCodeEditorCommand ecDeleteChar = 502;
inline constexpr TCodeEditorCommand ecDeleteWord = 503;
inline constexpr TCodeEditorCommand ecDeleteLastWord = 504;
inline constexpr TCodeEditorCommand ecDeleteBOL = 505;
inline constexpr TCodeEditorCommand ecDeleteEOL = 506;
inline constexpr TCodeEditorCommand ecDeleteLine = 507;
inline constexpr TCodeEditorCommand ecClearAll = 508;
inline constexpr TCodeEditorCommand ecLineBreak = 509;
inline constexpr TCodeEditorCommand ecInsertLine = 510;
inline constexpr TCodeEditorCommand ecChar = 511;
inline constexpr TCodeEditorCommand ecImeStr = 550;
inline constexpr TCodeEditorCommand ecUndo = 601;
inline constexpr TCodeEditorCommand ecRedo = 602;
inline constexpr TCodeEditorCommand ecCut = 603;
inline constexpr TCodeEditorCommand ecPaste = 604;
inline constexpr TCodeEditorCommand ecBlockIndent = 610;
inline constexpr TCodeEditorCommand ecBlockUnindent = 611;
inline constexpr TCodeEditorCommand ecTab = 612;
inline constexpr TCodeEditorCommand ecShiftTab = 613;
inline constexpr TCodeEditorCommand ecUpperCase = 620;
inline constexpr TCodeEditorCommand ecLowerCase = 621;
inline constexpr TCodeEditorCommand ecToggleCase = 622;
inline constexpr TCodeEditorCommand ecTitleCase = 623;
inline constexpr TCodeEditorCommand ecUpperCaseBlock = 625;
inline constexpr TCodeEditorCommand ecLowerCaseBlock = 626;
inline constexpr TCodeEditorCommand ecToggleCaseBlock = 627;
inline constexpr TCodeEditorCommand ecString = 630;
inline constexpr TCodeEditorCommand ecAutoCompletion = 650;
inline constexpr TCodeEditorCommand ecUserFirst = 1001;

// The number of identifiers the table knows.
inline constexpr int kCommandIdentCount = 101;

bool CommandToIdentifier(TCodeEditorCommand command, toolkit::String& identifier);
// Exact comparison; see CodeTextToCommand for one that ignores case.
bool IdentifierToCommand(toolkit::StringView identifier, TCodeEditorCommand& command);
// The identifier, or the number in decimal when it has none.
toolkit::String CommandToCodeText(TCodeEditorCommand command);
toolkit::String CodeTextToDisplayText(toolkit::StringView text);
toolkit::String DisplayTextToCodeText(toolkit::StringView text);
// ecNone for a text the table does not know.
TCodeEditorCommand CodeTextToCommand(toolkit::StringView text);
TCodeEditorCommand DisplayTextToCommand(toolkit::StringView text);
// Calls back with every identifier, or its display text, in table order.
void ForEachCommandIdent(const std::function<void(const toolkit::String&)>& callback);
void ForEachCommandDisplayText(const std::function<void(const toolkit::String&)>& callback);

}  // namespace editor
