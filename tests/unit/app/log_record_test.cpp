#include "app/log_record.h"
#include "ui/error_text.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TRegionalSettings UnitedStates() {
  return {
      .ShortDatePattern = "M/d/yyyy",
      .DateSeparator = "/",
      .TimeSeparator = ":",
      .HourLeadingZero = false,
      .TwelveHour = true,
      .MarkerBeforeTime = false,
      .AMMarker = "AM",
      .PMMarker = "PM",
      .ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct",
                          "Nov", "Dec"},
      .LongMonthNames = {"January", "February", "March", "April", "May", "June", "July", "August",
                         "September", "October", "November", "December"},
      .ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
      .LongDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday",
                       "Saturday"},
  };
}

TRegionalSettings Russia() {
  return {.ShortDatePattern = "dd.MM.yyyy",
          .DateSeparator = ".",
          .TimeSeparator = ":",
          .HourLeadingZero = true,
          .TwelveHour = false};
}

TLocalDateTime At(int year, int month, int day, int hour, int minute, int second, int ms = 0) {
  return {year, month, day, hour, minute, second, ms};
}

TEST(LogDateTimeText, TwentyFourHourSettingWithLeadingZero) {
  const TRegionalSettings ru = Russia();
  EXPECT_EQ(LogDateTimeText(At(2024, 3, 5, 7, 8, 9), ru), "05.03.2024 07:08:09");
  EXPECT_EQ(LogDateTimeText(At(1999, 12, 31, 23, 59, 59, 999), ru), "31.12.1999 23:59:59");
  EXPECT_EQ(LogDateTimeText(At(2024, 3, 5, 12, 0, 0), ru), "05.03.2024 12:00:00");
  TRegionalSettings noZero = ru;
  noZero.HourLeadingZero = false;
  EXPECT_EQ(LogDateTimeText(At(2024, 3, 5, 7, 8, 9), noZero), "05.03.2024 7:08:09");
  // Markers exist in a 24-hour setting too, but the time does not show them.
  noZero.AMMarker = "AM";
  noZero.PMMarker = "PM";
  EXPECT_EQ(LogDateTimeText(At(2024, 3, 5, 17, 0, 1), noZero), "05.03.2024 17:00:01");
}

TEST(LogDateTimeText, TwelveHourSettingWithMarkerAfterTheTime) {
  const TRegionalSettings us = UnitedStates();
  EXPECT_EQ(LogDateTimeText(At(2024, 3, 5, 7, 8, 9), us), "3/5/2024 7:08:09 AM");
  EXPECT_EQ(LogDateTimeText(At(2024, 11, 25, 13, 0, 0), us), "11/25/2024 1:00:00 PM");
  EXPECT_EQ(LogDateTimeText(At(2024, 3, 5, 12, 0, 0), us), "3/5/2024 12:00:00 PM");
  EXPECT_EQ(LogDateTimeText(At(2024, 3, 5, 0, 0, 1), us), "3/5/2024 12:00:01 AM");
  EXPECT_EQ(LogDateTimeText(At(2024, 3, 5, 11, 59, 59), us), "3/5/2024 11:59:59 AM");
  TRegionalSettings zero = us;
  zero.HourLeadingZero = true;
  EXPECT_EQ(LogDateTimeText(At(2024, 3, 5, 21, 4, 5), zero), "3/5/2024 09:04:05 PM");
}

TEST(LogDateTimeText, TwelveHourSettingWithMarkerBeforeTheTime) {
  TRegionalSettings s = UnitedStates();
  s.ShortDatePattern = "yyyy/M/d";
  s.MarkerBeforeTime = true;
  s.AMMarker = "до полудня";
  s.PMMarker = "после полудня";
  EXPECT_EQ(LogDateTimeText(At(2024, 3, 5, 7, 8, 9), s), "2024/3/5 до полудня 7:08:09");
  EXPECT_EQ(LogDateTimeText(At(2024, 3, 5, 19, 8, 9), s), "2024/3/5 после полудня 7:08:09");
  s.HourLeadingZero = true;
  EXPECT_EQ(LogDateTimeText(At(2024, 3, 5, 19, 8, 9), s), "2024/3/5 после полудня 07:08:09");
  // A setting without markers gets no stray space on either side.
  s.AMMarker.clear();
  EXPECT_EQ(LogDateTimeText(At(2024, 3, 5, 7, 8, 9), s), "2024/3/5 07:08:09");
}

TEST(LogDateTimeText, SeparatorsComeFromTheSettings) {
  TRegionalSettings s = UnitedStates();
  s.DateSeparator = "-";
  s.TimeSeparator = ".";
  EXPECT_EQ(LogDateTimeText(At(2024, 3, 5, 7, 8, 9), s), "3-5-2024 7.08.09 AM");
  s.DateSeparator = " / ";
  s.TimeSeparator = "h";
  EXPECT_EQ(LogDateTimeText(At(2024, 3, 5, 7, 8, 9), s), "3 / 5 / 2024 7h08h09 AM");
  // A pattern with its own literal separators keeps them.
  s = Russia();
  s.ShortDatePattern = "dd-MM-yy";
  EXPECT_EQ(FormatShortDate(At(2007, 1, 9, 0, 0, 0), s), "09-01-07");
}

