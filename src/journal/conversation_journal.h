#pragma once
// The journal of the running conversation: the log record a close would append at the moment
// of the last snapshot, kept beside the log so that a crash, a killed process or a power cut
// loses nothing that the next start cannot append (journal_recovery.h). Snapshots are written
// by a thread of their own; the caller never waits for the disk.
#include "journal/background_writer.h"
#include "journal/journal_file.h"
#include "journal/journal_log.h"
#include "journal/journal_names.h"

#include <functional>
#include <mutex>
#include <string>

namespace journal {

class TConversationJournal {
public:
  // How a snapshot is made: the bytes of the log record a close would append for it.
  using TRecord = std::function<std::string()>;

  // Takes a name beside the log that no journal, temporary file or live lock has: the process
  // id, with the first free serial number when that name is taken (Windows hands ids out again,
  // and other computers on a network folder have their own), and holds its lock. failed runs
  // on the writer's thread after every failed write; TakeFailure has the message once per run
  // of failures. Raises ui::EInOutError when no lock can be taken.
  TConversationJournal(TLog log, unsigned long process, std::function<void()> failed);
  TConversationJournal(const TConversationJournal&) = delete;
  TConversationJournal& operator=(const TConversationJournal&) = delete;
  // Writes the newest snapshot still waiting; the journal stays for the next start unless the
  // conversation was logged.
  ~TConversationJournal();

  // A snapshot of the conversation now: record makes its log record on the writer's thread, so
  // that turning the text into the log's bytes costs the caller nothing. Written soon, or
  // replaced by a newer snapshot before it is. Ignored once the conversation is logged.
  void Save(TRecord record);

  // Writes the record to the journal before returning (the session is about to end), in place
  // of any snapshot still waiting. Raises ui::EInOutError when it cannot be written. Nothing
  // once the conversation is logged.
  void WriteNow(const std::string& record);

  // Logs a close's record: the journal is made to hold exactly that record (or, when that
  // fails, is deleted, so that no older snapshot is left to be appended after it), the record
  // is appended to the log, and then journal and temporary file are deleted; no more
  // snapshots are taken. Raises ui::EInOutError when the append fails (the journal then keeps
  // the record) or when neither the rewrite nor the deletion succeeded (nothing is appended).
  // Returns what the user must be told although the record is in the log (a journal that
  // could not be deleted); empty otherwise. A conversation is logged once: later calls do
  // nothing.
  std::string AppendToLog(const std::string& record);

  // The message of the failed write that `failed` announced, once per run of failures; empty
  // otherwise.
  std::string TakeFailure();

  // Returns once the newest snapshot is on disk (or its write failed).
  void Wait();

  const TJournalNames& Names() const { return names_; }

private:
  void Write(const TRecord& record);
  void WriteFailed(const std::string& message);

  TLog log_;
  TJournalNames names_;
  TJournalLock lock_;
  std::function<void()> failed_;
  std::mutex failureMutex_;
  std::string failure_;
  bool failing_ = false;
  bool logged_ = false;      // user-interface thread only
  TBackgroundWriter writer_; // last: its thread ends before the rest goes
};

} // namespace journal
