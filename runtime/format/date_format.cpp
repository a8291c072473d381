#include "runtime/format/date_format.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "runtime/value/convert.h"
#include "runtime/value/text_access.h"
#include "runtime/value/text_forms.h"
#include "runtime/value/value.h"
#include "runtime/format/format_support.h"

namespace runtime {

namespace {

const char* const kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

bool MatchesAt(TextView pattern, size_t i, std::string_view word) {
  if (pattern.size() - i < word.size()) return false;
  for (size_t k = 0; k < word.size(); ++k)
    if (LowerAscii(pattern[i + k]) != Char(word[k])) return false;
  return true;
}

// The longest run of a letter that one field takes.
size_t FieldLength(Char letter) {
  switch (letter) {
    case 'd': return 6;
    case 'm':
    case 'y': return 4;
    case 'z': return 3;
    case 'c': return 1;
    default: return 2;
  }
}

bool IsFieldLetter(Char c) {
  return CodeUnit(c) < 0x80 && std::string_view("dmyhnsztc").find(char(c)) != std::string_view::npos;
}

size_t RunLength(TextView pattern, size_t i, Char letter) {
  size_t n = 1;
  while (n < FieldLength(letter) && i + n < pattern.size() && LowerAscii(pattern[i + n]) == letter) ++n;
  return n;
}

class DateWriter {
public:
  DateWriter(const DateParts& parts, double date, bool twelveHour)
      : parts_(parts), date_(date), twelveHour_(twelveHour) {}

  Text Write(TextView pattern) {
    for (size_t i = 0; i < pattern.size();) i = WriteAt(pattern, i);
    return out_;
  }

private:
  size_t WriteAt(TextView pattern, size_t i) {
    Char c = pattern[i];
    Char letter = LowerAscii(c);
    if (IsPatternQuote(c)) return WriteQuoted(pattern, i);
    if (letter == Char('a')) return WriteMarker(pattern, i);
    if (!IsFieldLetter(letter)) {
      out_ += c;
      return i + 1;
    }
    size_t n = RunLength(pattern, i, letter);
    WriteField(char(letter), n);
    afterHour_ = letter == Char('h');
    return i + n;
  }

  size_t WriteQuoted(TextView pattern, size_t open) {
    size_t close = ClosingQuote(pattern, open);
    if (close == TextView::npos) RaisePatternError("Date", pattern, "quote not closed");
    out_ += pattern.substr(open + 1, close - open - 1);
    return close + 1;
  }

  size_t WriteMarker(TextView pattern, size_t i) {
    bool pm = parts_.hour >= 12;
    if (MatchesAt(pattern, i, "am/pm")) {
      out_ += pattern.substr(pm ? i + 3 : i, 2);
      return i + 5;
    }
    if (MatchesAt(pattern, i, "a/p")) {
      out_ += pattern[pm ? i + 2 : i];
      return i + 3;
    }
    if (MatchesAt(pattern, i, "ampm")) {
      Ascii(pm ? "PM" : "AM");
      return i + 4;
    }
    out_ += pattern[i];
    return i + 1;
  }

  void WriteField(char letter, size_t n) {
    switch (letter) {
      case 'd': return WriteDay(n);
      case 'm': return afterHour_ && n <= 2 ? Number(parts_.minute, n) : WriteMonth(n);
      case 'y': return n <= 2 ? Number(parts_.year % 100, 2) : Number(parts_.year, 4);
      case 'h': return Number(twelveHour_ ? (parts_.hour + 11) % 12 + 1 : parts_.hour, n);
      case 'n': return Number(parts_.minute, n);
      case 's': return Number(parts_.second, n);
      case 'z': return Number(parts_.millisecond, n < 3 ? 1 : 3);
      case 't': return Expand(n == 1 ? QT("hh:nn") : QT("hh:nn:ss"));
      default: return WriteTextForm();
    }
  }

  void WriteDay(size_t n) {
    if (n <= 2) return Number(parts_.day, n);
    if (n <= 4) return Ascii(std::string_view(kDayNames[parts_.dayOfWeek]).substr(0, n == 3 ? 3 : 9));
    Expand(n == 5 ? QT("yyyy-mm-dd") : QT("dddd, dd mmmm yyyy"));
  }

  void WriteMonth(size_t n) {
    if (n <= 2) return Number(parts_.month, n);
    Ascii(std::string_view(kMonthNames[parts_.month - 1]).substr(0, n == 3 ? 3 : 9));
  }

  // The date's text form, as a conversion to text writes it.
  void WriteTextForm() {
    std::string text;
    FormatDate(date_, text);
    Ascii(text);
  }

  void Expand(TextView fixedPattern) { out_ += DateWriter(parts_, date_, false).Write(fixedPattern); }

  void Number(int value, size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    Ascii(digits);
  }

  void Ascii(std::string_view text) { out_ += TextFromAscii(text); }

  const DateParts& parts_;
  double date_;
  bool twelveHour_;
  bool afterHour_ = false;
  Text out_;
};

// Whether a letter or marker occurs outside quotes.
bool PatternUses(TextView pattern, std::string_view word) {
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (IsPatternQuote(pattern[i])) {
      i = ClosingQuote(pattern, i);
      if (i == TextView::npos) return false;
    } else if (MatchesAt(pattern, i, word)) {
      return true;
    }
  }
  return false;
}

bool HasMarker(TextView pattern) {
  return PatternUses(pattern, "am/pm") || PatternUses(pattern, "a/p") || PatternUses(pattern, "ampm");
}

}  // namespace

Text FormatDateTime(double date, TextView pattern) {
  DateParts parts;
  if (!DecodeDate(date, PatternUses(pattern, "z"), parts)) {
    Value v;
    v.SetDate(date);
    RaiseOverflow(v, varUString);
  }
  return DateWriter(parts, date, HasMarker(pattern)).Write(pattern);
}

double DateFromText(TextView text) {
  double date = 0;
  if (ParseDateText(text, date)) return date;
  Value source;
  source.SetText(text);
  RaiseConversionError(source, varDate);
}

namespace {

constexpr int64_t kMillisecondsPerDay = 86400000;
// Day 0 of a date value is a Saturday.
constexpr int kDayZeroWeekday = 6;

// Proleptic Gregorian calendar from days since 0000-03-01, in 400-year eras.
void CivilFromDays(int64_t days, DateParts& out) {
  days += 693899;  // day 0 (1899-12-30) counted from 0000-03-01
  int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  int64_t dayOfEra = days - era * 146097;
  int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  out.month = int(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  out.day = int(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  out.year = int(yearOfEra + era * 400 + (out.month <= 2));
}

}  // namespace

bool DecodeDate(double date, bool milliseconds, DateParts& out) {
  if (!IsValidDate(date)) return false;
  double dayPart = std::trunc(date);
  int64_t day = int64_t(dayPart);
  int64_t unit = milliseconds ? 1 : 1000;
  int64_t ms = int64_t(std::round(std::fabs(date - dayPart) * double(kMillisecondsPerDay / unit))) * unit;
  if (ms == kMillisecondsPerDay) {
    ms = 0;
    ++day;
  }
  CivilFromDays(day, out);
  out.dayOfWeek = int(((day + kDayZeroWeekday) % 7 + 7) % 7);
  out.hour = int(ms / 3600000);
  out.minute = int(ms / 60000 % 60);
  out.second = int(ms / 1000 % 60);
  out.millisecond = int(ms % 1000);
  return true;
}

}  // namespace runtime