TEST(FormatShortDate, CoversThePicturesASystemPatternMayHold) {
  const TRegionalSettings base = UnitedStates();
  auto format = [&](const char* pattern, TLocalDateTime when) {
    TRegionalSettings s = base;
    s.ShortDatePattern = pattern;
    return FormatShortDate(when, s);
  };
  const TLocalDateTime day = At(2005, 2, 3, 10, 0, 0); // a Thursday
  EXPECT_EQ(format("d/M/y", day), "3/2/5");
  EXPECT_EQ(format("dd/MM/yy", day), "03/02/05");
  EXPECT_EQ(format("yyyyy", day), "2005");
  EXPECT_EQ(format("dd-MMM-yyyy", day), "03-Feb-2005");
  EXPECT_EQ(format("ddd dddd MMMM", day), "Thu Thursday February");
  EXPECT_EQ(format("dddd", At(2000, 1, 1, 0, 0, 0)), "Saturday");
  EXPECT_EQ(format("dddd", At(2024, 2, 29, 0, 0, 0)), "Thursday");
  EXPECT_EQ(format("dddd", At(2023, 12, 31, 0, 0, 0)), "Sunday");
  EXPECT_EQ(format("'Day' d 'of' MMMM", day), "Day 3 of February");
  EXPECT_EQ(format("d 'o''clock' ''", day), "3 o'clock '");
  EXPECT_EQ(format("gg yyyy", day), " 2005");
  EXPECT_EQ(format("D.Y", day), "D.Y"); // pictures are case-sensitive
  EXPECT_EQ(format("", day), "");
}

TEST(LogDateTimeText, ExactMidnightLeavesOutTheTime) {
  const TRegionalSettings us = UnitedStates();
  const TRegionalSettings ru = Russia();
  EXPECT_EQ(LogDateTimeText(At(2024, 1, 1, 0, 0, 0), ru), "01.01.2024");
  EXPECT_EQ(LogDateTimeText(At(2024, 1, 1, 0, 0, 0, 999), ru), "01.01.2024");
  EXPECT_EQ(LogDateTimeText(At(2024, 1, 1, 0, 0, 0), us), "1/1/2024");
  EXPECT_EQ(LogDateTimeText(At(2024, 1, 1, 0, 0, 1), ru), "01.01.2024 00:00:01");
  EXPECT_EQ(LogDateTimeText(At(2024, 1, 1, 0, 1, 0), us), "1/1/2024 12:01:00 AM");
  EXPECT_EQ(LogDateTimeText(At(2024, 1, 1, 12, 0, 0), us), "1/1/2024 12:00:00 PM");
}

TEST(LogRecord, TheFourTypicalRecordsByteForByte) {
  const std::string d = "05.03.2024 07:08:09";
  const std::string t = "Что меня ждёт?";
  const std::string u = "А потом?";
  const std::string a1 = "35418A99 - Первый ответ.";
  const std::string a2 = "0000000B - Второй ответ.";
  // Answered once, then an Enter without typing: the closing answer and an empty line.
  EXPECT_EQ(LogRecord(d, t + "\r\n" + a1 + "\r\n" + a2 + "\r\n"),
            d + "\r\n" + t + "\r\n" + a1 + "\r\n" + a2 + "\r\n\r\n");
  // A second line typed, then the close box.
  EXPECT_EQ(LogRecord(d, t + "\r\n" + a1 + "\r\n" + u),
            d + "\r\n" + t + "\r\n" + a1 + "\r\n" + u + "\r\n");
  // An empty area.
  EXPECT_EQ(LogRecord(d, ""), d + "\r\n\r\n");
  // An Enter in the empty area.
  EXPECT_EQ(LogRecord(d, a1 + "\r\n"), d + "\r\n" + a1 + "\r\n\r\n");
  // Bytes pass unchanged, whatever they are.
  const std::string raw("\x01\xFF\x98\r\r\n\n", 7);
  EXPECT_EQ(LogRecord("", raw), "\r\n" + raw + "\r\n");
}

TEST(LogFileError, MessagesFollowTheSystemErrorCode) {
  struct Case {
    unsigned long code;
    const char* text;
  };
  for (const Case& c :
       {Case{2, "File not found"}, Case{3, "Invalid filename"}, Case{4, "Too many open files"},
        Case{5, "File access denied"}, Case{32, "I/O error 32"}, Case{112, "I/O error 112"},
        Case{0, "I/O error 0"}, Case{1, "I/O error 1"}}) {
    const ui::EInOutError error = LogFileError(c.code);
    EXPECT_EQ(error.Message(), c.text);
    EXPECT_EQ(error.ErrorCode(), c.code);
    EXPECT_EQ(ui::ErrorBoxText(error.Message()), std::string(c.text) + ".");
  }
}

} // namespace
} // namespace app
