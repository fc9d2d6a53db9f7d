#include "app/log_record.h"

#include "journal/file_error.h"

#include <cstddef>

namespace app {
namespace {

std::string Number(int value, bool twoDigits) {
  std::string text = std::to_string(value);
  if (twoDigits && text.size() < 2)
    text.insert(0, 1, '0');
  return text;
}

// 0 = Sunday, for the Gregorian calendar (the system clock's).
int DayOfWeek(int year, int month, int day) {
  static constexpr int kMonthOffset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3)
    --year;
  return (year + year / 4 - year / 100 + year / 400 + kMonthOffset[(month - 1) % 12] + day) % 7;
}

std::size_t RunLength(const std::string& text, std::size_t at) {
  std::size_t end = at;
  while (end < text.size() && text[end] == text[at])
    ++end;
  return end - at;
}

const std::string& Pick(const auto& names, int index) {
  static const std::string kNone;
  return index >= 0 && static_cast<std::size_t>(index) < names.size() ? names[index] : kNone;
}

} // namespace

std::string FormatShortDate(const TLocalDateTime& when, const TRegionalSettings& settings) {
  const std::string& pattern = settings.ShortDatePattern;
  std::string result;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c == '\'') {
      // Quoted literal; a doubled quote inside stands for one quote, and so does '' outside.
      ++i;
      if (i < pattern.size() && pattern[i] == '\'') {
        result += '\'';
        ++i;
        continue;
      }
      while (i < pattern.size()) {
        if (pattern[i] == '\'') {
          if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
            result += '\'';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        result += pattern[i++];
      }
      continue;
    }
    const std::size_t run = RunLength(pattern, i);
    switch (c) {
    case 'd':
      if (run <= 2)
        result += Number(when.Day, run == 2);
      else
        result += Pick(run == 3 ? settings.ShortDayNames : settings.LongDayNames,
                       DayOfWeek(when.Year, when.Month, when.Day));
      break;
    case 'M':
      if (run <= 2)
        result += Number(when.Month, run == 2);
      else
        result +=
            Pick(run == 3 ? settings.ShortMonthNames : settings.LongMonthNames, when.Month - 1);
      break;
    case 'y':
      result += run <= 2 ? Number(when.Year % 100, run == 2) : std::to_string(when.Year);
      break;
    case 'g':
      break; // the era of the Gregorian calendar says nothing in a log line
    case '/':
      for (std::size_t k = 0; k < run; ++k)
        result += settings.DateSeparator;
      break;
    default:
      result.append(run, c);
      break;
    }
    i += run;
  }
  return result;
}

std::string FormatLongTime(const TLocalDateTime& when, const TRegionalSettings& settings) {
  int hour = when.Hour;
  if (settings.TwelveHour) {
    hour %= 12;
    if (hour == 0)
      hour = 12;
  }
  std::string time = Number(hour, settings.HourLeadingZero) + settings.TimeSeparator +
                     Number(when.Minute, true) + settings.TimeSeparator + Number(when.Second, true);
  if (!settings.TwelveHour)
    return time;
  const std::string& marker = when.Hour < 12 ? settings.AMMarker : settings.PMMarker;
  if (marker.empty())
    return time; // no marker, no stray space
  return settings.MarkerBeforeTime ? marker + ' ' + time : time + ' ' + marker;
}

std::string LogDateTimeText(const TLocalDateTime& when, const TRegionalSettings& settings) {
  std::string text = FormatShortDate(when, settings);
  if (when.Hour != 0 || when.Minute != 0 || when.Second != 0)
    text += ' ' + FormatLongTime(when, settings);
  return text;
}

std::string LogRecord(const std::string& dateTimeText, const std::string& conversationText) {
  std::string record;
  record.reserve(dateTimeText.size() + conversationText.size() + 4);
  record += dateTimeText;
  record += "\r\n";
  record += conversationText;
  record += "\r\n";
  return record;
}

ui::EInOutError LogFileError(unsigned long errorCode) {
  return journal::FileError(errorCode);
}

} // namespace app
