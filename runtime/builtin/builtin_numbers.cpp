// Numbers and time: "exp", "log", "sin", "cos", "atan", "random" and "time".
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "runtime/error.h"
#include "runtime/format/random.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/value/text_forms.h"
#include "runtime/value/predicates.h"
#include "runtime/builtin/builtin_args.h"
#include "runtime/builtin/builtin_families.h"

namespace runtime {

namespace {

// A result that is not finite from a finite operand raises the errors the
// operators raise, so log(0) and exp(1000) fail as 1 / 0 and 10 ^ 400 do.
double Checked(double r, double x) {
  if (std::isfinite(r) || !std::isfinite(x)) return r;
  if (std::isnan(r)) RaiseError(QT("Invalid floating point operation"));
  RaiseError(x == 0 ? QT("Floating point division by zero") : QT("Floating point overflow"));
}

template <double (*F)(double)>
void SetFunctionOf(CNode* receiver, Value& result) {
  const double x = ReceiverDouble(receiver);
  result.SetDouble(Checked(F(x), x));
}

double Exp(double x) { return std::exp(x); }
double Log(double x) { return std::log(x); }
double Sin(double x) { return std::sin(x); }
double Cos(double x) { return std::cos(x); }
double Atan(double x) { return std::atan(x); }

// Any 32-bit pattern, so that a seed read back as a negative Int32 sets it again.
uint32_t SeedArgument(CValueList* args) {
  CValue* seed = CValueList::GetArg(args, QT("seed"), 0);
  return seed ? uint32_t(ToInt64(seed->ValueRef())) : 0;
}

void DoExp(CContext&, CNode* receiver, CValueList*, Value& result) { SetFunctionOf<Exp>(receiver, result); }

void DoLog(CContext&, CNode* receiver, CValueList*, Value& result) { SetFunctionOf<Log>(receiver, result); }

void DoSin(CContext&, CNode* receiver, CValueList*, Value& result) { SetFunctionOf<Sin>(receiver, result); }

void DoCos(CContext&, CNode* receiver, CValueList*, Value& result) { SetFunctionOf<Cos>(receiver, result); }

void DoAtan(CContext&, CNode* receiver, CValueList*, Value& result) { SetFunctionOf<Atan>(receiver, result); }

// n >= 2: 0 .. n-1; -1: sets a non-zero seed or gives the seed; otherwise a
// fraction, after reseeding from the clock for n <= 0.
void DoRandom(CContext&, CNode* receiver, CValueList* args, Value& result) {
  const int32_t n = ReceiverInt(receiver);
  RandomGenerator& random = ScriptRandom();
  if (n >= 2) return result.SetInt(int32_t(random.Below(uint32_t(n))));
  if (n == -1) {
    if (const uint32_t seed = SeedArgument(args))
      random.SetSeed(seed);
    else
      result.SetInt(int32_t(random.Seed()));
    return;
  }
  if (n <= 0) random.SeedFromClock();
  result.SetDouble(random.Fraction());
}

// "time": the clock, a fixed build stamp, or the times of a file.

constexpr uint32_t kBuildStamp = 20250820;

// The local date and time to the millisecond, read through the date text
// form so that the calendar rules stay in one place.
double LocalNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  const std::tm local = *std::localtime(&seconds);
  char text[96];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, int(millis));
  double date = 0;
  ParseDate(text, date);
  return date;
}

void SetClockTime(int64_t n, Value& result) {
  if (n >= 2010 && n <= 2099) return result.SetUInt32(kBuildStamp);
  const double now = LocalNow();
  result.SetDate(n == 0 ? now - std::floor(now) : now);
}

// A file's kind 0 is its creation time, kind 1 its last-write time.
void DoTime(CContext&, CNode* receiver, CValueList* args, Value& result) {
  const Value& value = ReceiverValue(receiver);
  if (IsIntegerLike(value)) return SetClockTime(ToInt64(value), result);
  CValue* kindArg = ArgAt(args, 0);
  const int32_t kind = kindArg ? ToInt32(kindArg->ValueRef()) : 0;
  if (kind != 0 && kind != 1) RaiseError(QT("time: the kind of a file time must be 0 or 1"));
  result.SetDate(CSysUtil::FileInfo(ToText(value), kind));
}

}  // namespace

void AddNumberBuiltins(CLibrary& library) {
  library.AddHandler(QT("exp"), &DoExp);
  library.AddHandler(QT("log"), &DoLog);
  library.AddHandler(QT("sin"), &DoSin);
  library.AddHandler(QT("cos"), &DoCos);
  library.AddHandler(QT("atan"), &DoAtan);
  library.AddHandler(QT("random"), &DoRandom);
  library.AddHandler(QT("time"), &DoTime);
}

}  // namespace runtime
