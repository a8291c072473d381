// The search engine the editor's find and replace drives, one line at a
// time: SetPattern and SetOptions, then per line FindAll followed by the
// queries of its matches and, when replacing, Replace.
#pragma once
#include "toolkit/core/component.h"

namespace editor {

// Option bits the editor's find and replace hands to the engine as they are.
using TCodeSearchOptions = unsigned;
inline constexpr TCodeSearchOptions ssoMatchCase = 1;
inline constexpr TCodeSearchOptions ssoWholeWord = 2;
inline constexpr TCodeSearchOptions ssoBackwards = 4;
inline constexpr TCodeSearchOptions ssoEntireScope = 8;
inline constexpr TCodeSearchOptions ssoSelectedOnly = 16;
inline constexpr TCodeSearchOptions ssoReplace = 32;
inline constexpr TCodeSearchOptions ssoReplaceAll = 64;
inline constexpr TCodeSearchOptions ssoPrompt = 128;

class TCodeEditSearchCustom : public toolkit::Component {
 public:
  using Component::Component;
  toolkit::String ClassName() const override { return u"TCodeEditSearchCustom"; }

  virtual toolkit::String GetPattern() const = 0;
  virtual void SetPattern(const toolkit::String& pattern) = 0;
  // Length of match index of the last FindAll.
  virtual int GetLength(int index) const = 0;
  // 1-based character position of match index in the searched line.
  virtual int GetResult(int index) const = 0;
  virtual int GetResultCount() const = 0;
  virtual void SetOptions(TCodeSearchOptions options) = 0;
  // Finds every match in one line and keeps them for the queries; answers their number.
  virtual int FindAll(const toolkit::String& line) = 0;
  // The text to put in place of one match.
  virtual toolkit::String Replace(const toolkit::String& found, const toolkit::String& replacement) = 0;
};

}  // namespace editor
