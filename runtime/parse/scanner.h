// The scanner: splits the source text of one module into tokens, one per call,
// by the longest match among the lexical rules. Words go through the key-alias
// table before the keyword table; the token text stays the word as written.
#pragma once
#include <cstddef>

#include "runtime/text.h"

namespace runtime {

class TScanner {
public:
  // Starts at the first character, on line 1.
  void SetText(Text text);
  void SetLine(int line) { line_ = line; }

  // The next token code (tokens.h); 0 at the end of the text, on every call
  // from then on.
  int Scan();
  const Text& TokenText() const { return token_; }

  // Characters consumed so far, the token's own included.
  size_t Position() const { return pos_; }
  // Counts LFs consumed; the column counts characters since the last LF.
  int Line() const { return line_; }
  int Column() const { return column_; }

private:
  static constexpr int kNoToken = -1;

  int ScanOne(bool& bitPending);
  int ScanOperator(int c);
  int ScanWord(bool& bitPending);
  int LookupWord(bool& bitPending) const;
  int ScanQuoteLed(int c, bool& bitPending);
  int ScanSlash();
  int ScanHash();
  int ScanDot();
  int Take(size_t length, int token);
  int TakeOrDrop(size_t length, int token);
  int Drop(size_t length);
  int Next() const;
  void Advance(size_t length);

  Text text_;
  size_t pos_ = 0;
  int line_ = 1;
  int column_ = 0;
  Text token_;
};

}  // namespace runtime
