// Date patterns, and the reading of dates from text that toTime, date
// literals and JSON share.
#include <gtest/gtest.h>

#include "runtime/format/date_format.h"
#include "format_fixture.h"

using namespace runtime;

namespace {

constexpr double kSecond = 1.0 / 86400;
// Thursday 2026-12-10 13:05:09.250
constexpr double kThursday = 46366 + (13 * 3600 + 5 * 60 + 9.25) * kSecond;

struct DateCase {
  double date;
  const char* pattern;
  const char* want;
  const char* error = nullptr;
};

void RunDates(const std::vector<DateCase>& cases) {
  for (const DateCase& c : cases)
    ExpectFormatted([&] { return FormatDateTime(c.date, T(c.pattern)); }, c.want, c.error,
                    std::to_string(c.date) + " by " + c.pattern);
}

}  // namespace

TEST(FormatDate, Fields) {
  RunDates({
      {kThursday, "yyyy-mm-dd hh:nn:ss", "2026-12-10 13:05:09"},
      {kThursday, "d/m/yy", "10/12/26"},
      {kThursday, "dd.mm.yyyy", "10.12.2026"},
      {kThursday, "ddd dddd", "Thu Thursday"},
      {kThursday, "mmm mmmm", "Dec December"},
      {kThursday, "ddddd", "2026-12-10"},
      {kThursday, "dddddd", "Thursday, 10 December 2026"},
      {kThursday, "t|tt", "13:05|13:05:09"},
      {kThursday, "c", "2026-12-10 13:05:09"},
      {kThursday, "YYYY-MM-DD HH:NN:SS", "2026-12-10 13:05:09"},
      {kThursday, "yyyyy", "202626"},
      {kThursday, "h:n:s", "13:5:9"},
      {kThursday, "hh:nn:ss.zzz", "13:05:09.250"},
      {kThursday, "'Date:' yyyy \"at\" h", "Date: 2026 at 13"},
      {kThursday, "yyyy!q", "2026!q"},
      {-657434, "yyyy yy d m dddd", "0100 00 1 1 Friday"},
      {-1.25, "yyyy-mm-dd hh:nn ddd", "1899-12-29 06:00 Fri"},
      {2958465, "ddddd ddd", "9999-12-31 Fri"},
      {0, "c", "00:00:00"},
      {46366, "c", "2026-12-10"},
  });
}

TEST(FormatDate, MonthAfterAnHourIsTheMinute) {
  RunDates({
      {kThursday, "h:mm", "13:05"},
      {kThursday, "hh:mm:ss", "13:05:09"},
      {kThursday, "hh 'h' mm", "13 h 05"},
      {kThursday, "mm", "12"},
      {kThursday, "h:mmm", "13:Dec"},
      {kThursday, "hh:nn mm", "13:05 12"},
  });
}

TEST(FormatDate, TwelveHourClockWithMarkers) {
  RunDates({
      {kThursday, "h:nn am/pm", "1:05 pm"},
      {kThursday, "h:nn AM/PM", "1:05 PM"},
      {kThursday, "hh a/p", "01 p"},
      {kThursday, "h ampm", "1 PM"},
      {kThursday, "Am/pM", "pM"},
      {0.5 / 24, "h:nn a/p", "12:30 a"},
      {0.5, "h:nn a/p", "12:00 p"},
      {kThursday, "t am/pm", "13:05 pm"},
      {kThursday, "'am/pm' h", "am/pm 13"},
      {kThursday, "hh at", "13 a13:05"},
  });
}

TEST(FormatDate, RoundsToTheShownUnit) {
  double almost = 46366 + (13 * 3600 + 5 * 60 + 9.6) * kSecond;
  double lateEvening = 46366 + (86400 - 0.3) * kSecond;
  RunDates({
      {almost, "ss", "10"},
      {almost, "ss.zzz", "09.600"},
      {46366 + 0.005 * kSecond, "z|zzz", "5|005"},
      {lateEvening, "yyyy-mm-dd hh:nn:ss", "2026-12-11 00:00:00"},
      {lateEvening, "hh:nn:ss.zzz", "23:59:59.700"},
  });
}

TEST(FormatDate, BadDatesAndPatterns) {
  RunDates({
      {3e6, "yyyy", nullptr, "Overflow converting Date 3000000 to Text"},
      {kThursday, "yyyy 'x", nullptr, "Date pattern \"yyyy 'x\": quote not closed"},
  });
}

TEST(FormatDate, OtherCharactersPassThrough) {
  // In qelu the low byte of U+0164 is "d"; the character must stay whole.
  const Char other = Char(sizeof(Char) == 1 ? 0xE4 : 0x164);
  EXPECT_EQ(FormatDateTime(kThursday, Text{other} + T("d")), Text{other} + T("10"));
}

TEST(DateFromText, AcceptedForms) {
  struct Accepted {
    const char* text;
    double date;
  } cases[] = {
      {"2026-12-10", 46366},
      {"  2026-12-10\t", 46366},
      {"2026-12-10 13:05", 46366 + 47100 * kSecond},
      {"2026-12-10T13:05:09", 46366 + 47109 * kSecond},
      {"2026-12-10   13:05:09", 46366 + 47109 * kSecond},
      {"2026-1-5", 46027},
      {"13:05", 47100 * kSecond},
      {"6:00:00.5", 21600.5 * kSecond},
      {"1899-12-29 06:00", -1.25},
      {"0100-01-01", -657434},
      {"9999-12-31 23:59:59", 2958465 + 86399 * kSecond},
  };
  for (const Accepted& c : cases) EXPECT_DOUBLE_EQ(DateFromText(T(c.text)), c.date) << c.text;
}

TEST(DateFromText, RefusedForms) {
  const char* refused[] = {"",           "45000",      "2023-02-29",       "2026-13-01", "26-12-10",
                           "2026/12/10", "0099-12-31", "2026-12-10 24:00", "12:5",       "2026-12-10T",
                           "13:05 2026-12-10", "2026-12-10 13:60", "1:2:3", "10.12.2026"};
  for (const char* text : refused)
    ExpectFormatted([&] { return TextFromAscii(std::to_string(DateFromText(T(text)))); }, nullptr,
                    ("Cannot convert Text \"" + std::string(text) + "\" to Date").c_str(), text);
}

// Rounding to the second may not carry the last representable day into a
// year that no date text can hold.
TEST(DateFromText, TheLastSecondsOfTheLastDayStayInIt) {
  for (const char* text : {"9999-12-31 23:59:59.999", "9999-12-31 23:59:59.99999999999999"}) {
    const double date = DateFromText(T(text));
    const Text written = FormatDateTime(date, T("c"));
    EXPECT_EQ(written, T("9999-12-31 23:59:59")) << text;
    EXPECT_EQ(DateFromText(written), 2958465 + 86399 * kSecond) << text;
  }
  EXPECT_EQ(FormatDateTime(DateFromText(T("23:59:59.99999999999999")), T("c")), T("1899-12-31"));
  EXPECT_EQ(FormatDateTime(DateFromText(T("2026-12-10 23:59:59.6")), T("c")), T("2026-12-11"));
}

TEST(DateFromText, ReadsBackTheTextFormOfDates) {
  for (double date : {46366.0, kThursday, 0.5, -1.25, -657434.0, 2958465 + 86399 * kSecond}) {
    Text text = FormatDateTime(date, T("c"));
    EXPECT_NEAR(DateFromText(text), date, kSecond / 2) << std::to_string(date);
  }
}
