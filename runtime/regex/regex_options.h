// Options, errors and execution limits of the regex engine.
#pragma once
#include <cstddef>
#include <cstdint>
#include <pcre.h>

namespace runtime {

// The option byte of a regular expression and the execution flags of a search.
namespace regex_option {
inline constexpr uint8_t kCaseless = 0x01;
inline constexpr uint8_t kMultiline = 0x02;
inline constexpr uint8_t kDotAll = 0x04;
inline constexpr uint8_t kExtended = 0x08;
inline constexpr uint8_t kAnchored = 0x10;
inline constexpr uint8_t kUngreedy = 0x20;
inline constexpr uint8_t kNoAutoCapture = 0x40;
inline constexpr uint8_t kUtf8 = 0x80;
}  // namespace regex_option

namespace regex_exec {
inline constexpr uint8_t kNotBol = 0x01;
inline constexpr uint8_t kNotEol = 0x02;
inline constexpr uint8_t kNotEmpty = 0x04;
}  // namespace regex_exec

// PCRE's compile options for an option byte; newline ANY is always set. The
// UTF-8 check is left on: only the engine knows when the pattern needs none.
int CompileOptions(uint8_t optionByte);
int ExecOptions(uint8_t execFlags);

// The engine's failures: "RE Compile() - ..." for patterns, "RE Exec() - ..."
// for searches PCRE cannot finish.
[[noreturn]] void RaiseEmptyPattern();
// offset: PCRE's byte offset into the pattern.
[[noreturn]] void RaiseCompileError(int offset, const char* message);
// offset: where PCRE found bad UTF-8, when rc says so.
[[noreturn]] void RaiseExecError(int rc, int offset);
[[noreturn]] void RaiseBackwardMatch();
[[noreturn]] void RaiseStepsUsedUp(std::int64_t budget);
[[noreturn]] void RaiseSubjectTooLong(std::size_t length);

// Limits for the searches of one subject. PCRE recurses on the machine stack,
// one frame per nested step, so the recursion limit is what the stack left to
// this thread can hold: a pattern that needs more fails instead of crashing.
// Backtracking has a budget of steps (one pattern item tried at one place,
// counted through PCRE's automatic callouts) for the whole walk over a
// subject, start positions and further matches included, so that a
// catastrophic pattern stops with an error instead of running for minutes.

// PCRE's result for a search that used up its steps.
inline constexpr int kStepsUsedUp = PCRE_ERROR_CALLOUT;
inline constexpr std::int64_t kBaseSteps = 10000000;
inline constexpr std::int64_t kStepsPerByte = 10;

// The steps that one walk over a subject of that many bytes may take.
std::int64_t StepBudget(std::size_t subjectBytes);
// Each step the search takes is counted down in stepsLeft; below zero the
// search ends with kStepsUsedUp.
pcre_extra ExecLimits(std::int64_t* stepsLeft);

}  // namespace runtime
