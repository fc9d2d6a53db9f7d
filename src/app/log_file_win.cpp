#include "app/log_file.h"

#include "ui/application.h"
#include "ui/handles.h"
#include "ui/win_text.h"

#include <algorithm>

#include <windows.h>

namespace app {
namespace {

std::string LocaleText(LCTYPE item) {
  wchar_t buffer[256];
  const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, item, buffer, 256);
  if (length <= 1)
    return {};
  return ui::FromWide(std::wstring(buffer, length - 1));
}

bool LocaleFlag(LCTYPE item) {
  return LocaleText(item) == "1";
}

// 0 when every byte went to the file, else the system's error code.
DWORD WriteAll(HANDLE file, const std::string& bytes) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  do {
    // One call for any record the conversation area can hold; larger ones go in pieces.
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(left, 0x7FFFF000u));
    DWORD written = 0;
    if (!WriteFile(file, data, chunk, &written, nullptr))
      return GetLastError();
    if (written != chunk)
      return ERROR_DISK_FULL; // a short write without an error: the medium took no more
    data += written;
    left -= written;
  } while (left > 0);
  return 0;
}

// Takes the file back to the length it had before the append; a failure here leaves nothing
// better to do, the original error is the one reported.
void CutBack(HANDLE file, LARGE_INTEGER length) {
  if (SetFilePointerEx(file, length, nullptr, FILE_BEGIN))
    SetEndOfFile(file);
}

// True when the open file's last bytes are exactly these.
bool EndsWith(HANDLE file, LARGE_INTEGER length, const std::string& bytes) {
  if (bytes.empty() || static_cast<unsigned long long>(length.QuadPart) < bytes.size())
    return false;
  LARGE_INTEGER at;
  at.QuadPart = length.QuadPart - static_cast<LONGLONG>(bytes.size());
  if (!SetFilePointerEx(file, at, nullptr, FILE_BEGIN))
    throw LogFileError(GetLastError());
  std::string tail(bytes.size(), '\0');
  std::size_t got = 0;
  while (got < tail.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(tail.size() - got, 1u << 20));
    DWORD read = 0;
    if (!ReadFile(file, tail.data() + got, chunk, &read, nullptr))
      throw LogFileError(GetLastError());
    if (read == 0)
      return false; // shorter than it said: cut by someone else
    got += read;
  }
  return tail == bytes;
}

// The append of AppendToLogFile; with skipWhenLast, nothing is written when the file already
// ends with the bytes. Returns whether it wrote.
bool Append(const std::wstring& fileName, const std::string& bytes, bool skipWhenLast) {
  // OPEN_ALWAYS: an existing log is opened as it is and never started anew; only a missing one
  // is created. Without FILE_SHARE_WRITE nobody can write between our length check and write.
  const DWORD access = skipWhenLast ? GENERIC_READ | GENERIC_WRITE : GENERIC_WRITE;
  ui::UniqueFile file(CreateFileW(fileName.c_str(), access, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file)
    throw LogFileError(GetLastError());

  LARGE_INTEGER former{};
  if (!GetFileSizeEx(file.get(), &former))
    throw LogFileError(GetLastError());
  if (skipWhenLast && EndsWith(file.get(), former, bytes))
    return false;
  if (!SetFilePointerEx(file.get(), LARGE_INTEGER{}, nullptr, FILE_END))
    throw LogFileError(GetLastError());

  DWORD error = WriteAll(file.get(), bytes);
  // A record reported as written must survive a power cut that follows.
  if (error == 0 && !FlushFileBuffers(file.get()))
    error = GetLastError();
  if (error != 0) {
    CutBack(file.get(), former);
    throw LogFileError(error);
  }

  if (!CloseHandle(file.release())) {
    error = GetLastError();
    // The handle is gone either way; reopen to take the record back out.
    ui::UniqueFile again(CreateFileW(fileName.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (again)
      CutBack(again.get(), former);
    throw LogFileError(error);
  }
  return true;
}

} // namespace

TRegionalSettings UserRegionalSettings() {
  TRegionalSettings s;
  s.ShortDatePattern = LocaleText(LOCALE_SSHORTDATE);
  s.DateSeparator = LocaleText(LOCALE_SDATE);
  s.TimeSeparator = LocaleText(LOCALE_STIME);
  s.HourLeadingZero = LocaleFlag(LOCALE_ITLZERO);
  s.TwelveHour = !LocaleFlag(LOCALE_ITIME);
  s.MarkerBeforeTime = LocaleFlag(LOCALE_ITIMEMARKPOSN);
  s.AMMarker = LocaleText(LOCALE_S1159);
  s.PMMarker = LocaleText(LOCALE_S2359);
  for (int m = 0; m < 12; ++m) {
    s.ShortMonthNames[m] = LocaleText(LOCALE_SABBREVMONTHNAME1 + m);
    s.LongMonthNames[m] = LocaleText(LOCALE_SMONTHNAME1 + m);
  }
  // The system counts days from Monday (DAYNAME1) to Sunday (DAYNAME7); ours start on Sunday.
  for (int d = 0; d < 7; ++d) {
    const int systemDay = (d + 6) % 7;
    s.ShortDayNames[d] = LocaleText(LOCALE_SABBREVDAYNAME1 + systemDay);
    s.LongDayNames[d] = LocaleText(LOCALE_SDAYNAME1 + systemDay);
  }
  return s;
}

TLocalDateTime LocalNow() {
  SYSTEMTIME t;
  if (const auto& clock = ui::Application().Seams().LocalTime)
    t = clock();
  else
    GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

void AppendToLogFile(const std::wstring& fileName, const std::string& bytes) {
  Append(fileName, bytes, false);
}

bool AppendToLogFileUnlessLast(const std::wstring& fileName, const std::string& bytes) {
  return Append(fileName, bytes, true);
}

std::string ConversationRecord(const std::string& conversationText, const TLocalDateTime& when) {
  return LogRecord(LogDateTimeText(when, UserRegionalSettings()), conversationText);
}

void AppendConversationRecord(const std::string& conversationText, const TLocalDateTime& when) {
  AppendToLogFile(kLogFileName, ConversationRecord(conversationText, when));
}

void AppendConversationRecord(const std::string& conversationText) {
  AppendConversationRecord(conversationText, LocalNow());
}

journal::TLog ConversationLog() {
  return {
      kLogFileName, [](const std::string& record) { AppendToLogFile(kLogFileName, record); },
      [](const std::string& record) { return AppendToLogFileUnlessLast(kLogFileName, record); }};
}

} // namespace app
