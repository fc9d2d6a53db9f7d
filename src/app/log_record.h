#pragma once
// One record of the conversation log "Your.txt": the date-time line and the conversation text.
// The date-time text is computed here from the user's regional settings (read on Windows by
// log_file_win.cpp) so that every format the settings allow can be checked without a system that
// uses it.
#include <array>
#include <string>

#include "ui/exception.h"

namespace app {

// The parts of the user's regional settings that shape the log's date-time text.
struct TRegionalSettings {
  // Picture of the short date: d dd ddd dddd, M MM MMM MMMM, y yy yyyy, g gg (era, left out);
  // text in single quotes is literal ('' is a quote); "/" stands for DateSeparator; any other
  // character is literal. Letters are case-sensitive, as in the system's own pictures.
  std::string ShortDatePattern{};
  std::string DateSeparator{};
  std::string TimeSeparator{};
  bool HourLeadingZero = false;
  bool TwelveHour = false;
  bool MarkerBeforeTime = false; // 12-hour only: "PM 3:04:05" rather than "3:04:05 PM"
  std::string AMMarker{};
  std::string PMMarker{};
  std::array<std::string, 12> ShortMonthNames{}; // January first
  std::array<std::string, 12> LongMonthNames{};
  std::array<std::string, 7> ShortDayNames{}; // Sunday first
  std::array<std::string, 7> LongDayNames{};
};

// A local date and time as the system clock gives it.
struct TLocalDateTime {
  int Year = 1601;
  int Month = 1; // 1..12
  int Day = 1;   // 1..31
  int Hour = 0;  // 0..23
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
};

std::string FormatShortDate(const TLocalDateTime& when, const TRegionalSettings& settings);

// Hours (leading zero as the settings ask), time separator, two-digit minutes and seconds; in a
// 12-hour setting the AM or PM marker before or after it, set off by one space.
std::string FormatLongTime(const TLocalDateTime& when, const TRegionalSettings& settings);

// The short date, a space and the long time; at exactly midnight (milliseconds aside) the date
// alone.
std::string LogDateTimeText(const TLocalDateTime& when, const TRegionalSettings& settings);

// The bytes appended to the log for one close: date-time text, CR LF, conversation text, CR LF.
std::string LogRecord(const std::string& dateTimeText, const std::string& conversationText);

// The error raised for a failed log operation with the system's error code.
ui::EInOutError LogFileError(unsigned long errorCode);

} // namespace app
