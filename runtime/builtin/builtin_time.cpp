// "time": the clock, a fixed build stamp, or the times of a file.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "../error.h"
#include "../sys/sys_util.h"
#include "../tree/value_node.h"
#include "../value/convert.h"
#include "../value/predicates.h"
#include "../value/text_forms.h"
#include "builtin_args.h"
#include "builtin_handlers.h"

namespace {

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

}  // namespace

// A file's kind 0 is its creation time, kind 1 its last-write time.
void DoTime(CContext&, CNode* receiver, CValueList* args, Value& result) {
  const Value& value = ReceiverValue(receiver);
  if (IsIntegerLike(value)) return SetClockTime(ToInt64(value), result);
  CValue* kindArg = ArgAt(args, 0);
  const int32_t kind = kindArg ? ToInt32(kindArg->ValueRef()) : 0;
  if (kind != 0 && kind != 1) RaiseError(QT("time: the kind of a file time must be 0 or 1"));
  result.SetDate(CSysUtil::FileInfo(ToText(value), kind));
}
