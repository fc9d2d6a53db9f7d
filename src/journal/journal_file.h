#pragma once
// The journal's file work: the atomic replacement of a journal, the lock by which a running
// instance shows that its journal is alive, and reading, setting aside and deleting journals.
// Failures raise ui::EInOutError with the system's error code (file_error.h).
#include "journal/journal_names.h"
#include "ui/handles.h"

#include <string>
#include <string_view>

namespace journal {

// Writes the journal's bytes to the temporary file, flushes them to disk and only then puts the
// file in the journal's place in one step, so that a crash at any moment leaves either the
// former journal or the new one whole. Both files are hidden.
void WriteJournalFile(const TJournalNames& names, std::string_view bytes);

// Deletes the journal and its temporary file; a missing one is no failure. False when one stays.
bool DeleteJournalFiles(const TJournalNames& names);

// The whole content of a file.
std::string ReadWholeFile(const std::wstring& fileName);

// Renames a damaged journal to the first free set-aside name, visible again so that the user
// finds it; returns that name.
std::wstring SetJournalAside(const std::wstring& journal);

// An instance's lock: its lock file held open, without delete sharing, for as long as the
// instance runs. The system closes the handle when the process ends however it ends, and the
// file goes with the last handle, so a lock that can be taken belongs to nobody alive.
class TJournalLock {
public:
  // Takes the lock; it is not held (operator bool is false) when another process holds it
  // (Error() is ERROR_SHARING_VIOLATION) or the file cannot be made.
  static TJournalLock Take(const std::wstring& lockName);

  explicit operator bool() const { return static_cast<bool>(file_); }
  unsigned long Error() const { return error_; }

private:
  ui::UniqueFile file_;
  unsigned long error_ = 0;
};

} // namespace journal
