// The compile contexts tests compile with, told apart by what becomes of a
// compile message.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/compile/compiler.h"
#include "runtime/error.h"
#include "support/text_util.h"

using namespace runtime;

// Drops every message: odd input is expected to have some.
inline CCompiler* NewQuietCompiler() { return new CCompiler(); }

// Every message of every listing context, in order; a test clears it first.
inline std::vector<std::string>& ListedMessages() {
  static std::vector<std::string> messages;
  return messages;
}

class CListingCompiler : public CCompiler {
public:
  void ReportError(TextView message) override { ListedMessages().push_back(Narrow(message)); }
};

inline CCompiler* NewListingCompiler() { return new CListingCompiler(); }

// A message fails the test: the source is meant to compile cleanly.
class CFailingCompiler : public CCompiler {
public:
  void ReportError(TextView message) override { ADD_FAILURE() << "compile error: " << Narrow(message); }
};

inline CCompiler* NewFailingCompiler() { return new CFailingCompiler(); }

// The first message stops the compile as a script error.
class CRaisingCompiler : public CCompiler {
public:
  void ReportError(TextView message) override { RaiseError(Text(message)); }
};

inline CCompiler* NewRaisingCompiler() { return new CRaisingCompiler(); }
