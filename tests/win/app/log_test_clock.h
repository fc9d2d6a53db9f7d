#pragma once
// The clock readings a test can check a written date-time line against.
#include "app/log_file.h"

#include <string>
#include <vector>

#include <windows.h>

namespace testing_support {

// The date-time texts of every second from one clock reading to another: the record written
// in between must carry one of them.
inline std::vector<std::string> TextsBetween(const app::TLocalDateTime& from,
                                             const app::TLocalDateTime& to) {
  auto toFileTime = [](const app::TLocalDateTime& t) {
    SYSTEMTIME s{};
    s.wYear = static_cast<WORD>(t.Year);
    s.wMonth = static_cast<WORD>(t.Month);
    s.wDay = static_cast<WORD>(t.Day);
    s.wHour = static_cast<WORD>(t.Hour);
    s.wMinute = static_cast<WORD>(t.Minute);
    s.wSecond = static_cast<WORD>(t.Second);
    FILETIME f;
    SystemTimeToFileTime(&s, &f);
    return ULARGE_INTEGER{{f.dwLowDateTime, f.dwHighDateTime}}.QuadPart;
  };
  const app::TRegionalSettings settings = app::UserRegionalSettings();
  std::vector<std::string> texts;
  for (auto t = toFileTime(from); t <= toFileTime(to); t += 10000000) {
    ULARGE_INTEGER u;
    u.QuadPart = t;
    const FILETIME f{u.LowPart, u.HighPart};
    SYSTEMTIME s;
    FileTimeToSystemTime(&f, &s);
    texts.push_back(app::LogDateTimeText(
        {s.wYear, s.wMonth, s.wDay, s.wHour, s.wMinute, s.wSecond, 0}, settings));
  }
  return texts;
}

} // namespace testing_support
