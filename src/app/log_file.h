#pragma once
// The conversation log on disk: "Your.txt" in the current directory, one record appended per
// close of the conversation window.
#include <string>

#include "app/log_record.h"
#include "journal/journal_log.h"

namespace app {

// The log's name, relative: it resolves against the current directory when it is written.
inline constexpr wchar_t kLogFileName[] = L"Your.txt";

// The user's regional settings as the system reports them now.
TRegionalSettings UserRegionalSettings();

// The present local time, from the application's clock (a seam tests can set).
TLocalDateTime LocalNow();

// Appends bytes to the end of a file in one write, creating the file only when it does not
// exist, and flushes them to disk. While the file is open others may read it but not write it.
// Raises ui::EInOutError with the system's error code (LogFileError) on failure; after a failed
// write, flush or close the file is cut back to its former length, so it never keeps part of a
// record.
void AppendToLogFile(const std::wstring& fileName, const std::string& bytes);

// The same append, left out when the file already ends with exactly these bytes (a record that
// was appended before, by a run that ended before it could say so). Returns whether it appended.
bool AppendToLogFileUnlessLast(const std::wstring& fileName, const std::string& bytes);

// The record a close would append now: the present local time in the user's regional
// settings, and the conversation text.
std::string ConversationRecord(const std::string& conversationText, const TLocalDateTime& when);

// The whole log write of a close: the record of the present local time, in the user's regional
// settings, and the conversation text, appended to "Your.txt". Raises ui::EInOutError.
void AppendConversationRecord(const std::string& conversationText);
// The same with the closing time given (a clock that tests can set).
void AppendConversationRecord(const std::string& conversationText, const TLocalDateTime& when);

// "Your.txt" as the journal reaches it: AppendToLogFile and AppendToLogFileUnlessLast.
journal::TLog ConversationLog();

} // namespace app
