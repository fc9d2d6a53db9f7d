#include "journal/conversation_journal.h"

#include "journal/file_error.h"
#include "journal/journal_format.h"
#include "ui/win_text.h"

#include <exception>
#include <utility>

#include <windows.h>

namespace journal {
namespace {

std::string Quoted(const std::wstring& name) {
  return '"' + ui::FromWide(DisplayName(name)) + '"';
}

} // namespace

TConversationJournal::TConversationJournal(TLog log, unsigned long process,
                                           std::function<void()> failed)
    : log_(std::move(log)), failed_(std::move(failed)),
      writer_([this](const std::string& message) { WriteFailed(message); }) {
  // The journal's files keep to the folder the log resolved to at start-up, even should the
  // current directory change: the lock must stay beside the journal it protects.
  const std::wstring logPath = LongPath(log_.Name);
  for (unsigned serial = 0; serial <= kMaxJournalSerial; ++serial) {
    names_ = JournalNames(logPath, TJournalInstance{process, serial});
    // The lock first: while it is held nobody recovers, or takes, the name.
    lock_ = TJournalLock::Take(names_.Lock);
    if (!lock_ && lock_.Error() != ERROR_SHARING_VIOLATION)
      throw FileError(lock_.Error());
    if (lock_ && !FileExists(names_.Journal) && !FileExists(names_.Temporary))
      return;
    lock_ = {}; // a live instance's, or a journal kept for the next start
  }
  throw FileError(ERROR_ALREADY_EXISTS);
}

TConversationJournal::~TConversationJournal() = default;

void TConversationJournal::Save(TRecord record) {
  if (logged_)
    return;
  writer_.Submit([this, record = std::move(record)] { Write(record); });
}

void TConversationJournal::Write(const TRecord& record) {
  WriteJournalFile(names_, FrameJournal(record()));
  std::lock_guard lock(failureMutex_);
  failing_ = false;
}

void TConversationJournal::WriteFailed(const std::string& message) {
  try {
    std::lock_guard lock(failureMutex_);
    if (!failing_) // reported once; the next success ends the run of failures
      failure_ = "Журнал разговора не записан: " + message +
                 ". Пока он не записан, сбой программы унесёт разговор с собой.";
    failing_ = true;
  } catch (...) {
    // No memory for the text: the window is still told, so the snapshot is tried again.
  }
  if (failed_)
    failed_();
}

std::string TConversationJournal::TakeFailure() {
  std::lock_guard lock(failureMutex_);
  return std::exchange(failure_, {});
}

void TConversationJournal::WriteNow(const std::string& record) {
  if (logged_) // a journal now would be appended again at the next start
    return;
  writer_.Drop(); // an older snapshot must not land after it
  writer_.Wait();
  WriteJournalFile(names_, FrameJournal(record));
}

std::string TConversationJournal::AppendToLog(const std::string& record) {
  if (logged_) // the session ends while the close's box is still open
    return {};
  writer_.Drop(); // an older snapshot must not land after the record
  writer_.Wait();
  // The journal first holds the very record that is appended: should the program die between
  // the append and the deletion below, the next start finds that record at the log's end and
  // does not append it again. Failing that, no journal at all: an older snapshot left behind
  // would be appended after the record.
  try {
    WriteJournalFile(names_, FrameJournal(record));
  } catch (const std::exception& error) {
    if (const unsigned long code = DeleteJournalFile(names_.Journal))
      throw ui::EInOutError("Журнал " + Quoted(names_.Journal) + " не переписан (" + error.what() +
                                ") и не удалён (" + FileError(code).Message() +
                                "), поэтому разговор не дописан в " + Quoted(log_.Name) +
                                ": иначе следующий запуск дописал бы его начало ещё раз",
                            code);
  }
  log_.Append(record);
  logged_ = true;
  const unsigned long journal = DeleteJournalFile(names_.Journal);
  const unsigned long temporary = DeleteJournalFile(names_.Temporary);
  if (journal == 0 && temporary == 0)
    return {};
  return "Разговор записан, но его журнал " +
         Quoted(journal != 0 ? names_.Journal : names_.Temporary) +
         " не удалён: " + FileError(journal != 0 ? journal : temporary).Message() +
         ". Удалите его, иначе разговор может быть записан ещё раз.";
}

void TConversationJournal::Wait() {
  writer_.Wait();
}

} // namespace journal
