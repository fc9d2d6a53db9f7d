#pragma once
// The files of one running instance's journal, beside the log and named after it and the
// instance (its process id, and a serial number when a journal or lock already has that name):
// "Your.txt.1234.journal", "Your.txt.1234-2.journal", the temporary file a new journal is written
// to first ("….journal.tmp") and the lock the instance holds while it runs ("….journal.lock").
// A damaged journal is set aside as "….journal.bad".
#include <compare>
#include <optional>
#include <string>

namespace journal {

struct TJournalNames {
  std::wstring Journal;
  std::wstring Temporary;
  std::wstring Lock;
};

struct TJournalInstance {
  unsigned long Process = 0;
  unsigned Serial = 0; // 0: the process id alone, as every name had before serial numbers
  auto operator<=>(const TJournalInstance&) const = default;
};

// The highest serial number an instance takes.
inline constexpr unsigned kMaxJournalSerial = 9999;

TJournalNames JournalNames(const std::wstring& logName, TJournalInstance instance);
inline TJournalNames JournalNames(const std::wstring& logName, unsigned long process) {
  return JournalNames(logName, TJournalInstance{process, 0});
}

// The instance whose journal, temporary file or lock this file name is; nothing for any other
// name (a set-aside journal included).
std::optional<TJournalInstance> JournalInstance(const std::wstring& logName,
                                                const std::wstring& fileName);

// Where a damaged journal goes: "….journal.bad", then "….journal.bad2", "….journal.bad3", …
// for later attempts (attempt counts from 1), so an earlier one is never overwritten.
std::wstring SetAsideName(const std::wstring& journal, int attempt);

} // namespace journal
