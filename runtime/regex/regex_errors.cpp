#include "regex/regex_errors.h"

#include <pcre.h>

#include <string>

#include "error.h"
#include "regex/engine_text.h"

namespace {

[[noreturn]] void Raise(const std::string& message) { RaiseError(EngineText(message)); }

std::string ExecProblem(int rc, int offset) {
  switch (rc) {
    case PCRE_ERROR_BADUTF8: return "Invalid UTF-8 in the subject at offset " + std::to_string(offset);
    case PCRE_ERROR_BADUTF8_OFFSET: return "The search would start inside a UTF-8 character";
    case PCRE_ERROR_MATCHLIMIT: return "Too much backtracking: the match limit was reached";
    case PCRE_ERROR_RECURSIONLIMIT: return "The pattern recurses too deeply for this subject";
    case PCRE_ERROR_NOMEMORY: return "Out of memory";
    default: return "PCRE error " + std::to_string(rc);
  }
}

}  // namespace

void RaiseEmptyPattern() { Raise("RE Compile() - Please specify a regular expression in Pattern first"); }

void RaiseCompileError(int offset, const char* message) {
  Raise("RE Compile() - Error in regex at offset " + std::to_string(offset) + ": " + message);
}

void RaiseExecError(int rc, int offset) { Raise("RE Exec() - " + ExecProblem(rc, offset)); }

void RaiseBackwardMatch() { Raise("RE Exec() - The match ends before it starts (\\K in a lookahead)"); }

void RaiseStepsUsedUp(std::int64_t budget) {
  Raise("RE Exec() - Too much backtracking: the searches of this subject took more than " + std::to_string(budget) +
        " steps");
}

void RaiseSubjectTooLong(std::size_t length) {
  Raise("RE Exec() - The subject is too long (" + std::to_string(length) + " bytes)");
}
