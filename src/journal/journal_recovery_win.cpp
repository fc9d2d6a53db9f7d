#include "journal/journal_recovery.h"

#include "journal/journal_file.h"
#include "journal/journal_format.h"
#include "journal/journal_names.h"
#include "ui/exception.h"
#include "ui/win_text.h"

#include <algorithm>
#include <map>

#include <windows.h>

namespace journal {
namespace {

// An instance with files beside the log; its journal's time of writing orders the recovery.
struct TLeftInstance {
  unsigned long Instance = 0;
  bool HasJournal = false;
  ULONGLONG Written = 0;
};

std::vector<TLeftInstance> InstancesWithFiles(const std::wstring& logName) {
  const std::size_t slash = logName.find_last_of(L"\\/");
  const std::wstring baseName = slash == std::wstring::npos ? logName : logName.substr(slash + 1);
  std::map<unsigned long, TLeftInstance> found;
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((logName + L".*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE)
    return {};
  do {
    const std::wstring name = entry.cFileName;
    const std::optional<unsigned long> instance = JournalInstance(baseName, name);
    if (!instance || (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      continue;
    TLeftInstance& left = found[*instance];
    left.Instance = *instance;
    if (name == JournalNames(baseName, *instance).Journal) {
      left.HasJournal = true;
      left.Written = ULARGE_INTEGER{{entry.ftLastWriteTime.dwLowDateTime,
                                     entry.ftLastWriteTime.dwHighDateTime}}
                         .QuadPart;
    }
  } while (FindNextFileW(find, &entry));
  FindClose(find);

  std::vector<TLeftInstance> instances;
  for (const auto& [instance, left] : found)
    instances.push_back(left);
  std::stable_sort(
      instances.begin(), instances.end(),
      [](const TLeftInstance& a, const TLeftInstance& b) { return a.Written < b.Written; });
  return instances;
}

std::string Quoted(const std::wstring& name) {
  std::string quoted(1, '"');
  quoted += ui::FromWide(name);
  quoted += '"';
  return quoted;
}

} // namespace

std::vector<std::string> RecoverJournals(const TLog& log) {
  const std::wstring& logName = log.Name;
  std::vector<std::string> problems;
  for (const TLeftInstance& left : InstancesWithFiles(logName)) {
    const TJournalNames names = JournalNames(logName, left.Instance);
    // Held until this instance's files are dealt with, so that no other instance starting now
    // recovers the same journal.
    const TJournalLock claim = TJournalLock::Take(names.Lock);
    if (!claim)
      continue; // its instance runs (or the folder refuses us): left alone
    DeleteFileW(names.Temporary.c_str()); // unfinished, or never put in place: the journal counts
    if (!left.HasJournal)
      continue;
    const std::string shown = Quoted(names.Journal);

    std::string bytes;
    try {
      bytes = ReadWholeFile(names.Journal);
    } catch (const ui::EInOutError& error) {
      if (error.ErrorCode() != ERROR_FILE_NOT_FOUND)
        problems.push_back("Журнал " + shown + " не прочитан: " + error.Message() +
                           ". Он остаётся до следующего запуска.");
      continue;
    }

    const TJournalContents contents = ParseJournal(bytes);
    if (contents.Status != TJournalStatus::Good) {
      const std::string problem = "Журнал " + shown + " не дописан в " + Quoted(logName) + ": " +
                                  JournalProblemText(contents.Status) + ".";
      try {
        problems.push_back(problem + " Он отложен как " + Quoted(SetJournalAside(names.Journal)) +
                           ".");
      } catch (const ui::EInOutError& error) {
        problems.push_back(problem + " Отложить его не удалось: " + error.Message() + ".");
      }
      continue;
    }

    if (!HasEmptyConversation(contents.Record)) {
      try {
        // A record already at the log's end was appended by a run that died before deleting
        // its journal: it is not appended twice.
        log.AppendUnlessLast(contents.Record);
      } catch (const ui::EInOutError& error) {
        problems.push_back("Разговор из журнала " + shown + " не дописан в " + Quoted(logName) +
                           ": " + error.Message() +
                           ". Журнал остаётся до следующего запуска, как и более поздние.");
        break; // the later journals wait too, so that the log keeps its order
      }
    }
    if (!DeleteJournalFiles(names))
      problems.push_back("Разговор из журнала " + shown + " дописан в " + Quoted(logName) +
                         ", но журнал не удалён. Удалите его, иначе разговор будет записан ещё "
                         "раз.");
  }
  return problems;
}

} // namespace journal
