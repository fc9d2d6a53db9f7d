#include "journal/conversation_journal.h"

#include "journal/file_error.h"
#include "journal/journal_file.h"
#include "journal/journal_format.h"

#include <utility>

#include <windows.h>

namespace journal {
namespace {

// The journal's files keep to the folder the log resolved to at start-up, even should the
// current directory change: the lock must stay beside the journal it protects.
std::wstring FullPath(const std::wstring& name) {
  const DWORD length = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (length == 0)
    throw FileError(GetLastError());
  std::wstring path(length, L'\0');
  const DWORD copied = GetFullPathNameW(name.c_str(), length, path.data(), nullptr);
  if (copied == 0 || copied >= length)
    throw FileError(GetLastError());
  path.resize(copied);
  return path;
}

} // namespace

TConversationJournal::TConversationJournal(TLog log, unsigned long instance,
                                           std::function<void()> failed)
    : log_(std::move(log)), names_(JournalNames(FullPath(log_.Name), instance)),
      lock_(TJournalLock::Take(names_.Lock)), failed_(std::move(failed)),
      writer_([this](const std::string& message) { WriteFailed(message); }) {
  if (!lock_)
    throw FileError(lock_.Error());
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
  {
    std::lock_guard lock(failureMutex_);
    if (failing_)
      return; // reported already; the next success ends the run of failures
    failing_ = true;
    failure_ = "Журнал разговора не записан: " + message +
               ". Пока он не записан, сбой программы унесёт разговор с собой.";
  }
  if (failed_)
    failed_();
}

std::string TConversationJournal::TakeFailure() {
  std::lock_guard lock(failureMutex_);
  return std::exchange(failure_, {});
}

void TConversationJournal::AppendToLog(const std::string& record) {
  writer_.Drop(); // an older snapshot must not land after the record
  writer_.Wait();
  // The journal first holds the very record that is appended: should the program die between
  // the append and the deletion below, the next start finds that record at the log's end and
  // does not append it again. A journal that cannot be written does not stop the close.
  try {
    WriteJournalFile(names_, FrameJournal(record));
  } catch (const ui::EInOutError&) {
  }
  log_.Append(record);
  logged_ = true;
  DeleteJournalFiles(names_); // one that stays is recognised at the log's end (above)
}

void TConversationJournal::Resume() {
  logged_ = false;
}

void TConversationJournal::Wait() {
  writer_.Wait();
}

} // namespace journal
