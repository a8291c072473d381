// Scanning lines through a highlighter the editor's way, for the tests.
#pragma once
#include <string>
#include <vector>

#include "editor/highlighter.h"

struct SyntaxToken {
  std::u16string text;
  int kind;
  int start;
  friend bool operator==(const SyntaxToken&, const SyntaxToken&) = default;
};

// The tokens of each line; the state kept after each line in states when given.
inline std::vector<std::vector<SyntaxToken>> ScanSyntaxLines(editor::TCodeCustomHighlighter& h,
                                                             const std::vector<std::u16string>& lines,
                                                             std::vector<editor::TCodeRangeState>* states = nullptr) {
  std::vector<std::vector<SyntaxToken>> result;
  editor::TCodeRangeState state = 0;
  if (states) states->clear();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == 0) {
      h.ClearState();
    } else {
      h.RestoreState(state);
    }
    std::vector<SyntaxToken> tokens;
    for (h.StartLine(lines[i], static_cast<int>(i)); !h.ScanFinished(); h.Next())
      tokens.push_back({h.TokenText(), h.TokenClass(), h.TokenStart()});
    state = h.LineEndState();
    if (states) states->push_back(state);
    result.push_back(std::move(tokens));
  }
  return result;
}

inline std::vector<SyntaxToken> ScanSyntaxLine(editor::TCodeCustomHighlighter& h, const std::u16string& line) {
  return ScanSyntaxLines(h, {line})[0];
}

// The tokens as "[text]kind" pairs in one string, for readable failures.
inline std::string ShownTokens(const std::vector<SyntaxToken>& tokens) {
  std::string shown;
  for (const SyntaxToken& token : tokens) {
    shown += '[';
    shown += toolkit::ToUtf8(token.text);
    shown += ']';
    shown += std::to_string(token.kind);
    shown += ' ';
  }
  return shown;
}
