// The running conversation's journal against real files and a log of the test's own: a name
// another journal holds is never taken, and a close whose rewrite or deletion fails never
// leaves an older snapshot that the next start would append after the close's record.
#include "journal/conversation_journal.h"

#include "journal_files.h"

#include <memory>

namespace journal {
namespace {

using testing_support::Exists;
using testing_support::FileBytes;
using testing_support::JournalRecord;

const std::string kOlder = "1.1.2024 9:00:00\r\nначало\r\n";
const std::string kClose = "1.1.2024 9:00:05\r\nначало и конец\r\n";

class ConversationJournalTest : public ::testing::Test {
protected:
  std::unique_ptr<TConversationJournal> Start() {
    return std::make_unique<TConversationJournal>(log_.Log(), GetCurrentProcessId(), nullptr);
  }
  static void Snapshot(TConversationJournal& journal, const std::string& record) {
    journal.Save([record] { return record; });
    journal.Wait();
  }

  testing_support::TScratchDirectory directory_;
  testing_support::TMemoryLog log_;
};

TEST_F(ConversationJournalTest, AnInstanceNeverTakesTheNameOfAJournalLeftBehind) {
  auto first = Start();
  Snapshot(*first, kOlder);
  const TJournalNames left = first->Names();
  first.reset(); // its journal stays, say because the log was locked at the next start
  ASSERT_TRUE(Exists(left.Journal));

  auto second = Start(); // the same process id, as Windows hands them out again
  EXPECT_NE(second->Names().Journal, left.Journal);
  Snapshot(*second, kClose);
  EXPECT_EQ(JournalRecord(left.Journal), kOlder);
  EXPECT_EQ(JournalRecord(second->Names().Journal), kClose);
}

TEST_F(ConversationJournalTest, AFailedRewriteAtCloseDeletesTheOlderSnapshotBeforeTheAppend) {
  auto journal = Start();
  Snapshot(*journal, kOlder);
  const TJournalNames names = journal->Names();
  ASSERT_TRUE(CreateDirectoryW(names.Temporary.c_str(), nullptr)); // no rewrite can succeed
  bool olderAtAppend = true;
  log_.OnAppend = [&](const std::string&) { olderAtAppend = Exists(names.Journal); };
  journal->AppendToLog(kClose); // tells of the temporary file that stays (a folder here)
  EXPECT_FALSE(olderAtAppend);
  EXPECT_EQ(log_.Bytes, kClose);
  RemoveDirectoryW(names.Temporary.c_str());
}

TEST_F(ConversationJournalTest, AJournalThatCannotBeDeletedAfterTheCloseIsReported) {
  auto journal = Start();
  const std::wstring name = journal->Names().Journal;
  HANDLE holder = INVALID_HANDLE_VALUE; // a program that keeps it open without delete sharing
  log_.OnAppend = [&](const std::string&) {
    holder = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                         nullptr);
  };
  const std::string report = journal->AppendToLog(kClose);
  CloseHandle(holder);
  EXPECT_EQ(log_.Bytes, kClose);
  EXPECT_EQ(report.rfind("Разговор записан, но его журнал \"", 0), 0u) << report;
  EXPECT_NE(report.find("I/O error 32"), std::string::npos) << report;
}

TEST_F(ConversationJournalTest, AFolderNearThePathLimitStillKeepsAJournal) {
  // "Your.txt" fits in the folder, the journal's longer names would not.
  std::wstring folder = directory_.Path() + L"\\";
  folder += std::wstring(MAX_PATH - 12 - folder.size(), L'd');
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  ASSERT_TRUE(SetCurrentDirectoryW(folder.c_str()));
  {
    auto journal = Start();
    Snapshot(*journal, kClose);
    EXPECT_EQ(JournalRecord(journal->Names().Journal), kClose);
    EXPECT_EQ(journal->AppendToLog(kClose), "");
  }
  SetCurrentDirectoryW(directory_.Path().c_str());
  EXPECT_TRUE(RemoveDirectoryW(folder.c_str())); // nothing left in it
}

} // namespace
} // namespace journal
