#include "runtime/regex/regex_options.h"

#include <cstddef>
#include <limits>
#include <pcre.h>
#include <string>

#include "runtime/error.h"
#include "platform/stack_room.h"
#include "runtime/regex/engine_text.h"

namespace runtime {

namespace {

struct OptionBit {
  uint8_t bit;
  int pcreOption;
};

constexpr OptionBit kCompileBits[] = {
    {regex_option::kCaseless, PCRE_CASELESS},   {regex_option::kMultiline, PCRE_MULTILINE},
    {regex_option::kDotAll, PCRE_DOTALL},       {regex_option::kExtended, PCRE_EXTENDED},
    {regex_option::kAnchored, PCRE_ANCHORED},   {regex_option::kUngreedy, PCRE_UNGREEDY},
    {regex_option::kNoAutoCapture, PCRE_NO_AUTO_CAPTURE}, {regex_option::kUtf8, PCRE_UTF8},
};

constexpr OptionBit kExecBits[] = {
    {regex_exec::kNotBol, PCRE_NOTBOL},
    {regex_exec::kNotEol, PCRE_NOTEOL},
    {regex_exec::kNotEmpty, PCRE_NOTEMPTY},
};

template <std::size_t N>
int Translate(uint8_t bits, const OptionBit (&table)[N]) {
  int options = 0;
  for (const OptionBit& entry : table) {
    if (bits & entry.bit) options |= entry.pcreOption;
  }
  return options;
}

}  // namespace

int CompileOptions(uint8_t optionByte) { return PCRE_NEWLINE_ANY | Translate(optionByte, kCompileBits); }

int ExecOptions(uint8_t execFlags) { return Translate(execFlags, kExecBits); }

namespace {

[[noreturn]] void Raise(const std::string& message) { RaiseError(EngineText(message)); }

std::string ExecProblem(int rc, int offset) {
  switch (rc) {
    case PCRE_ERROR_BADUTF8: return "Invalid UTF-8 in the subject at offset " + std::to_string(offset);
    case PCRE_ERROR_BADUTF8_OFFSET: return "The search would start inside a UTF-8 character";
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

namespace {

// Left for our own frames, the OS and exception handling.
constexpr std::size_t kReservedStack = 128 * 1024;
// Assumed when the OS does not say how much stack is left.
constexpr std::size_t kAssumedStack = 1024 * 1024;

// PCRE reports the size of its recursion frame when called this way.
std::size_t FrameSize() {
  const int size = -pcre_exec(nullptr, nullptr, nullptr, -999, -999, 0, nullptr, 0);
  return size > 0 ? static_cast<std::size_t>(size) : 1024;
}

unsigned long RecursionLimit() {
  static const std::size_t frame = FrameSize();
  std::size_t room = platform::StackRoom();
  if (room == 0) room = kAssumedStack;
  // A quarter more per frame covers what PCRE's own helpers push.
  return room > kReservedStack ? (room - kReservedStack) / (frame + frame / 4) : 0;
}

// PCRE calls this before every item of a pattern compiled with automatic
// callouts; a negative result ends the search with that result.
int CountStep(pcre_callout_block* block) {
  auto* stepsLeft = static_cast<std::int64_t*>(block->callout_data);
  if (!stepsLeft) return 0;
  return --*stepsLeft < 0 ? kStepsUsedUp : 0;
}

}  // namespace

std::int64_t StepBudget(std::size_t subjectBytes) {
  return kBaseSteps + kStepsPerByte * static_cast<std::int64_t>(subjectBytes);
}

pcre_extra ExecLimits(std::int64_t* stepsLeft) {
  static const bool counting = (pcre_callout = &CountStep, true);
  (void)counting;
  pcre_extra limits{};
  // The budget of steps is the one limit on backtracking: PCRE's own match
  // limit, far lower by default, would stop most searches first.
  limits.flags = PCRE_EXTRA_MATCH_LIMIT | PCRE_EXTRA_MATCH_LIMIT_RECURSION | PCRE_EXTRA_CALLOUT_DATA;
  limits.match_limit = std::numeric_limits<unsigned long>::max();
  limits.match_limit_recursion = RecursionLimit();
  limits.callout_data = stepsLeft;
  return limits;
}

}  // namespace runtime
