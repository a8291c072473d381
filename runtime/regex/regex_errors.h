// The engine's failures: "RE Compile() - ..." for patterns, "RE Exec() - ..."
// for searches PCRE cannot finish.
#pragma once
#include <cstddef>
#include <cstdint>

[[noreturn]] void RaiseEmptyPattern();
// offset: PCRE's byte offset into the pattern.
[[noreturn]] void RaiseCompileError(int offset, const char* message);
// offset: where PCRE found bad UTF-8, when rc says so.
[[noreturn]] void RaiseExecError(int rc, int offset);
[[noreturn]] void RaiseBackwardMatch();
[[noreturn]] void RaiseStepsUsedUp(std::int64_t budget);
[[noreturn]] void RaiseSubjectTooLong(std::size_t length);
