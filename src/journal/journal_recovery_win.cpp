#include "journal/journal_recovery.h"

#include "journal/file_error.h"
#include "journal/journal_file.h"
#include "journal/journal_format.h"
#include "journal/journal_names.h"
#include "ui/exception.h"
#include "ui/handles.h"
#include "ui/win_text.h"

#include <algorithm>
#include <exception>
#include <map>

#include <windows.h>

namespace journal {
namespace {

// An instance with files beside the log; the time of its newest file orders the recovery.
struct TLeftInstance {
  TJournalInstance Instance;
  bool HasJournal = false;
  bool HasTemporary = false;
  ULONGLONG JournalWritten = 0;
  ULONGLONG TemporaryWritten = 0;
};

// Every instance with files beside the log (logPath in the long form), oldest first.
std::vector<TLeftInstance> InstancesWithFiles(const std::wstring& logPath) {
  const std::size_t slash = logPath.find_last_of(L"\\/");
  const std::wstring baseName = slash == std::wstring::npos ? logPath : logPath.substr(slash + 1);
  std::map<TJournalInstance, TLeftInstance> found;
  WIN32_FIND_DATAW entry;
  const ui::UniqueFind find(FindFirstFileW((logPath + L".*").c_str(), &entry));
  if (!find)
    return {};
  do {
    const std::wstring name = entry.cFileName;
    const std::optional<TJournalInstance> instance = JournalInstance(baseName, name);
    if (!instance || (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      continue;
    TLeftInstance& left = found[*instance];
    left.Instance = *instance;
    const TJournalNames names = JournalNames(baseName, *instance);
    const ULONGLONG written =
        ULARGE_INTEGER{{entry.ftLastWriteTime.dwLowDateTime, entry.ftLastWriteTime.dwHighDateTime}}
            .QuadPart;
    if (name == names.Journal) {
      left.HasJournal = true;
      left.JournalWritten = written;
    } else if (name == names.Temporary) {
      left.HasTemporary = true;
      left.TemporaryWritten = written;
    }
  } while (FindNextFileW(find.get(), &entry));

  std::vector<TLeftInstance> instances;
  for (const auto& [instance, left] : found)
    instances.push_back(left);
  auto newest = [](const TLeftInstance& left) {
    return std::max(left.JournalWritten, left.TemporaryWritten);
  };
  std::stable_sort(
      instances.begin(), instances.end(),
      [&](const TLeftInstance& a, const TLeftInstance& b) { return newest(a) < newest(b); });
  return instances;
}

std::string Quoted(const std::wstring& name) {
  std::string quoted(1, '"');
  quoted += ui::FromWide(name);
  quoted += '"';
  return quoted;
}

// The snapshot an instance left: its temporary file when that is whole and not older than the
// journal (it was flushed before a replacement that never came), else the journal. A temporary
// file that is not taken is deleted; nothing when neither is left. Raises ui::EInOutError when
// the journal cannot be read.
std::optional<TJournalContents> LeftSnapshot(const TLeftInstance& left,
                                             const TJournalNames& names) {
  if (left.HasTemporary) {
    if (!left.HasJournal || left.TemporaryWritten >= left.JournalWritten) {
      try {
        TJournalContents temporary = ReadJournal(names.Temporary);
        if (temporary.Status == TJournalStatus::Good)
          return temporary;
      } catch (const ui::EInOutError&) {
        // unreadable: the journal counts
      }
    }
    DeleteJournalFile(names.Temporary);
  }
  if (!left.HasJournal)
    return {};
  return ReadJournal(names.Journal);
}

class TRecovery {
public:
  explicit TRecovery(const TLog& log) : log_(log) {}

  // Deals with one instance's files; false when the log refused its record, so that the later
  // journals wait too and the log keeps its order.
  bool Recover(const TLeftInstance& left, const TJournalNames& names, const TJournalNames& shown) {
    const std::string journal = Quoted(shown.Journal);
    std::optional<TJournalContents> snapshot;
    try {
      snapshot = LeftSnapshot(left, names);
    } catch (const ui::EInOutError& error) {
      if (error.ErrorCode() != ERROR_FILE_NOT_FOUND)
        Report("Журнал " + journal + " не прочитан: " + error.Message() +
               ". Он остаётся до следующего запуска.");
      return true;
    }
    if (!snapshot)
      return true; // a temporary file alone, and not whole: nothing was left
    const TJournalContents& contents = *snapshot;

    if (contents.Status != TJournalStatus::Good) {
      const std::string problem = "Журнал " + journal + " не дописан в " + Quoted(log_.Name) +
                                  ": " + JournalProblemText(contents.Status) + ".";
      try {
        const TSetAside aside = SetJournalAside(names.Journal);
        std::string told = problem + " Он отложен как " +
                           Quoted(shown.Journal + aside.Name.substr(names.Journal.size()));
        if (aside.HiddenError != 0) // the user is sent to look for it
          told += ", но остался скрытым: " + FileError(aside.HiddenError).Message();
        Report(told + ".");
      } catch (const ui::EInOutError& error) {
        Report(problem + " Отложить его не удалось: " + error.Message() + ".");
      }
      return true;
    }

    if (!HasEmptyConversation(contents.Record)) {
      try {
        // A record already at the log's end was appended by a run that died before deleting
        // its journal: it is not appended twice.
        log_.AppendUnlessLast(contents.Record);
      } catch (const ui::EInOutError& error) {
        Report("Разговор из журнала " + journal + " не дописан в " + Quoted(log_.Name) + ": " +
               error.Message() + ". Журнал остаётся до следующего запуска, как и более поздние.");
        return false;
      }
    }
    if (!DeleteJournalFiles(names))
      Report("Разговор из журнала " + journal + " дописан в " + Quoted(log_.Name) +
             ", но журнал не удалён. Удалите его, иначе разговор будет записан ещё раз.");
    return true;
  }

  void Report(std::string problem) { problems_.push_back(std::move(problem)); }
  std::vector<std::string> Problems() { return std::move(problems_); }

private:
  const TLog& log_;
  std::vector<std::string> problems_;
};

} // namespace

std::vector<std::string> RecoverJournals(const TLog& log) {
  TRecovery recovery(log);
  const std::wstring logPath = LongPath(log.Name);
  for (const TLeftInstance& left : InstancesWithFiles(logPath)) {
    const TJournalNames names = JournalNames(logPath, left.Instance);
    const TJournalNames shown = JournalNames(log.Name, left.Instance); // for the messages
    // Held until this instance's files are dealt with, so that no other instance starting now
    // recovers the same journal.
    const TJournalLock claim = TJournalLock::Take(names.Lock);
    if (!claim) {
      // A sharing violation is its owner, alive: left alone. Anything else is news.
      if (claim.Error() != ERROR_SHARING_VIOLATION)
        recovery.Report("Журнал " + Quoted(shown.Journal) +
                        " не проверен: " + FileError(claim.Error()).Message() +
                        ". Он остаётся до следующего запуска.");
      continue;
    }
    // Whatever else goes wrong with one instance's files (no memory for a record, say) is
    // kept to that journal: the start and the other journals go on.
    try {
      if (!recovery.Recover(left, names, shown))
        break;
    } catch (const std::exception& error) {
      recovery.Report("Журнал " + Quoted(shown.Journal) + " не восстановлен: " + error.what() +
                      ". Он остаётся до следующего запуска.");
    }
  }
  return recovery.Problems();
}

} // namespace journal
