#pragma once
// The journal's file work: the atomic replacement of a journal, the lock by which a running
// instance shows that its journal is alive, and reading, setting aside and deleting journals.
// Failures raise ui::EInOutError with the system's error code (file_error.h). Scanners, the
// indexer and sync clients open fresh files for a moment: every open, replacement, rename and
// deletion here is tried again for about a second while it meets a sharing, lock or access
// error.
#include "journal/journal_format.h"
#include "journal/journal_names.h"
#include "ui/handles.h"

#include <string>
#include <string_view>

namespace journal {

// Writes the journal's bytes to the temporary file, flushes them to disk and only then puts the
// file in the journal's place in one step, so that a crash at any moment leaves either the
// former journal or the new one whole; the journal is flushed once more after the replacement,
// which a rename on one volume needs to reach the disk. Both files are hidden.
void WriteJournalFile(const TJournalNames& names, std::string_view bytes);

// Deletes the journal and its temporary file; a missing one is no failure. False when one stays.
bool DeleteJournalFiles(const TJournalNames& names);
// The same for one of them; 0, or the system's error code when it stays.
unsigned long DeleteJournalFile(const std::wstring& fileName);

// Reads and checks a journal or temporary file. Its header is read first: a file whose size is
// not the one the header gives is not read further, however large it is.
TJournalContents ReadJournal(const std::wstring& fileName);

// Renames a damaged journal to the first free set-aside name, visible again so that the user
// finds it; returns that name, and the system's error code when it stayed hidden (0 otherwise).
struct TSetAside {
  std::wstring Name;
  unsigned long HiddenError = 0;
};
TSetAside SetJournalAside(const std::wstring& journal);

// A name in the form that lifts the path length limit ("\\?\C:\…", "\\?\UNC\server\…"), made
// full against the current folder: a journal's names are longer than the log's, so a folder
// that just holds "Your.txt" would otherwise refuse them. DisplayName takes the prefix off.
std::wstring LongPath(const std::wstring& name);
std::wstring DisplayName(const std::wstring& longPath);

// Whether a file or folder of that name is there (or cannot be told apart from one that is).
bool FileExists(const std::wstring& name);

// An instance's lock: its lock file held open, without delete sharing, for as long as the
// instance runs. The system closes the handle when the process ends however it ends, and the
// file goes with the last handle, so a lock that can be taken belongs to nobody alive.
class TJournalLock {
public:
  // Takes the lock; it is not held (operator bool is false) when another process holds it
  // (Error() is ERROR_SHARING_VIOLATION) or the file cannot be made (any other error).
  static TJournalLock Take(const std::wstring& lockName);

  explicit operator bool() const { return static_cast<bool>(file_); }
  unsigned long Error() const { return error_; }

private:
  ui::UniqueFile file_;
  unsigned long error_ = 0;
};

} // namespace journal
