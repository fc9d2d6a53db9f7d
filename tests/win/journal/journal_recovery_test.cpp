// Start-up's recovery against real files and a log of the test's own: a junk file named like a
// journal is set aside unread and stops nothing, a newer good temporary file is the snapshot
// that counts, and a lock that cannot be checked is reported.
#include "journal/journal_recovery.h"

#include "journal_files.h"

#include <new>
#include <stdexcept>

namespace journal {
namespace {

using testing_support::Exists;
using testing_support::FileBytes;
using testing_support::PlantJournal;

constexpr unsigned long kFirst = 4000000001;
constexpr unsigned long kSecond = 4000000002;
const std::string kFirstRecord = "1.1.2024 9:00:00\r\nпервый\r\n";
const std::string kSecondRecord = "2.1.2024 9:00:00\r\nвторой\r\n";

class JournalRecoveryTest : public ::testing::Test {
protected:
  static TJournalNames Names(unsigned long instance) { return JournalNames(L"Your.txt", instance); }

  testing_support::TScratchDirectory directory_;
  testing_support::TMemoryLog log_;
};

TEST_F(JournalRecoveryTest, AHugeJunkJournalIsSetAsideUnreadAndTheNextOneStillRecovered) {
  // Far more than the process could hold, were it read: only its header is looked at.
  testing_support::PlantSparseFile(Names(kFirst).Journal, 1LL << 40);
  PlantJournal(Names(kSecond).Journal, FrameJournal(kSecondRecord), 5);
  const std::vector<std::string> problems = RecoverJournals(log_.Log());
  EXPECT_EQ(log_.Bytes, kSecondRecord);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0], "Журнал \"Your.txt.4000000001.journal\" не дописан в \"Your.txt\": это "
                         "не журнал разговора. Он отложен как "
                         "\"Your.txt.4000000001.journal.bad\".");
  EXPECT_FALSE(Exists(Names(kFirst).Journal));
  EXPECT_FALSE(Exists(Names(kSecond).Journal));

  // A header whose length disagrees with the file's size: torn, and not read either.
  std::string header = FrameJournal(kFirstRecord).substr(0, kJournalHeaderSize);
  testing_support::PlantSparseFile(Names(kFirst).Journal, 1LL << 40);
  {
    HANDLE file = CreateFileW(Names(kFirst).Journal.c_str(), GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, header.data(), static_cast<DWORD>(header.size()), &written, nullptr);
    CloseHandle(file);
  }
  ASSERT_EQ(RecoverJournals(log_.Log()).size(), 1u);
  EXPECT_TRUE(Exists(Names(kFirst).Journal + L".bad2"));
}

TEST_F(JournalRecoveryTest, AFailureOtherThanTheLogsIsKeptToItsJournal) {
  PlantJournal(Names(kFirst).Journal, FrameJournal(kFirstRecord), 10);
  PlantJournal(Names(kSecond).Journal, FrameJournal(kSecondRecord), 5);
  log_.OnAppend = [](const std::string& record) {
    if (record == kFirstRecord)
      throw std::bad_alloc();
  };
  const std::vector<std::string> problems = RecoverJournals(log_.Log());
  EXPECT_EQ(log_.Bytes, kSecondRecord);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0], "Журнал \"Your.txt.4000000001.journal\" не восстановлен: std::bad_alloc. "
                         "Он остаётся до следующего запуска.");
  EXPECT_TRUE(Exists(Names(kFirst).Journal));
}

TEST_F(JournalRecoveryTest, AGoodTemporaryFileNewerThanItsJournalIsTheSnapshotRecovered) {
  PlantJournal(Names(kFirst).Journal, FrameJournal(kFirstRecord), 10);
  PlantJournal(Names(kFirst).Temporary, FrameJournal(kFirstRecord + "дальше\r\n"), 9);
  PlantJournal(Names(kSecond).Temporary, FrameJournal(kSecondRecord), 5); // its journal never came
  EXPECT_TRUE(RecoverJournals(log_.Log()).empty());
  EXPECT_EQ(log_.Bytes, kFirstRecord + "дальше\r\n" + kSecondRecord);
  for (unsigned long instance : {kFirst, kSecond}) {
    EXPECT_FALSE(Exists(Names(instance).Journal));
    EXPECT_FALSE(Exists(Names(instance).Temporary));
  }

  // A torn or older temporary file is only deleted: the journal counts.
  PlantJournal(Names(kFirst).Journal, FrameJournal(kFirstRecord), 10);
  PlantJournal(Names(kFirst).Temporary, FrameJournal(kSecondRecord).substr(0, 30), 9);
  PlantJournal(Names(kSecond).Journal, FrameJournal(kSecondRecord), 5);
  PlantJournal(Names(kSecond).Temporary, FrameJournal(kFirstRecord), 6);
  log_.Bytes.clear();
  EXPECT_TRUE(RecoverJournals(log_.Log()).empty());
  EXPECT_EQ(log_.Bytes, kFirstRecord + kSecondRecord);
  EXPECT_FALSE(Exists(Names(kFirst).Temporary));
  EXPECT_FALSE(Exists(Names(kSecond).Temporary));
}

TEST_F(JournalRecoveryTest, ALockThatCannotBeCheckedIsReportedAndItsJournalKept) {
  PlantJournal(Names(kFirst).Journal, FrameJournal(kFirstRecord), 10);
  ASSERT_TRUE(CreateDirectoryW(Names(kFirst).Lock.c_str(), nullptr));
  const std::vector<std::string> problems = RecoverJournals(log_.Log());
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0], "Журнал \"Your.txt.4000000001.journal\" не проверен: File access "
                         "denied. Он остаётся до следующего запуска.");
  EXPECT_EQ(log_.Bytes, "");
  EXPECT_TRUE(Exists(Names(kFirst).Journal));
  RemoveDirectoryW(Names(kFirst).Lock.c_str());
}

} // namespace
} // namespace journal
