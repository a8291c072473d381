// Limits for the searches of one subject. PCRE recurses on the machine stack,
// one frame per nested step, so the recursion limit is what the stack left to
// this thread can hold: a pattern that needs more fails instead of crashing.
// Backtracking has a budget of steps (one pattern item tried at one place,
// counted through PCRE's automatic callouts) for the whole walk over a
// subject, start positions and further matches included, so that a
// catastrophic pattern stops with an error instead of running for minutes.
#pragma once
#include <pcre.h>

#include <cstddef>
#include <cstdint>

// PCRE's result for a search that used up its steps.
inline constexpr int kStepsUsedUp = PCRE_ERROR_CALLOUT;
inline constexpr std::int64_t kBaseSteps = 10000000;
inline constexpr std::int64_t kStepsPerByte = 10;

// The steps that one walk over a subject of that many bytes may take.
std::int64_t StepBudget(std::size_t subjectBytes);
// Each step the search takes is counted down in stepsLeft; below zero the
// search ends with kStepsUsedUp.
pcre_extra ExecLimits(std::int64_t* stepsLeft);
